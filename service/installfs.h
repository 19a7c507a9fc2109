// SPDX-License-Identifier: LicenseRef-Wrenhop
// The platform's file calls that the installation transaction relies on:
// renames that say whether they happened, links, flushes to disk. Paths are
// UTF-8. None of them prints or throws; each answers whether it worked.
#pragma once

#include <string>
#include <string_view>

namespace wrenhop::service::installfs {

// Moves a file or folder within one file system; fails when `to` exists.
bool move(const std::string& from, const std::string& to);
// Moves a file onto `to` in one step, replacing what is there.
bool moveReplacing(const std::string& from, const std::string& to);
// A second name for an existing file.
bool link(const std::string& existing, const std::string& newName);
// True when both names lead to one file.
bool sameFile(const std::string& a, const std::string& b);
// A symbolic link, or on Windows any reparse point (junctions too).
bool isLink(const std::string& path);
// Removes a file or a folder with all it holds; true when nothing is left.
// On Windows read-only files go too, which the system would refuse.
bool removeAll(const std::string& path);
// Writes the file whole and flushes it to disk before answering.
bool writeDurably(const std::string& path, const std::string& bytes);
// Makes the names in a folder (renames, removals) durable.
bool flushDirectory(const std::string& path);
// Makes every file below the folder durable, data and names.
bool flushTree(const std::string& path);
// Makes the renames made on the folder's file system durable.
bool flushFileSystem(const std::string& path);
// The permission bits (07777), -1 when there are none or the call fails.
int permissionBits(const std::string& path);
bool setPermissionBits(const std::string& path, int bits);
// The form in which two names compare as the platform's file system compares
// them: as they are on POSIX, case-folded on Windows.
std::string nameKey(std::string_view name);

} // namespace wrenhop::service::installfs
