// SPDX-License-Identifier: LicenseRef-Wrenhop
// Cartaline for the restart under Wine: writes its arguments, one a line, to
// started.txt beside itself (its first argument is its path) and ends.
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    const std::string self = argv[0];
    std::ofstream out(self.substr(0, self.find_last_of("\\/") + 1) + "started.txt", std::ios::binary);
    for (int i = 1; i < argc; ++i)
        out << argv[i] << '\n';
    return out.flush() ? 0 : 1;
}
