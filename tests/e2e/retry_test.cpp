// SPDX-License-Identifier: LicenseRef-Wrenhop
// A failed run retried as a user retries it: the program's start-up runs in
// this process, and the Retry button of the fail-and-retry notice is clicked
// in the scene once the package on the server has been repaired.
#include "appengine.h"
#include "e2esupport.h"
#include "scenecontroller.h"
#include "startup.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace managertest;

namespace {

// The button of the scene on show, once it has been laid out.
QQuickItem* visibleButton(const char* name)
{
    QObject* root = AppEngine::getInstance()->rootObject();
    QObject* loader = root ? root->findChild<QObject*>(QStringLiteral("sceneLoader")) : nullptr;
    auto* scene = loader ? qobject_cast<QQuickWindow*>(loader->property("item").value<QObject*>()) : nullptr;
    auto* button = scene ? scene->findChild<QQuickItem*>(QLatin1String(name)) : nullptr;
    return button && button->isVisible() && button->width() > 0 ? button : nullptr;
}

} // namespace

TEST(Program, RetryButtonAfterFailedDownloadUpdates)
{
    RUN_IN_OWN_INSTALLATION();
    const std::string install = installRoot();
    const std::string standIn = testsupport::readFile(CARTALINE_STANDIN);
    e2e::layOutOldRelease(install, standIn);
    const Snapshot before = snapshot(install);

    PackageServer server;
    const auto entries = e2e::newReleaseEntries(standIn);
    const std::string good = zipBytes(entries);
    std::string damaged = good;
    damaged[damaged.size() / 2] ^= 0x55;
    server.put("/files/update_win.zip", damaged);
    Manifest manifest;
    manifest.host = server.host();
    manifest.hash = sha1Hex(good);
    manifest.size = std::to_string(good.size());
    writeManifest(manifest);

    bool clicked = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (clicked || SceneController::getInstance()->getSceneQmlUrl() != "qrc:/qml/Noti_UpdateFailRetry.qml")
            return;
        QQuickItem* retry = visibleButton("confirmButton");
        if (!retry)
            return;
        server.put("/files/update_win.zip", good);
        const QPointF centre = retry->mapToScene(QPointF(retry->width() / 2, retry->height() / 2));
        QTest::mouseClick(retry->window(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
        clicked = true;
    });
    user.start(20);
    // A run that never quits fails the test instead of hanging it.
    QTimer::singleShot(90000, QCoreApplication::instance(), &QCoreApplication::quit);

    const int exitCode = runStartup(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), "2.1.0", "0");

    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(server.requests("/files/update_win.zip"), 2);
    const std::vector<std::string> trace = stateTrace();
    const auto failed = std::find(trace.begin(), trace.end(), "exit 13");
    ASSERT_NE(failed, trace.end());
    EXPECT_NE(std::find(failed, trace.end(), "run 2"), trace.end());
    EXPECT_EQ(trace.back(), "exit 10");
    EXPECT_NE(logText().find("sha1 mismatch: "), std::string::npos);
    EXPECT_NE(logText().find("SceneController::sendRetryUpdate"), std::string::npos);
    const std::vector<std::string> result = resultLogLines();
    ASSERT_EQ(result.size(), 1u);
    EXPECT_TRUE(matchesResultLine(result.front(), "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]")) << result.front();
    EXPECT_EQ(snapshot(install), e2e::withEntries(before, entries));
    EXPECT_NE(testsupport::readFile(restartRecordPath()).find("arg: Wrenhop\nend\n"), std::string::npos);
}
