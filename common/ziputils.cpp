// stub
#include "ziputils.h"
bool isSafeEntryName(std::string_view) { return false; }
ZipUtils& ZipUtils::getInstance() { static ZipUtils z; return z; }
ZipUtils::~ZipUtils() = default;
bool ZipUtils::startUnZip(const std::string&, const std::string&, const std::string&) { return false; }
