// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "httpclient.h"

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <memory>
#include <type_traits>

namespace wrenhop::service {

static_assert(std::is_same_v<curl_off_t, std::int64_t>, "the progress callback is declared with std::int64_t");

namespace {

// curl_global_init is not thread-safe; the first client may be created on
// any worker thread. There is no matching cleanup: the process's end does
// that work, after the last client of any thread.
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

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
        && std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                      });
}

std::string_view trimmedValue(std::string_view value)
{
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == '\r' || value.back() == '\n' || value.back() == ' ' || value.back() == '\t'))
        value.remove_suffix(1);
    return value;
}

struct SlistFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

bool isRedirectAllowed(std::string_view fromUrl, std::string_view location)
{
    return !(startsWithNoCase(fromUrl, "https:") && startsWithNoCase(trimmedValue(location), "http:"));
}

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

void HttpClient::setHeadCallback(HeadCallback callback)
{
    mHeadCallback = std::move(callback);
}

void HttpClient::setRange(std::int64_t offset, const std::string& ifRange)
{
    mRangeOffset = offset;
    mIfRange = ifRange;
}

void HttpClient::setCancelFlag(const std::atomic<bool>* cancel)
{
    mCancel = cancel;
}

void HttpClient::setTimeouts(std::chrono::milliseconds connectTimeout, std::chrono::seconds lowSpeedTime)
{
    mConnectTimeout = connectTimeout;
    mLowSpeedTime = lowSpeedTime;
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
    mHead = ResponseHead();
    mHeadDelivered = false;
    mStatusRejected = false;
    mCancelled = false;
    mTooSlow = false;
    mRedirectRefused = false;
    mReceived = 0;
    mSamples.clear();

    const long connectMs = static_cast<long>(mConnectTimeout.count());
    const long lowSpeedTime = static_cast<long>(mLowSpeedTime.count());
    mSamples.emplace_back(std::chrono::steady_clock::now(), 0);
    const std::string userAgent = std::string("curl/") + curl_version_info(CURLVERSION_NOW)->version;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    std::unique_ptr<curl_slist, SlistFree> headers;
    const std::string range = std::to_string(mRangeOffset) + "-";
    if (mRangeOffset > 0 && !mIfRange.empty())
        headers.reset(curl_slist_append(nullptr, ("If-Range: " + mIfRange).c_str()));

    curl_easy_reset(curl);
    curl_easy_setopt(curl, CURLOPT_URL, mUrl.c_str());
    // Anything else (file, ftp, dict, ...) would let a manifest or a server
    // reach local files and services.
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    if (mRangeOffset > 0)
        curl_easy_setopt(curl, CURLOPT_RANGE, range.c_str());
    if (headers)
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, MAX_REDIRECTS);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
    curl_easy_setopt(curl, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
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

    // Our own reasons for ending the transfer come first: curl reports each of
    // them as an aborted callback or a write error. Then the status decides
    // before the transport: a rejected status aborts the transfer from the
    // write callback too.
    if (mCancelled) {
        response.error = {HttpErrorCode::Cancelled, "cancelled"};
    } else if (mTooSlow) {
        response.error = {HttpErrorCode::TooSlow, "slower than " + std::to_string(LOW_SPEED_LIMIT) + " bytes/s over "
                                                      + std::to_string(lowSpeedTime) + " s"};
    } else if (mRedirectRefused) {
        response.error = {HttpErrorCode::RedirectRefused, "redirect from https to http refused: " + mRefusedLocation};
    } else if (mStatusRejected || (code == CURLE_OK && !isSuccess(response.status))) {
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
        client->mHead = ResponseHead();
        return size * count;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return size * count;
    const std::string_view name = line.substr(0, colon);
    const std::string_view value = trimmedValue(line.substr(colon + 1));
    const auto is = [name](std::string_view wanted) {
        return name.size() == wanted.size() && startsWithNoCase(name, wanted);
    };
    if (is("etag")) {
        client->mHead.etag = std::string(value);
    } else if (is("last-modified")) {
        client->mHead.lastModified = std::string(value);
    } else if (is("content-range")) {
        client->mHead.contentRange = std::string(value);
    } else if (is("location")) {
        long status = 0;
        char* current = nullptr;
        curl_easy_getinfo(handle(client->mCurl), CURLINFO_RESPONSE_CODE, &status);
        curl_easy_getinfo(handle(client->mCurl), CURLINFO_EFFECTIVE_URL, &current);
        if (status >= 300 && status < 400 && current && !isRedirectAllowed(current, value)) {
            client->mRedirectRefused = true;
            client->mRefusedLocation = std::string(value);
            return 0;
        }
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
    if (client->mCancel && client->mCancel->load()) {
        client->mCancelled = true;
        return 0;
    }
    if (!client->mHeadDelivered) {
        client->mHeadDelivered = true;
        client->mHead.status = status;
        if (client->mHeadCallback && !client->mHeadCallback(client->mHead))
            return 0;
    }
    client->mReceived += static_cast<std::int64_t>(size * count);
    return (*client->mSink)(std::string_view(data, size * count)) ? size * count : 0;
}

// curl's own speed limit restarts its clock whenever a burst arrives, so a
// server sending a little now and then would keep it from ever firing: this
// one looks at the bytes of the whole last window.
bool HttpClient::isTooSlow()
{
    const auto now = std::chrono::steady_clock::now();
    const std::chrono::steady_clock::duration window = mLowSpeedTime;
    if (now - mSamples.back().first >= window / 60)
        mSamples.emplace_back(now, mReceived);
    while (mSamples.size() > 1 && now - mSamples[1].first >= window)
        mSamples.pop_front();
    const auto& [since, received] = mSamples.front();
    return now - since >= window && mReceived - received < LOW_SPEED_LIMIT * mLowSpeedTime.count();
}

int HttpClient::onProgress(void* self, std::int64_t dlTotal, std::int64_t dlNow, std::int64_t ulTotal, std::int64_t ulNow)
{
    auto* client = static_cast<HttpClient*>(self);
    if (client->mCancel && client->mCancel->load()) {
        client->mCancelled = true;
        return 1;
    }
    if (client->isTooSlow()) {
        client->mTooSlow = true;
        return 1;
    }
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
