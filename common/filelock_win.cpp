// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "filelock.h"

#include "fileutils.h"

#include <string>

#include <windows.h>

FileLock::Result FileLock::tryLock()
{
    if (held())
        return Result::Acquired;
    const std::wstring path = FileUtils::utf8ToWide(mPath);
    if (path.empty()) {
        mError = ERROR_INVALID_NAME;
        return Result::Failed;
    }
    // No delete sharing: the file can be removed only when no one has it
    // open, so a removal never pulls it from under a holder.
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_ACCESS_DENIED)
        handle = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        mError = ::GetLastError();
        return Result::Failed;
    }
    OVERLAPPED whole = {};
    if (!::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole)) {
        mError = ::GetLastError();
        ::CloseHandle(handle);
        return mError == ERROR_LOCK_VIOLATION ? Result::HeldElsewhere : Result::Failed;
    }
    mHandle = reinterpret_cast<std::intptr_t>(handle);
    return Result::Acquired;
}

void FileLock::release()
{
    if (!held())
        return;
    ::CloseHandle(reinterpret_cast<HANDLE>(mHandle));
    mHandle = kNoHandle;
    // Fails harmlessly while another run has the file open.
    ::DeleteFileW(FileUtils::utf8ToWide(mPath).c_str());
}
