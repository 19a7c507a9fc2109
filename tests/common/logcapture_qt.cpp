// SPDX-License-Identifier: LicenseRef-Wrenhop
// The log capture over the Qt logger, whose debug output carries every line.
#include "testplatform.h"

#include <QString>
#include <QtGlobal>

#include <mutex>
#include <vector>

namespace testplatform {

namespace {

std::mutex& mutex()
{
    static std::mutex m;
    return m;
}

std::vector<std::string>& messages()
{
    static std::vector<std::string> m;
    return m;
}

QtMessageHandler& previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

void handle(QtMsgType, const QMessageLogContext&, const QString& message)
{
    const std::lock_guard<std::mutex> lock(mutex());
    messages().push_back(message.toStdString());
}

} // namespace

LogCapture::LogCapture()
{
    previousHandler() = qInstallMessageHandler(&handle);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previousHandler());
    const std::lock_guard<std::mutex> lock(mutex());
    messages().clear();
}

bool LogCapture::contains(const std::string& tag, const std::string& function, const std::string& text) const
{
    const std::lock_guard<std::mutex> lock(mutex());
    for (const std::string& message : messages()) {
        if (message.find(tag) != std::string::npos && message.find(function + " ") != std::string::npos
            && message.find(text) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace testplatform
