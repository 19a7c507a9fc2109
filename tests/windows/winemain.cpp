// SPDX-License-Identifier: LicenseRef-Wrenhop
// Wine sets TEMP and APPDATA from its own profile, so the folders of a Wine
// run come in under other names.
#include "fileutils.h"
#include "testplatform.h"

// The Windows tests' own: the wide call, since values are UTF-8 and may lie
// outside the code page; an empty value removes the variable.
void testplatform::setEnvironment(const std::string& name, const std::optional<std::string>& value)
{
    ::_wputenv_s(FileUtils::utf8ToWide(name).c_str(), value ? FileUtils::utf8ToWide(*value).c_str() : L"");
}

int main(int argc, char** argv)
{
    for (const char* name : {"TEMP", "APPDATA"})
        if (const char* value = std::getenv((std::string("WRENHOP_TEST_") + name).c_str()))
            testplatform::setEnvironment(name, std::string(value));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
