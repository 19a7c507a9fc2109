// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "scenecontroller.h"

#include "testsupport.h"

#include <QFile>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

const char* const kTuningScenes[] = {
    "qrc:/qml/Proc_Downloading.qml",
    "qrc:/qml/Noti_NoNetworkConnection.qml",
    "qrc:/qml/Noti_NoUpdateFile.qml",
    "qrc:/qml/Noti_UpdateStopped.qml",
    "qrc:/qml/Noti_UpdateFailRetry.qml",
};

// The one instance is shared by every case; each starts from the profile
// that the constructor leaves.
class SceneControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        c = SceneController::getInstance();
        c->setRetryHook({});
        c->setSceneQmlUrl(QString());
        c->setBrandType(0);
        c->setRegionType(0);
        c->setCurrentLanguageValue(0);
        c->setTuningSceneIndex(-1);
    }

    SceneController* c = nullptr;
};

// Every write notifies, also one that leaves the value as it was: the scenes
// rely on it to reload a scene that is already shown.
TEST_F(SceneControllerTest, EveryWriteNotifiesEvenOfTheSameValue)
{
    const QMetaObject* meta = c->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        SCOPED_TRACE(property.name());
        const QVariant value = property.read(c);
        QSignalSpy spy(c, property.notifySignal());
        ASSERT_TRUE(property.write(c, value));
        ASSERT_TRUE(property.write(c, value));
        EXPECT_EQ(spy.count(), 2);
        EXPECT_EQ(property.read(c), value);
    }
}

// One tuning step: the index it starts from, the step, the index and scene
// it must end at, and whether the scene was set. Only leaving the tuning
// mode (writing the index) signals the index.
struct TuningStep {
    const char* name;
    int startIndex;
    enum Action { Set, Next, Prev, Leave } action;
    int argument;
    int expectedIndex;
    bool sceneSet;
};

void PrintTo(const TuningStep& step, std::ostream* os)
{
    *os << step.name;
}

class TuningNavigation : public SceneControllerTest, public ::testing::WithParamInterface<TuningStep>
{
};

TEST_P(TuningNavigation, StepsWithoutWrapping)
{
    const TuningStep& step = GetParam();
    if (step.startIndex >= 0)
        c->setTuningScene(step.startIndex);
    const QString sceneBefore = c->getSceneQmlUrl();
    QSignalSpy sceneSpy(c, &SceneController::sceneQmlUrlChanged);
    QSignalSpy indexSpy(c, &SceneController::tuningSceneIndexChanged);

    switch (step.action) {
    case TuningStep::Set: c->setTuningScene(step.argument); break;
    case TuningStep::Next: c->setNextTuningScene(); break;
    case TuningStep::Prev: c->setPrevTuningScene(); break;
    case TuningStep::Leave: c->setTuningSceneIndex(-1); break;
    }

    EXPECT_EQ(c->getTuningSceneIndex(), step.expectedIndex);
    EXPECT_EQ(indexSpy.count(), step.action == TuningStep::Leave ? 1 : 0);
    EXPECT_EQ(sceneSpy.count(), step.sceneSet ? 1 : 0);
    if (step.sceneSet) {
        EXPECT_EQ(c->getSceneQmlUrl().toStdString(), kTuningScenes[step.expectedIndex]);
    } else {
        EXPECT_EQ(c->getSceneQmlUrl(), sceneBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TuningNavigation,
    ::testing::Values(TuningStep{"SetLast", 1, TuningStep::Set, 4, 4, true},
                      TuningStep{"SetPastTheEnd", 1, TuningStep::Set, 5, 1, false},
                      TuningStep{"SetNegative", 3, TuningStep::Set, -1, 3, false},
                      TuningStep{"NextStaysAtLast", 4, TuningStep::Next, 0, 4, false},
                      TuningStep{"NextWhileOff", -1, TuningStep::Next, 0, -1, false},
                      TuningStep{"PrevFromLast", 4, TuningStep::Prev, 0, 3, true},
                      TuningStep{"PrevStaysAtFirst", 0, TuningStep::Prev, 0, 0, false},
                      TuningStep{"PrevWhileOff", -1, TuningStep::Prev, 0, -1, false},
                      TuningStep{"LeaveKeepsTheScene", 3, TuningStep::Leave, 0, -1, false}),
    [](const ::testing::TestParamInfo<TuningStep>& info) { return std::string(info.param.name); });

TEST_F(SceneControllerTest, StringWidthIsZeroForEmptyTextAndGrowsWithIt)
{
    EXPECT_EQ(c->getStringWidth(QString(), 20) + c->getStringWidth(QString(), 20, true), 0);
    const int one = c->getStringWidth(QStringLiteral("Wrenhop"), 20);
    EXPECT_GT(one, 0);
    EXPECT_GT(c->getStringWidth(QStringLiteral("WrenhopWrenhop"), 20), one);
}

TEST_F(SceneControllerTest, RetryShowsTheDownloadingSceneThenRunsTheHook)
{
    c->sendRetryUpdate();
    EXPECT_EQ(c->getSceneQmlUrl().toStdString(), kTuningScenes[0]);
    c->setSceneQmlUrl(QStringLiteral("qrc:/qml/Noti_UpdateFailRetry.qml"));
    QString sceneInHook;
    int calls = 0;
    c->setRetryHook([&] {
        sceneInHook = c->getSceneQmlUrl();
        ++calls;
    });
    c->sendRetryUpdate();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(sceneInHook.toStdString(), kTuningScenes[0]);
}

// A browser stand-in first in PATH: ProcessUtils::openURL starts "xdg-open"
// through PATH, and this one appends its argument to a file.
class OpenUrl : public SceneControllerTest
{
protected:
    void SetUp() override
    {
        SceneControllerTest::SetUp();
        mRecord = mDir.file("opened.txt");
        const std::string script = mDir.file("xdg-open");
        testsupport::writeFile(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + mRecord + "'\n");
        QFile::setPermissions(QString::fromStdString(script),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeGroup
                                  | QFile::ExeOther | QFile::ReadGroup | QFile::ReadOther);
        mOldPath = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(mDir.path()) + ':' + mOldPath);
    }

    void TearDown() override
    {
        qputenv("PATH", mOldPath);
    }

    std::string opened() const
    {
        return testsupport::readFile(mRecord);
    }

    testsupport::ScratchDir mDir;
    std::string mRecord;
    QByteArray mOldPath;
};

struct UrlRow {
    const char* name;
    int urlType;
    int brand;
    int region;
    int language;
    const char* url;
};

void PrintTo(const UrlRow& row, std::ostream* os)
{
    *os << row.name;
}

class OpenUrlTable : public OpenUrl, public ::testing::WithParamInterface<UrlRow>
{
};

TEST_P(OpenUrlTable, BuildsOpensAndReturnsTheAddress)
{
    const UrlRow& row = GetParam();
    c->setBrandType(row.brand);
    c->setRegionType(row.region);
    c->setCurrentLanguageValue(row.language);

    EXPECT_EQ(c->sendOpenUrlRequest(row.urlType).toStdString(), row.url);
    if (*row.url) {
        const std::string expected = std::string(row.url) + "\n";
        for (int waited = 0; opened() != expected && waited < 30000; waited += 10)
            QTest::qWait(10);
        EXPECT_EQ(opened(), expected);
    } else {
        // Nothing to open: give a wrongly started browser time to show up.
        QTest::qWait(300);
        EXPECT_EQ(opened(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, OpenUrlTable,
    ::testing::Values(
        UrlRow{"JortelGuide", 0, 0, 0, 2, "http://www.jortel.example.com/KR/ko/updateGuide/01"},
        UrlRow{"ZevanCustomerCentre", 1, 1, 1, 0, "http://www.zevan.example.com/US/en/csCenter"},
        UrlRow{"QuorraCustomerCentre", 1, 2, 3, 12, "http://www.quorra.example.com/EU/de/csCenter"},
        UrlRow{"UnknownRegionLeavesEmptySegment", 0, 0, -1, 0, "http://www.jortel.example.com//en/updateGuide/01"},
        UrlRow{"UnknownLanguageIsNil", 1, 2, 10, 14, "http://www.quorra.example.com/IN/nil/csCenter"},
        UrlRow{"QuorraGuideArabic", 0, 2, 9, 3, "http://www.quorra.example.com/ME/ar/updateGuide/01"},
        UrlRow{"RegionAboveTableIsEmpty", 1, 1, 11, 7, "http://www.zevan.example.com//pt/csCenter"},
        UrlRow{"OtherTypeIsBareScheme", 2, 1, 4, 17, "http://"},
        UrlRow{"NegativeBrandGivesNothing", 1, -1, 0, 0, ""}),
    [](const ::testing::TestParamInfo<UrlRow>& info) { return std::string(info.param.name); });

} // namespace
