// stub: replaced by the file utilities
#include "fileutils.h"
namespace FileUtils {
IOException::IOException(int code, std::string message) : mMessage(std::move(message)), mCode(code) {}
IOException::IOException(std::string message) : mMessage(std::move(message)), mCode(0) {}
const char* IOException::what() const noexcept { return mMessage.c_str(); }
int IOException::code() const noexcept { return mCode; }
struct DirectoryIterator::Impl {};
DirectoryIterator::DirectoryIterator(std::string) {}
DirectoryIterator::~DirectoryIterator() = default;
bool DirectoryIterator::next() { return false; }
std::string DirectoryIterator::name() const { return {}; }
std::string DirectoryIterator::path() const { return {}; }
bool DirectoryIterator::isDirectory() const { return false; }
void copyFile(const std::string&, const std::string&) {}
void rename(const std::string&, const std::string&) {}
void replaceFile(const std::string&, const std::string&) {}
void createDirectory(const std::string&) {}
void createDirectories(const std::string&) {}
void removeFile(const std::string&) {}
void removeDirectory(const std::string&) {}
void removeDirectoryAndFiles(const std::string&) {}
bool exists(const std::string&) { return false; }
std::string fileName(const std::string&) { return {}; }
std::string currentDirectory() { return {}; }
std::string tempPath() { return {}; }
std::string appDataPath() { return {}; }
std::string utf8ToLocal(const std::string& t) { return t; }
std::string localToUtf8(std::string t) { return t; }
std::wstring utf8ToWide(const std::string&) { return {}; }
std::string toForwardSlashes(std::string p) { return p; }
}
