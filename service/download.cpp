// SPDX-License-Identifier: LicenseRef-Wrenhop
// The download of the package, with its size and hash checks, resumed where
// an earlier attempt stopped when the server can prove it is the same file.
#include "wrenhopservice.h"

#include "fileutils.h"
#include "httpclient.h"
#include "streamingfile.h"
#include "writelog.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>

namespace wrenhop::service {

namespace {

const char* const DOWNLOAD_TASK = "wrenhop::service::WrenhopService::runDownloadThread::<lambda>::operator()";
const char* const RECORD_HEADER = "wrenhop-partial 1";

// What a kept ".partial" file is a part of. A resume needs all of it to
// match the manifest and a validator for If-Range.
struct PartialRecord
{
    std::string url;
    std::int64_t size = 0;
    std::string hash;
    std::string etag;
    std::string lastModified;

    bool describes(const PartialRecord& other) const
    {
        return url == other.url && size == other.size && hash == other.hash;
    }
};

bool isOneLine(const std::string& text)
{
    return text.find_first_of("\r\n") == std::string::npos;
}

std::optional<std::int64_t> parseCount(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

std::optional<PartialRecord> readRecord(const std::string& path)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(FileUtils::openFile(path, "rb"), &std::fclose);
    if (!file)
        return std::nullopt;
    std::string text(4096, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    std::istringstream in(text);
    std::string header, url, size, hash, etag, lastModified, end;
    if (!std::getline(in, header) || header != RECORD_HEADER || !std::getline(in, url) || !std::getline(in, size)
        || !std::getline(in, hash) || !std::getline(in, etag) || !std::getline(in, lastModified)
        || !std::getline(in, end) || end != "end")
        return std::nullopt;
    const std::optional<std::int64_t> count = parseCount(size);
    if (!count)
        return std::nullopt;
    return PartialRecord{url, *count, hash, etag, lastModified};
}

// Written aside and moved into place, so a record is either whole or absent.
bool writeRecord(const std::string& path, const PartialRecord& record)
{
    for (const std::string* field : {&record.url, &record.hash, &record.etag, &record.lastModified}) {
        if (!isOneLine(*field))
            return false;
    }
    const std::string text = std::string(RECORD_HEADER) + "\n" + record.url + "\n" + std::to_string(record.size) + "\n"
        + record.hash + "\n" + record.etag + "\n" + record.lastModified + "\nend\n";
    const std::string temporary = path + ".new";
    std::FILE* file = FileUtils::openFile(temporary, "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written) {
        FileUtils::removeFile(temporary);
        return false;
    }
    return FileUtils::replaceFile(temporary, path);
}

std::int64_t fileSize(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(std::filesystem::u8path(path), error);
    return error ? -1 : static_cast<std::int64_t>(size);
}

// "bytes <offset>-<size - 1>/<size>", the size the manifest's when known.
bool contentRangeMatches(std::string_view range, std::int64_t offset, std::int64_t expectedSize)
{
    const std::string_view unit = "bytes ";
    const std::size_t dash = range.find('-');
    const std::size_t slash = range.find('/');
    if (range.substr(0, unit.size()) != unit || dash == std::string_view::npos || slash == std::string_view::npos
        || slash < dash)
        return false;
    const auto first = parseCount(range.substr(unit.size(), dash - unit.size()));
    const auto last = parseCount(range.substr(dash + 1, slash - dash - 1));
    const auto total = parseCount(range.substr(slash + 1));
    return first && last && total && *first == offset && *last == *total - 1 && *total > offset
        && (expectedSize <= 0 || *total == expectedSize);
}

// The length of a kept part that can be resumed for what is wanted, with
// its record; 0 when there is none.
std::int64_t resumablePart(const std::string& partialPath, const std::string& recordPath, const PartialRecord& wanted,
                           PartialRecord* kept)
{
    const std::optional<PartialRecord> record = readRecord(recordPath);
    if (!record || !record->describes(wanted) || (record->etag.empty() && record->lastModified.empty()))
        return 0;
    const std::int64_t size = fileSize(partialPath);
    // A part as long as the package or longer cannot be the start of it.
    if (size <= 0 || (wanted.size > 0 && size >= wanted.size))
        return 0;
    *kept = *record;
    return size;
}

} // namespace

void WrenhopService::download()
{
    const std::string url = mScriptPackage.host + mScriptPackage.source;
    const std::string fileName = FileUtils::fileName(mScriptPackage.source);
    const std::string filePath = getDownloadDirPath() + "/" + fileName;
    const std::string partialPath = filePath + ".partial";
    const std::string recordPath = partialPath + ".record";
    const std::int64_t expectedSize = mScriptPackage.size;
    const std::optional<PackageHash> hash = parsePackageHash(mScriptPackage.sha1);
    mProgress = 0.0;

    if (!hash) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "hash is neither a SHA-1 nor a SHA-256: %s", mScriptPackage.sha1.c_str());
        report(STATE_NO_UPDATE_FILE, 0.0);
        return;
    }
    // "." and ".." would make the final name the download folder or its parent.
    if (fileName.empty() || fileName == "." || fileName == "..") {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "no file name in source: %s", mScriptPackage.source.c_str());
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }

    const auto discardPartial = [&] {
        FileUtils::removeFile(recordPath);
        FileUtils::removeFile(partialPath);
    };
    PartialRecord kept;
    std::int64_t resumeFrom =
        resumablePart(partialPath, recordPath, PartialRecord{url, expectedSize, hash->hex, {}, {}}, &kept);
    if (resumeFrom == 0 && (FileUtils::exists(partialPath) || FileUtils::exists(recordPath))) {
        writeLog(LOG_INFO, DOWNLOAD_TASK, "earlier partial download not usable, starting over: %s", partialPath.c_str());
        discardPartial();
    }
    // Only with a file to write into is the server asked at all.
    if (resumeFrom == 0) {
        if (std::FILE* probe = FileUtils::openFile(partialPath, "wb"))
            std::fclose(probe);
    }
    if (!FileUtils::exists(partialPath)) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "cannot create download file: %s", partialPath.c_str());
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }

    std::optional<StreamingFile> file;
    std::int64_t base = 0;
    std::int64_t received = 0;
    bool tooLarge = false;
    bool writeFailed = false;
    bool cannotResume = false;
    HttpResponse response;
    // At most twice: a resume the server cannot serve starts over at once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (resumeFrom > 0)
            writeLog(LOG_INFO, DOWNLOAD_TASK, "resuming %s at byte %lld", url.c_str(), static_cast<long long>(resumeFrom));
        base = 0;
        received = 0;
        cannotResume = false;

        HttpClient client;
        client.setUrl(url);
        client.setCancelFlag(&mCancel);
        client.setTimeouts(mContext.connectTimeout, mContext.lowSpeedTime);
        client.setRange(resumeFrom, kept.etag.empty() ? kept.lastModified : kept.etag);
        client.setHeadCallback([&](const ResponseHead& head) {
            if (head.status == 206 && !(resumeFrom > 0 && contentRangeMatches(head.contentRange, resumeFrom, expectedSize))) {
                writeLog(LOG_ERROR, DOWNLOAD_TASK, "unexpected partial answer (%s) for byte %lld",
                         head.contentRange.c_str(), static_cast<long long>(resumeFrom));
                cannotResume = true;
                return false;
            }
            if (resumeFrom > 0 && head.status != 206)
                writeLog(LOG_INFO, DOWNLOAD_TASK, "the server sends the whole file (status %ld): starting over", head.status);
            base = head.status == 206 ? resumeFrom : 0;
            received = base;
            // The old record goes before the file changes; the new one
            // describes what is about to be written.
            // Without a validator a later attempt could not tell the server's
            // file from another one, so it gets no record.
            FileUtils::removeFile(recordPath);
            if (head.etag.empty() && head.lastModified.empty())
                writeLog(LOG_INFO, DOWNLOAD_TASK, "the server names no version of the file: no resume");
            else if (!writeRecord(recordPath, PartialRecord{url, expectedSize, hash->hex, head.etag, head.lastModified}))
                writeLog(LOG_INFO, DOWNLOAD_TASK, "no resume record, a later attempt starts over: %s", recordPath.c_str());
            file.emplace(partialPath, hash->algorithm, base);
            if (!file->isOpen()) {
                writeFailed = true;
                return false;
            }
            if (base > 0) {
                writeLog(LOG_INFO, DOWNLOAD_TASK, "resumed %lld bytes", static_cast<long long>(base));
                if (expectedSize > 0) {
                    mProgress = static_cast<double>(base) / static_cast<double>(expectedSize) * 100.0;
                    report(STATE_DOWNLOAD_PROGRESS, mProgress);
                }
            }
            return true;
        });
        client.setProgressCallback([this, &base](std::uint64_t total, std::uint64_t now, std::uint64_t, std::uint64_t) {
            if (total == 0)
                return true;
            const auto done = static_cast<double>(now) + static_cast<double>(base);
            const double percentage = done / (static_cast<double>(total) + static_cast<double>(base)) * 100.0;
            if (percentage - mProgress >= 1.0) {
                mProgress = percentage;
                report(STATE_DOWNLOAD_PROGRESS, percentage);
            }
            return true;
        });
        response = client.download([&](std::string_view data) {
            const auto length = static_cast<std::int64_t>(data.size());
            // More than announced can never pass the check; stop filling the disk.
            if (expectedSize > 0 && received > expectedSize - length) {
                tooLarge = true;
                return false;
            }
            if (!file->append(data)) {
                writeFailed = true;
                return false;
            }
            received += length;
            return true;
        });
        const bool refused = response.error.code == HttpErrorCode::HttpStatus && response.status == 416;
        if (resumeFrom > 0 && (cannotResume || refused)) {
            writeLog(LOG_INFO, DOWNLOAD_TASK, "the server cannot resume %s: starting over", url.c_str());
            file.reset();
            discardPartial();
            resumeFrom = 0;
            kept = PartialRecord();
            continue;
        }
        break;
    }
    if (file && !file->finish())
        writeFailed = true;
    // An empty body never reached the head callback: the package is empty.
    if (!file && response.error.code == HttpErrorCode::Ok)
        file.emplace(partialPath, hash->algorithm).finish();

    const auto fail = [&](int state, double value) {
        discardPartial();
        report(state, value);
    };

    // What arrived is kept for the next attempt; an empty file is not worth it.
    const auto keepPartial = [&] {
        const std::int64_t size = fileSize(partialPath);
        if (size <= 0 || !FileUtils::exists(recordPath))
            discardPartial();
        else
            writeLog(LOG_INFO, DOWNLOAD_TASK, "kept %lld bytes for a later attempt", static_cast<long long>(size));
    };
    if (response.error.code == HttpErrorCode::Cancelled) {
        // The end of the program, not a failure: no report, no result line.
        writeLog(LOG_INFO, DOWNLOAD_TASK, "download cancelled: %s", url.c_str());
        keepPartial();
        return;
    }
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
        keepPartial();
        report(STATE_NO_NETWORK, mProgress);
        return;
    }
    if (expectedSize > 0 && received != expectedSize) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "size mismatch: %s expected %lld, received %lld", url.c_str(),
                 static_cast<long long>(expectedSize), static_cast<long long>(received));
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    // A resumed file that fails goes whole, so a bad part is never resumed again.
    const std::string actual = file->hexDigest();
    if (!hash->hex.empty() && actual != hash->hex) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "%s mismatch: %s expected %s, received %s",
                 hash->algorithm == HashAlgorithm::Sha256 ? "sha256" : "sha1", url.c_str(), hash->hex.c_str(),
                 actual.c_str());
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    FileUtils::removeFile(recordPath);
    // An earlier attempt's file may still lie there after a failed installation.
    if (!FileUtils::replaceFile(partialPath, filePath)) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "cannot move download file: %s -> %s", partialPath.c_str(), filePath.c_str());
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    writeLog(LOG_INFO, DOWNLOAD_TASK, "download success: %s (%lld bytes resumed)", filePath.c_str(),
             static_cast<long long>(base));
    report(STATE_DOWNLOAD_COMPLETE, 100.0);
}

} // namespace wrenhop::service
