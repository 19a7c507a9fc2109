// stub
#include "systemservice.h"
#include "fileutils.h"
const std::string& SETTINGS_FILE_PATH() { static const std::string p = FileUtils::appDataPath() + "/cal.ini"; return p; }
