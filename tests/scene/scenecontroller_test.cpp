// SPDX-License-Identifier: LicenseRef-Wrenhop
// The one instance is shared by every case; each sets what it reads.
#include "scenecontroller.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

// The scene actions in sequence from the tuning mode off: no tuning step
// wraps around, indices out of range change nothing, only leaving the mode
// signals the index, and a retry shows the downloading scene before the run
// starts again.
TEST(SceneController, SceneActionsInSequence)
{
    enum Action { Set, Next, Prev, Leave, Retry };
    const std::tuple<Action, int, int, int> steps[] = { // the argument, the index after, the tuning scene or -1: unchanged
        {Next, 0, -1, -1}, {Prev, 0, -1, -1}, {Set, 5, -1, -1}, {Set, -1, -1, -1}, {Set, 4, 4, 4},  {Next, 0, 4, -1},
        {Prev, 0, 3, 3},   {Retry, 0, 3, 0},  {Set, 0, 0, 0},   {Prev, 0, 0, -1},   {Next, 0, 1, 1}, {Leave, 0, -1, -1},
    };
    SceneController* const c = SceneController::getInstance();
    QString sceneAtRetry;
    c->setRetryHook([&] { sceneAtRetry = c->getSceneQmlUrl(); });
    c->setTuningSceneIndex(-1);
    for (const auto& [action, argument, index, scene] : steps) {
        const QString before = c->getSceneQmlUrl();
        QSignalSpy sceneSpy(c, &SceneController::sceneQmlUrlChanged);
        QSignalSpy indexSpy(c, &SceneController::tuningSceneIndexChanged);
        switch (action) {
        case Set: c->setTuningScene(argument); break;
        case Next: c->setNextTuningScene(); break;
        case Prev: c->setPrevTuningScene(); break;
        case Leave: c->setTuningSceneIndex(-1); break;
        case Retry: c->sendRetryUpdate(); break;
        }
        EXPECT_EQ(c->getTuningSceneIndex(), index) << "action " << action << " to " << argument;
        EXPECT_EQ(indexSpy.count(), action == Leave ? 1 : 0);
        EXPECT_EQ(sceneSpy.count(), scene < 0 ? 0 : 1);
        EXPECT_EQ(c->getSceneQmlUrl(), scene < 0 ? before : c->tuningSceneQmlUrls()[scene]);
    }
    c->setRetryHook({});
    EXPECT_EQ(sceneAtRetry, QStringLiteral("qrc:/qml/Proc_Downloading.qml"));
}

// The address of each page as the brand, region and language index give it,
// every code of the region and language tables among them.
TEST(SceneController, OpenUrlRequestBuildsTheBrandsAddress)
{
    // No browser in PATH: nothing is opened here.
    SceneController* const c = SceneController::getInstance();
    qputenv("PATH", "");
    const auto url = [c](int urlType, int brand, int region, int language) {
        c->setBrandType(brand);
        c->setRegionType(region);
        c->setCurrentLanguageValue(language);
        return c->sendOpenUrlRequest(urlType).toStdString();
    };
    // From index -1 on.
    const char* const regions[] = {"", "KR", "US", "CA", "EU", "RU", "TR", "AU", "NZ", "BR", "ME", "IN", ""};
    for (int region = -1; region <= 11; ++region)
        EXPECT_EQ(url(1, 1, region, 0),
                  std::string("http://www.zevan.example.com/") + regions[region + 1] + "/en/csCenter");
    const char* const languages[] = {"nil", "en", "e1", "ko", "ar", "es",  "e2",  "pt",  "pt", "f1",  "fr",  "nil",
                                     "nil", "de", "it", "nil", "nil", "nil", "ru", "nil", "nil", "nil", "tr", "nil"};
    for (int language = -1; language <= 22; ++language)
        EXPECT_EQ(url(0, 2, 3, language),
                  std::string("http://www.quorra.example.com/EU/") + languages[language + 1] + "/updateGuide/01");
    // Another page type is the bare scheme; a brand outside the table has no page.
    EXPECT_EQ(url(2, 1, 4, 17), "http://");
    EXPECT_EQ(url(0, 3, 0, 0), "");
}
