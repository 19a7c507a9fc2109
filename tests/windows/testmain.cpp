// SPDX-License-Identifier: LicenseRef-Wrenhop
// The entry of the Windows test programs. Wine sets TEMP and APPDATA from its
// own profile, so the folders of the run come in under other names.
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

void takeOver(const char* from, const char* to)
{
    if (const char* value = std::getenv(from); value && *value)
        ::_putenv_s(to, value);
}

} // namespace

int main(int argc, char** argv)
{
    takeOver("WRENHOP_TEST_TEMP", "TEMP");
    takeOver("WRENHOP_TEST_APPDATA", "APPDATA");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
