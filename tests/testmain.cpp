// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "testsupport.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::useReachableFoldersAsRoot();
    QCoreApplication::setApplicationName(QStringLiteral("Wrenhop"));
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
