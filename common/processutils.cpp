// stub
#include "processutils.h"
namespace ProcessUtils {
int runWindows(const std::string&, const std::vector<std::string>&, bool) { return -8; }
int runWindows(const std::string& p, const std::vector<std::string>& a) { return runWindows(p, a, true); }
std::string buildCommandLine(const std::vector<std::string>&) { return {}; }
void openURL(const std::string&) {}
}
