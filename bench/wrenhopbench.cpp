// SPDX-License-Identifier: LicenseRef-Wrenhop
// Times one piece of the update on its own and prints the seconds it took:
//   wrenhop-bench download HOST SOURCE SHA1 SIZE   (into $TEMP/CaL, checked)
//   wrenhop-bench extract ZIP DESTINATION
// The download is the service's own, started as the state machine starts it;
// the extraction is ZipUtils::startUnZip alone.
#include "fileutils.h"
#include "wrenhopservice.h"
#include "ziputils.h"

#include <QCoreApplication>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for the download's last report: 4 on success, 12 or 13 on failure.
class FinalState : public wrenhop::service::IWrenhopService
{
public:
    void onStateChanged(const int& state, double) override
    {
        if (state == wrenhop::service::STATE_DOWNLOAD_PROGRESS)
            return;
        const std::lock_guard<std::mutex> lock(mMutex);
        mState = state;
        mDone.notify_all();
    }

    int wait()
    {
        std::unique_lock<std::mutex> lock(mMutex);
        mDone.wait(lock, [this] { return mState != 0; });
        return mState;
    }

private:
    std::mutex mMutex;
    std::condition_variable mDone;
    int mState = 0;
};

int download(const std::string& host, const std::string& source, const std::string& sha1, const std::string& size)
{
    wrenhop::service::WrenhopService service(RunContext::ofProcess());
    FileUtils::createDirectories(service.getDownloadDirPath());
    std::ofstream(service.getDownloadDirPath() + "/" + service.getManifestFileName())
        << "<update><release><version>1</version><date>-</date></release><packages><package>"
           "<name>bench</name><hash>" << sha1 << "</hash><host>" << host << "</host><source>" << source
        << "</source><platform>windows</platform><size>" << size << "</size></package></packages></update>\n";
    FinalState listener;
    service.setListener(&listener);
    service.initialize();
    if (!service.findScriptPackageFromXml())
        return 2;
    const auto start = Clock::now();
    service.runDownloadThread();
    const int state = listener.wait();
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    service.waitForWorkers();
    service.setListener(nullptr);
    if (state != wrenhop::service::STATE_DOWNLOAD_COMPLETE) {
        std::fprintf(stderr, "download ended in state %d\n", state);
        return 1;
    }
    std::printf("%.6f\n", elapsed.count());
    return 0;
}

int extract(const std::string& zip, const std::string& destination)
{
    const auto start = Clock::now();
    const bool done = ZipUtils::getInstance().startUnZip(zip, destination, std::string());
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    if (!done) {
        std::fprintf(stderr, "startUnZip failed\n");
        return 1;
    }
    std::printf("%.6f\n", elapsed.count());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "download" && argc == 6)
        return download(argv[2], argv[3], argv[4], argv[5]);
    if (command == "extract" && argc == 4)
        return extract(argv[2], argv[3]);
    std::fprintf(stderr, "usage: %s download HOST SOURCE SHA1 SIZE | extract ZIP DESTINATION\n", argv[0]);
    return 2;
}
