// SPDX-License-Identifier: LicenseRef-Wrenhop
// The result log's records, free of Qt, so that the Windows engine build
// writes them as the program does.
#pragma once

#include <string>
#include <string_view>

namespace resultlog {

// A value from the command line or the manifest, fit for a field: without
// control characters, and with "[", "]" and "," turned into "_", so that it
// cannot forge another record or field that Cartaline would read.
std::string field(std::string_view text);

// "[code,T:time,info]", followed by "[WH-SUCCESS]" for exactly "D:1". The
// info keeps its commas but loses line ends and brackets: the record stays
// one line in its frame.
std::string record(std::string_view code, std::string_view time, std::string_view info);

// Appends the record and a line end (CR LF on Windows) to the file at the
// UTF-8 path; a missing folder is not created. Answers the reason of a
// failure, empty when the record was written.
std::string append(const std::string& path, const std::string& record);

} // namespace resultlog
