// SPDX-License-Identifier: LicenseRef-Wrenhop
// A download's file writer: writes and hashes on a thread of its own, so that
// the transfer never waits for the disk or the hash.
#pragma once

#include "hasher.h"

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace wrenhop::service {

class StreamingFile
{
public:
    // Creates or truncates the file; check isOpen(). With keep > 0 the file
    // must hold exactly that many bytes: they stay, are hashed first (on the
    // writer thread), and appended data follows them.
    StreamingFile(const std::string& path, HashAlgorithm algorithm, std::int64_t keep = 0);
    ~StreamingFile(); // finishes if finish() was not called
    StreamingFile(const StreamingFile&) = delete;
    StreamingFile& operator=(const StreamingFile&) = delete;

    bool isOpen() const { return mFile != nullptr; }

    // False once a write has failed; the caller stops the transfer then.
    bool append(std::string_view data);

    // Writes what is left, closes the file and answers whether every byte
    // reached it. Safe to call more than once.
    bool finish();

    // The lower-case hex digest of the whole file, after finish().
    std::string hexDigest() const { return mHexDigest; }

private:
    using Block = std::vector<char>;

    void run();
    bool hashKeptBytes();
    void pushCurrent();
    bool failed() const;

    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::unique_ptr<std::FILE, FileCloser> mFileOwner;
    std::FILE* mFile = nullptr;
    std::string mPath;
    std::int64_t mKeep = 0;
    std::unique_ptr<Hasher> mHasher;
    Block mCurrent;

    mutable std::mutex mMutex;
    std::condition_variable mChanged;
    std::deque<Block> mQueue;   // full blocks waiting for the writer
    std::vector<Block> mSpare;  // written blocks, reused
    bool mClosing = false;
    bool mWriteFailed = false;
    bool mFinished = false;
    bool mResult = false;
    std::string mHexDigest;
    std::thread mWriter;
};

} // namespace wrenhop::service
