// SPDX-License-Identifier: LicenseRef-Wrenhop
// Stands in for Cartaline's executable in the tests: records how it was
// started and exits. The record goes to $CARTALINE_STANDIN_RECORD, or to
// "Cartaline.record" beside the program. One block per start:
//   cwd: <working folder>
//   args: <count of arguments after the program>
//   arg: <argument>          (once per argument)
//   end
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;

    fs::path recordPath;
    if (const char* fromEnv = std::getenv("CARTALINE_STANDIN_RECORD"); fromEnv && *fromEnv)
        recordPath = fromEnv;
    else
        recordPath = fs::path(argc > 0 ? argv[0] : "").parent_path() / "Cartaline.record";

    std::error_code error;
    const fs::path cwd = fs::current_path(error);

    std::string block = "cwd: " + cwd.string() + "\n";
    block += "args: " + std::to_string(argc > 0 ? argc - 1 : 0) + "\n";
    for (int i = 1; i < argc; ++i)
        block += std::string("arg: ") + argv[i] + "\n";
    block += "end\n";

    // One write, so that a reader never sees half a block followed by "end".
    std::ofstream record(recordPath, std::ios_base::out | std::ios_base::app | std::ios_base::binary);
    record << block << std::flush;
    if (!record) {
        std::cerr << "cannot write " << recordPath.string() << '\n';
        return 1;
    }
    return 0;
}
