// SPDX-License-Identifier: LicenseRef-Wrenhop
// The download of the package, with its size and hash checks.
#include "wrenhopservice.h"

#include "fileutils.h"
#include "httpclient.h"
#include "streamingfile.h"
#include "writelog.h"

#include <algorithm>
#include <cctype>

namespace wrenhop::service {

namespace {

const char* const DOWNLOAD_TASK = "wrenhop::service::WrenhopService::runDownloadThread::<lambda>::operator()";

std::string trimmed(const std::string& text)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

// The manifest's hash in lower case when it is a SHA-1 in hex, else empty.
std::string expectedSha1(const std::string& hash)
{
    std::string text = trimmed(hash);
    if (text.size() != 40 || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; }))
        return {};
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

void WrenhopService::download()
{
    const std::string url = mScriptPackage.host + mScriptPackage.source;
    const std::string fileName = FileUtils::fileName(mScriptPackage.source);
    const std::string filePath = getDownloadDirPath() + "/" + fileName;
    const std::string partialPath = filePath + ".partial";
    const std::int64_t expectedSize = mScriptPackage.size;
    const std::string sha1 = expectedSha1(mScriptPackage.sha1);
    mProgress = 0.0;

    if (sha1.empty() && !mScriptPackage.sha1.empty())
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "hash is not a SHA-1, not checked: %s", mScriptPackage.sha1.c_str());

    // "." and ".." would make the final name the download folder or its parent.
    if (fileName.empty() || fileName == "." || fileName == "..") {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "no file name in source: %s", mScriptPackage.source.c_str());
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }

    StreamingFile file(partialPath);
    if (!file.isOpen()) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "cannot create download file: %s", partialPath.c_str());
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }

    std::int64_t received = 0;
    bool tooLarge = false;
    bool writeFailed = false;

    HttpClient client;
    client.setUrl(url);
    client.setProgressCallback([this](std::uint64_t total, std::uint64_t now, std::uint64_t, std::uint64_t) {
        if (total == 0)
            return true;
        const double percentage = static_cast<double>(now) / static_cast<double>(total) * 100.0;
        if (percentage - mProgress >= 1.0) {
            mProgress = percentage;
            report(STATE_DOWNLOAD_PROGRESS, percentage);
        }
        return true;
    });
    const HttpResponse response = client.download([&](std::string_view data) {
        const auto length = static_cast<std::int64_t>(data.size());
        // More than announced can never pass the check; stop filling the disk.
        if (expectedSize > 0 && received > expectedSize - length) {
            tooLarge = true;
            return false;
        }
        if (!file.append(data)) {
            writeFailed = true;
            return false;
        }
        received += length;
        return true;
    });
    if (!file.finish())
        writeFailed = true;

    const auto fail = [&](int state, double value) {
        FileUtils::removeFile(partialPath);
        report(state, value);
    };

    if (tooLarge) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "size mismatch: %s expected %lld, received more than that", url.c_str(),
                 static_cast<long long>(expectedSize));
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    if (writeFailed) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "cannot write download file: %s", partialPath.c_str());
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    if (response.error.code != HttpErrorCode::Ok) {
        const long code = response.error.code == HttpErrorCode::HttpStatus ? response.status
                                                                            : static_cast<long>(response.error.code);
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "download error(%ld): %s", code, response.error.message.c_str());
        fail(STATE_NO_NETWORK, mProgress);
        return;
    }
    if (expectedSize > 0 && received != expectedSize) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "size mismatch: %s expected %lld, received %lld", url.c_str(),
                 static_cast<long long>(expectedSize), static_cast<long long>(received));
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    const std::string actualSha1 = file.sha1Hex();
    if (!sha1.empty() && actualSha1 != sha1) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "sha1 mismatch: %s expected %s, received %s", url.c_str(), sha1.c_str(),
                 actualSha1.c_str());
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    // An earlier attempt's file may still lie there after a failed installation.
    FileUtils::replaceFile(partialPath, filePath);
    if (FileUtils::exists(partialPath) || !FileUtils::exists(filePath)) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "cannot move download file: %s -> %s", partialPath.c_str(), filePath.c_str());
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    writeLog(LOG_INFO, DOWNLOAD_TASK, "download success: %s", filePath.c_str());
    report(STATE_DOWNLOAD_COMPLETE, 100.0);
}

} // namespace wrenhop::service
