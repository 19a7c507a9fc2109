// SPDX-License-Identifier: LicenseRef-Wrenhop
// One HTTP GET over libcurl's easy interface, streamed to a sink.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace wrenhop::service {

enum class HttpErrorCode : int {
    Ok = 0,
    ConnectionFailure,
    HostResolutionFailure,
    InvalidUrl,
    OperationTimedOut,
    NetworkReceiveError,
    NetworkSendFailure,
    TooManyRedirects,
    WriteError,
    AbortedByCallback,
    HttpStatus,
    InternalError,
    UnknownError,
    Cancelled,
    TooSlow,
    RedirectRefused,
};

struct HttpError
{
    HttpErrorCode code = HttpErrorCode::Ok;
    std::string message;
};

struct HttpResponse
{
    // The final status after redirects; 0 when no reply arrived.
    long status = 0;
    HttpError error;
};

// The head of the response whose body is about to arrive.
struct ResponseHead
{
    long status = 0;
    std::string etag;
    std::string lastModified;
    std::string contentRange;
};

// False for a redirect from https to plain http, which would hand the
// package to anyone on the way.
bool isRedirectAllowed(std::string_view fromUrl, std::string_view location);

class HttpClient
{
public:
    // Counts in bytes: download total (0 while unknown), downloaded, upload
    // total, uploaded. Answer false to abort the transfer.
    using ProgressCallback = std::function<bool(std::uint64_t, std::uint64_t, std::uint64_t, std::uint64_t)>;
    // Receives the body as it arrives; answer false when it cannot be stored.
    using BodySink = std::function<bool(std::string_view)>;
    // Called once before the first byte of a 2xx body; answer false to abort.
    using HeadCallback = std::function<bool(const ResponseHead&)>;

    static constexpr std::chrono::seconds CONNECT_TIMEOUT{30};
    // A transfer that averages less than LOW_SPEED_LIMIT over LOW_SPEED_TIME
    // ends with TooSlow.
    static constexpr std::chrono::seconds LOW_SPEED_TIME{60};
    static constexpr long LOW_SPEED_LIMIT = 1024; // bytes per second
    static constexpr long MAX_REDIRECTS = 50;
    static constexpr long RECEIVE_BUFFER_SIZE = 256 * 1024;

    HttpClient();
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    void setUrl(const std::string& url);
    void setProgressCallback(ProgressCallback callback);
    void setHeadCallback(HeadCallback callback);
    // Asks for the bytes from offset on ("Range: bytes=N-"), with If-Range
    // carrying the validator; offset 0 asks for everything.
    void setRange(std::int64_t offset, const std::string& ifRange);
    // Read while the transfer runs, from its thread; once it is true the
    // transfer ends with Cancelled within about a second.
    void setCancelFlag(const std::atomic<bool>* cancel);
    // CONNECT_TIMEOUT and LOW_SPEED_TIME unless set.
    void setTimeouts(std::chrono::milliseconds connectTimeout, std::chrono::seconds lowSpeedTime);

    // Runs the GET over http or https only, for the first request and every
    // redirect. A final status outside 2xx is an error (HttpStatus, the
    // message holds the status line's reason); its body never reaches the sink.
    HttpResponse download(const BodySink& sink);


private:
    static std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t onWrite(char* data, std::size_t size, std::size_t count, void* self);
    static int onProgress(void* self, std::int64_t dlTotal, std::int64_t dlNow, std::int64_t ulTotal, std::int64_t ulNow);

    bool isTooSlow();

    void* mCurl = nullptr;
    std::string mUrl;
    std::int64_t mRangeOffset = 0;
    std::string mIfRange;
    ProgressCallback mProgress;
    HeadCallback mHeadCallback;
    const std::atomic<bool>* mCancel = nullptr;
    const BodySink* mSink = nullptr;
    std::string mReason;
    ResponseHead mHead;
    bool mHeadDelivered = false;
    bool mStatusRejected = false;
    bool mCancelled = false;
    bool mTooSlow = false;
    bool mRedirectRefused = false;
    std::string mRefusedLocation;
    // Body bytes so far, and samples of that count for the speed floor.
    std::int64_t mReceived = 0;
    std::deque<std::pair<std::chrono::steady_clock::time_point, std::int64_t>> mSamples;
    std::chrono::milliseconds mConnectTimeout = CONNECT_TIMEOUT;
    std::chrono::seconds mLowSpeedTime = LOW_SPEED_TIME;
};

} // namespace wrenhop::service
