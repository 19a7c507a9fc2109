// SPDX-License-Identifier: LicenseRef-Wrenhop
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // CTest lists the tests without the environment it runs them with.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QCoreApplication::setApplicationName(QStringLiteral("Wrenhop"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor"));
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
