// SPDX-License-Identifier: LicenseRef-Wrenhop
// Wine sets TEMP and APPDATA from its own profile, so the folders of a Wine
// run come in under other names.
#include "testplatform.h"

int main(int argc, char** argv)
{
    for (const char* name : {"TEMP", "APPDATA"})
        if (const char* value = std::getenv((std::string("WRENHOP_TEST_") + name).c_str()))
            testplatform::setEnvironment(name, std::string(value));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
