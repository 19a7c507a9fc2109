// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "httpclient.h"

#include <curl/curl.h>

#include <atomic>
#include <type_traits>

namespace wrenhop::service {

static_assert(std::is_same_v<curl_off_t, std::int64_t>, "the progress callback is declared with std::int64_t");

namespace {

std::atomic<long> connectTimeoutMs{0};
std::atomic<long> lowSpeedTimeS{0};

// curl_global_init is not thread-safe; the first client may be created on
// any worker thread. There is no matching cleanup: a detached download may
// still be inside libcurl while the process exits.
void initializeCurl()
{
    static const CURLcode result = curl_global_init(CURL_GLOBAL_DEFAULT);
    static_cast<void>(result);
}

CURL* handle(void* curl)
{
    return static_cast<CURL*>(curl);
}

HttpErrorCode translate(CURLcode code)
{
    switch (code) {
    case CURLE_OK:
        return HttpErrorCode::Ok;
    case CURLE_COULDNT_CONNECT:
        return HttpErrorCode::ConnectionFailure;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return HttpErrorCode::HostResolutionFailure;
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        return HttpErrorCode::InvalidUrl;
    case CURLE_OPERATION_TIMEDOUT:
        return HttpErrorCode::OperationTimedOut;
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
        return HttpErrorCode::NetworkReceiveError;
    case CURLE_SEND_ERROR:
        return HttpErrorCode::NetworkSendFailure;
    case CURLE_TOO_MANY_REDIRECTS:
        return HttpErrorCode::TooManyRedirects;
    case CURLE_WRITE_ERROR:
        return HttpErrorCode::WriteError;
    case CURLE_ABORTED_BY_CALLBACK:
        return HttpErrorCode::AbortedByCallback;
    case CURLE_OUT_OF_MEMORY:
    case CURLE_FAILED_INIT:
        return HttpErrorCode::InternalError;
    default:
        return HttpErrorCode::UnknownError;
    }
}

bool isSuccess(long status)
{
    return status >= 200 && status < 300;
}

} // namespace

HttpClient::HttpClient()
{
    initializeCurl();
    mCurl = curl_easy_init();
}

HttpClient::~HttpClient()
{
    if (mCurl)
        curl_easy_cleanup(handle(mCurl));
}

void HttpClient::setUrl(const std::string& url)
{
    mUrl = url;
}

void HttpClient::setProgressCallback(ProgressCallback callback)
{
    mProgress = std::move(callback);
}

void HttpClient::setTimeoutsForTesting(std::chrono::milliseconds connectTimeout, std::chrono::seconds lowSpeedTime)
{
    connectTimeoutMs = static_cast<long>(connectTimeout.count());
    lowSpeedTimeS = static_cast<long>(lowSpeedTime.count());
}

HttpResponse HttpClient::download(const BodySink& sink)
{
    HttpResponse response;
    if (!mCurl) {
        response.error = {HttpErrorCode::InternalError, "curl_easy_init failed"};
        return response;
    }
    CURL* curl = handle(mCurl);
    mSink = &sink;
    mReason.clear();
    mStatusRejected = false;

    const long connectMs = connectTimeoutMs > 0 ? connectTimeoutMs.load()
                                                : static_cast<long>(std::chrono::milliseconds(CONNECT_TIMEOUT).count());
    const long lowSpeedTime = lowSpeedTimeS > 0 ? lowSpeedTimeS.load() : static_cast<long>(LOW_SPEED_TIME.count());
    const std::string userAgent = std::string("curl/") + curl_version_info(CURLVERSION_NOW)->version;
    char errorBuffer[CURL_ERROR_SIZE] = {};

    curl_easy_reset(curl);
    curl_easy_setopt(curl, CURLOPT_URL, mUrl.c_str());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, MAX_REDIRECTS);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
    curl_easy_setopt(curl, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, LOW_SPEED_LIMIT);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, lowSpeedTime);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &HttpClient::onHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &HttpClient::onWrite);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, this);
    // Larger reads than the library's 16 KiB: a package is large, and each
    // read costs a system call and a hand-over to the file writer.
    curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, RECEIVE_BUFFER_SIZE);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &HttpClient::onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);

    const CURLcode code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response.status);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    mSink = nullptr;

    // The status decides before the transport: a rejected status aborts the
    // transfer from the write callback, which curl reports as a write error.
    if (mStatusRejected || (code == CURLE_OK && !isSuccess(response.status))) {
        response.error.code = HttpErrorCode::HttpStatus;
        response.error.message = mReason.empty() ? "HTTP status " + std::to_string(response.status) : mReason;
    } else if (code != CURLE_OK) {
        response.error.code = translate(code);
        response.error.message = errorBuffer[0] != '\0' ? std::string(errorBuffer) : curl_easy_strerror(code);
    }
    return response;
}

std::size_t HttpClient::onHeader(char* data, std::size_t size, std::size_t count, void* self)
{
    auto* client = static_cast<HttpClient*>(self);
    const std::string_view line(data, size * count);
    // Every response of a redirect chain begins with its status line; the
    // last one seen belongs to the final response.
    if (line.substr(0, 5) == "HTTP/") {
        std::string_view rest = line;
        const std::size_t afterVersion = rest.find(' ');
        rest = afterVersion == std::string_view::npos ? std::string_view() : rest.substr(afterVersion + 1);
        const std::size_t afterStatus = rest.find(' ');
        rest = afterStatus == std::string_view::npos ? std::string_view() : rest.substr(afterStatus + 1);
        while (!rest.empty() && (rest.back() == '\r' || rest.back() == '\n'))
            rest.remove_suffix(1);
        client->mReason = std::string(rest);
    }
    return size * count;
}

std::size_t HttpClient::onWrite(char* data, std::size_t size, std::size_t count, void* self)
{
    auto* client = static_cast<HttpClient*>(self);
    long status = 0;
    curl_easy_getinfo(handle(client->mCurl), CURLINFO_RESPONSE_CODE, &status);
    if (!isSuccess(status)) {
        client->mStatusRejected = true;
        return 0;
    }
    return (*client->mSink)(std::string_view(data, size * count)) ? size * count : 0;
}

int HttpClient::onProgress(void* self, std::int64_t dlTotal, std::int64_t dlNow, std::int64_t ulTotal, std::int64_t ulNow)
{
    auto* client = static_cast<HttpClient*>(self);
    if (!client->mProgress)
        return 0;
    // The counts of a redirect or an error page are not the package's.
    long status = 0;
    curl_easy_getinfo(handle(client->mCurl), CURLINFO_RESPONSE_CODE, &status);
    if (status != 0 && !isSuccess(status))
        return 0;
    const auto count = [](std::int64_t value) { return static_cast<std::uint64_t>(value < 0 ? 0 : value); };
    return client->mProgress(count(dlTotal), count(dlNow), count(ulTotal), count(ulNow)) ? 0 : 1;
}

} // namespace wrenhop::service
