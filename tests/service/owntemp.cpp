// SPDX-License-Identifier: LicenseRef-Wrenhop
// CTest runs the cases of one program side by side with the same TEMP; the
// download folder below it must not be shared. A child started by a case
// keeps its parent's folder.
#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace {

class OwnTemp : public testing::Environment
{
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsSet("WRENHOP_TEST_OWN_TEMP"))
            return;
        const QString base = QDir::fromNativeSeparators(qEnvironmentVariable("TEMP", QDir::tempPath()));
        mPath = base + "/run-" + QString::number(QCoreApplication::applicationPid());
        QDir().mkpath(mPath);
        qputenv("TEMP", QDir::toNativeSeparators(mPath).toLocal8Bit());
        qputenv("WRENHOP_TEST_OWN_TEMP", "1");
    }

    void TearDown() override
    {
        if (!mPath.isEmpty())
            QDir(mPath).removeRecursively();
    }

private:
    QString mPath;
};

const testing::Environment* const ownTemp = testing::AddGlobalTestEnvironment(new OwnTemp);

} // namespace
