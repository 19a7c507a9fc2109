// SPDX-License-Identifier: LicenseRef-Wrenhop
// One HTTP GET over libcurl's easy interface, streamed to a sink.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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

class HttpClient
{
public:
    // Counts in bytes: download total (0 while unknown), downloaded, upload
    // total, uploaded. Answer false to abort the transfer.
    using ProgressCallback = std::function<bool(std::uint64_t, std::uint64_t, std::uint64_t, std::uint64_t)>;
    // Receives the body as it arrives; answer false when it cannot be stored.
    using BodySink = std::function<bool(std::string_view)>;

    static constexpr std::chrono::seconds CONNECT_TIMEOUT{30};
    static constexpr std::chrono::seconds LOW_SPEED_TIME{60};
    static constexpr long LOW_SPEED_LIMIT = 1; // bytes per second
    static constexpr long MAX_REDIRECTS = 50;
    static constexpr long RECEIVE_BUFFER_SIZE = 256 * 1024;

    HttpClient();
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    void setUrl(const std::string& url);
    void setProgressCallback(ProgressCallback callback);

    // Runs the GET. A final status outside 2xx is an error (HttpStatus, the
    // message holds the status line's reason); its body never reaches the sink.
    HttpResponse download(const BodySink& sink);

    // Tests only: shorter limits than CONNECT_TIMEOUT and LOW_SPEED_TIME for
    // every client created afterwards. Zero restores the constants.
    static void setTimeoutsForTesting(std::chrono::milliseconds connectTimeout, std::chrono::seconds lowSpeedTime);

private:
    static std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t onWrite(char* data, std::size_t size, std::size_t count, void* self);
    static int onProgress(void* self, std::int64_t dlTotal, std::int64_t dlNow, std::int64_t ulTotal, std::int64_t ulNow);

    void* mCurl = nullptr;
    std::string mUrl;
    ProgressCallback mProgress;
    const BodySink* mSink = nullptr;
    std::string mReason;
    bool mStatusRejected = false;
};

} // namespace wrenhop::service
