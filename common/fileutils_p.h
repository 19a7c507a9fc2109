// SPDX-License-Identifier: LicenseRef-Wrenhop
// Internals shared by the file utilities and their platform files.
#pragma once

#include <string>

namespace FileUtils::detail {

// The platform's last-error code in Windows numbering; on POSIX errno mapped
// through windowsErrorCode.
unsigned long lastErrorCode();

// POSIX only: errno in Windows numbering, so that messages read alike on
// every platform; values without a Windows counterpart are kept as they are.
unsigned long windowsErrorCode(int error);

// Each answers false on failure and leaves the reason in errno / the
// platform's last error for the caller's message.
bool copyFile(const std::string& source, const std::string& target);
bool rename(const std::string& oldPath, const std::string& newPath);
// POSIX only: rename's way where the file system lacks RENAME_NOREPLACE.
bool renameByLinking(const std::string& oldPath, const std::string& newPath);
bool replaceFile(const std::string& source, const std::string& target);
bool createDirectory(const std::string& path);
// True when the file is gone, including when it was never there.
bool removeFile(const std::string& path);
bool removeDirectory(const std::string& path);
bool currentDirectory(std::string& path);

// The temporary and application-data folders as the environment gives them,
// in UTF-8 and without trailing "/"; empty when the platform has no value.
std::string temporaryDirectory();
std::string applicationDataDirectory();
// The running program's full path; empty on failure.
std::string executablePath();

} // namespace FileUtils::detail
