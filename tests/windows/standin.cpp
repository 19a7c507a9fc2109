// SPDX-License-Identifier: LicenseRef-Wrenhop
// Cartaline for the restart under Wine: writes its arguments, one a line, to
// started.txt beside itself and ends.
#include <cstdio>
#include <string>

#include <windows.h>

int main(int argc, char** argv)
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    std::wstring record(path, length);
    record.erase(record.find_last_of(L"\\/") + 1);
    record += L"started.txt";
    std::FILE* out = ::_wfopen(record.c_str(), L"wb");
    if (!out)
        return 1;
    for (int i = 1; i < argc; ++i)
        std::fprintf(out, "%s\n", argv[i]);
    return std::fclose(out) == 0 ? 0 : 1;
}
