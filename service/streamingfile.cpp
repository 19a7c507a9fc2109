// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "streamingfile.h"

#include "fileutils.h"

#include <algorithm>
#include <cstring>

namespace wrenhop::service {

namespace {

// Large enough to keep the hand-over cheap, small enough that the whole
// queue stays a few MiB whatever the package size.
constexpr std::size_t kBlockSize = 256 * 1024;
constexpr std::size_t kMaxQueuedBlocks = 8;

} // namespace

StreamingFile::StreamingFile(const std::string& path, HashAlgorithm algorithm, std::int64_t keep)
    : mFileOwner(FileUtils::openFile(path, keep > 0 ? "ab" : "wb"))
    , mFile(mFileOwner.get())
    , mPath(path)
    , mKeep(keep)
    , mHasher(std::make_unique<Hasher>(algorithm))
{
    if (!mFile)
        return;
    if (!mHasher->isValid()) {
        mFileOwner.reset();
        mFile = nullptr;
        return;
    }
    // The block size does the buffering; stdio would only copy once more.
    std::setvbuf(mFile, nullptr, _IONBF, 0);
    mCurrent.reserve(kBlockSize);
    mWriter = std::thread(&StreamingFile::run, this);
}

StreamingFile::~StreamingFile()
{
    finish();
}

bool StreamingFile::failed() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mWriteFailed;
}

bool StreamingFile::append(std::string_view data)
{
    if (!mFile || failed())
        return false;
    while (!data.empty()) {
        const std::size_t room = kBlockSize - mCurrent.size();
        const std::size_t take = std::min(room, data.size());
        mCurrent.insert(mCurrent.end(), data.data(), data.data() + take);
        data.remove_prefix(take);
        if (mCurrent.size() == kBlockSize)
            pushCurrent();
    }
    return true;
}

void StreamingFile::pushCurrent()
{
    std::unique_lock<std::mutex> lock(mMutex);
    mChanged.wait(lock, [this] { return mQueue.size() < kMaxQueuedBlocks || mWriteFailed; });
    mQueue.push_back(std::move(mCurrent));
    if (!mSpare.empty()) {
        mCurrent = std::move(mSpare.back());
        mSpare.pop_back();
    } else {
        mCurrent = Block();
        mCurrent.reserve(kBlockSize);
    }
    mCurrent.clear();
    mChanged.notify_all();
}

bool StreamingFile::hashKeptBytes()
{
    const std::unique_ptr<std::FILE, FileCloser> file(FileUtils::openFile(mPath, "rb"));
    if (!file)
        return false;
    std::vector<char> buffer(kBlockSize);
    std::int64_t left = mKeep;
    while (left > 0) {
        const auto want = static_cast<std::size_t>(std::min<std::int64_t>(left, static_cast<std::int64_t>(buffer.size())));
        if (std::fread(buffer.data(), 1, want, file.get()) != want || !mHasher->update(std::string_view(buffer.data(), want)))
            return false;
        left -= static_cast<std::int64_t>(want);
    }
    return true;
}

void StreamingFile::run()
{
    // The bytes already on disk come first in the hash; meanwhile the
    // transfer fills the queue.
    if (mKeep > 0 && !hashKeptBytes()) {
        std::lock_guard<std::mutex> lock(mMutex);
        mWriteFailed = true;
        mChanged.notify_all();
    }
    while (true) {
        Block block;
        {
            std::unique_lock<std::mutex> lock(mMutex);
            mChanged.wait(lock, [this] { return !mQueue.empty() || mClosing; });
            if (mQueue.empty())
                return;
            block = std::move(mQueue.front());
            mQueue.pop_front();
            mChanged.notify_all();
        }
        // After a failed write the rest is only drained: the file is lost.
        bool ok;
        {
            std::lock_guard<std::mutex> lock(mMutex);
            ok = !mWriteFailed;
        }
        if (ok) {
            ok = std::fwrite(block.data(), 1, block.size(), mFile) == block.size()
                && mHasher->update(std::string_view(block.data(), block.size()));
        }
        std::lock_guard<std::mutex> lock(mMutex);
        if (!ok)
            mWriteFailed = true;
        mSpare.push_back(std::move(block));
        mChanged.notify_all();
    }
}

bool StreamingFile::finish()
{
    if (mFinished)
        return mResult;
    mFinished = true;
    if (!mFile)
        return mResult = false;
    if (!mCurrent.empty())
        pushCurrent();
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mClosing = true;
    }
    mChanged.notify_all();
    mWriter.join();

    mHexDigest = mHasher->hexDigest();
    const bool closed = std::fclose(mFileOwner.release()) == 0;
    mFile = nullptr;
    mResult = !mHexDigest.empty() && closed && !mWriteFailed;
    return mResult;
}

} // namespace wrenhop::service
