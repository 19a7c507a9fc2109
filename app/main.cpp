// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "latencyprobe.h"
#include "registration.h"
#include "runcontext.h"
#include "startup.h"
#include "writelog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibrary>
#include <QQmlDebuggingEnabler>

#include <string>

namespace {

// Enables the QML debugging services for the engine created later.
const QQmlDebuggingEnabler qmlDebuggingEnabler(true);

// Older Windows lacks the call; there the process simply stays as it is.
void makeProcessDpiUnaware()
{
    QLibrary user32(QStringLiteral("user32.dll"));
    using SetDpiAwarenessContext = int (*)(void*);
    const auto setContext = reinterpret_cast<SetDpiAwarenessContext>(user32.resolve("SetProcessDpiAwarenessContext"));
    if (setContext)
        setContext(reinterpret_cast<void*>(-1)); // DPI_AWARENESS_CONTEXT_UNAWARE
}

} // namespace

int main(int argc, char* argv[])
{
    // Before anything else runs: Cartaline's folder exists and an empty TEMP
    // has been logged.
    const RunContext context = RunContext::ofProcess();
    const Registration<const RunContext> contextRegistration(context);
    makeProcessDpiUnaware();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setApplicationName(QStringLiteral("Wrenhop"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor"));

    QApplication app(argc, argv);

    writeLog(LOG_INFO, "main", "arg count: %d", argc);
    for (int i = 0; i < argc; ++i)
        writeLog(LOG_INFO, "main", "argv[%d]: %s", i, argv[i]);

    if (argc < 4 || std::string(argv[1]) != "Cartaline") {
        writeLog(LOG_ERROR, "main", "not executed by Cartaline");
        QCoreApplication::quit();
        return 0;
    }

    const std::string version = argv[2];
    const std::string mode = argv[3];
    const LatencyProbe latencyProbe;
    return runStartup(&app, context, version, mode);
}
