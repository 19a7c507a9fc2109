// SPDX-License-Identifier: LicenseRef-Wrenhop
// A download's file writer: writes and hashes (SHA-1) on a thread of its own,
// so that the transfer never waits for the disk or the hash.
#pragma once

#include "hasher.h"

#include <condition_variable>
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
    // Creates or truncates the file; check isOpen().
    explicit StreamingFile(const std::string& path);
    ~StreamingFile(); // finishes if finish() was not called
    StreamingFile(const StreamingFile&) = delete;
    StreamingFile& operator=(const StreamingFile&) = delete;

    bool isOpen() const { return mFile != nullptr; }

    // False once a write has failed; the caller stops the transfer then.
    bool append(std::string_view data);

    // Writes what is left, closes the file and answers whether every byte
    // reached it. Safe to call more than once.
    bool finish();

    // The lower-case hex SHA-1 of the bytes appended, after finish().
    std::string sha1Hex() const { return mSha1Hex; }

private:
    using Block = std::vector<char>;

    void run();
    void pushCurrent();
    bool failed() const;

    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::unique_ptr<std::FILE, FileCloser> mFileOwner;
    std::FILE* mFile = nullptr;
    std::unique_ptr<Hasher> mSha1;
    Block mCurrent;

    mutable std::mutex mMutex;
    std::condition_variable mChanged;
    std::deque<Block> mQueue;   // full blocks waiting for the writer
    std::vector<Block> mSpare;  // written blocks, reused
    bool mClosing = false;
    bool mWriteFailed = false;
    bool mFinished = false;
    bool mResult = false;
    std::string mSha1Hex;
    std::thread mWriter;
};

} // namespace wrenhop::service
