// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopscript.h"

#include "fileutils.h"
#include "writelog.h"

#include <tinyxml2.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>

namespace wrenhop::service {

namespace {

bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// atoi's reading (blanks, sign, digits up to the first other character),
// saturating where atoi would overflow.
std::int64_t parseDecimal(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (max - digit) / 10)
            return negative ? std::numeric_limits<std::int64_t>::min() : max;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<PackageHash> parsePackageHash(std::string_view text)
{
    while (!text.empty() && isCSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isCSpace(text.back()))
        text.remove_suffix(1);
    PackageHash hash;
    if (text.empty())
        return hash;
    if (text.size() != 40 && text.size() != 64)
        return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; }))
        return std::nullopt;
    hash.algorithm = text.size() == 64 ? HashAlgorithm::Sha256 : HashAlgorithm::Sha1;
    hash.hex.resize(text.size());
    std::transform(text.begin(), text.end(), hash.hex.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return hash;
}

WrenhopScript::WrenhopScript()
{
    writeLog(LOG_INFO, "wrenhop::service::WrenhopScript::WrenhopScript", "Constructor");
}

WrenhopScript::~WrenhopScript()
{
    writeLog(LOG_INFO, "wrenhop::service::WrenhopScript::~WrenhopScript", "Destructor");
}

bool WrenhopScript::parseInfoXml(const std::string& path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(FileUtils::openFile(path, "rb"), &std::fclose);
    if (!file)
        return false;
    tinyxml2::XMLDocument document;
    if (document.LoadFile(file.get()) != tinyxml2::XML_SUCCESS)
        return false;
    writeLog(LOG_INFO, "wrenhop::service::WrenhopScript::parseInfoXml", "Loaded script from: %s", path.c_str());
    readDocument(document.FirstChildElement());
    return true;
}

bool WrenhopScript::parseInfoXmlData(std::string_view data)
{
    tinyxml2::XMLDocument document;
    if (document.Parse(data.data(), data.size()) != tinyxml2::XML_SUCCESS)
        return false;
    readDocument(document.FirstChildElement());
    return true;
}

void WrenhopScript::readDocument(const tinyxml2::XMLElement* root)
{
    if (!root)
        return;
    if (const tinyxml2::XMLElement* release = root->FirstChildElement("release"))
        mReleaseInfo = readRelease(release);
    if (const tinyxml2::XMLElement* packages = root->FirstChildElement("packages")) {
        for (const tinyxml2::XMLElement* package = packages->FirstChildElement("package"); package;
             package = package->NextSiblingElement("package"))
            mPackages.push_back(readPackage(package));
    }
    if (const tinyxml2::XMLElement* install = root->FirstChildElement("install")) {
        for (const tinyxml2::XMLElement* file = install->FirstChildElement("file"); file;
             file = file->NextSiblingElement("file"))
            mFiles.push_back(parseFile(file));
    }
}

ReleaseInfo WrenhopScript::readRelease(const tinyxml2::XMLElement* element)
{
    ReleaseInfo release;
    release.version = textOf(element, "version");
    release.date = textOf(element, "date");
    return release;
}

ScriptPackage WrenhopScript::readPackage(const tinyxml2::XMLElement* element)
{
    ScriptPackage package;
    package.name = textOf(element, "name");
    package.sha1 = textOf(element, "hash");
    package.host = textOf(element, "host");
    package.source = textOf(element, "source");
    package.platform = textOf(element, "platform");
    package.size = parseDecimal(textOf(element, "size"));
    return package;
}

ScriptFile WrenhopScript::parseFile(const tinyxml2::XMLElement* element)
{
    ScriptFile file;
    file.name = textOf(element, "name");
    file.package = textOf(element, "package");

    // "%i": decimal, 0 octal, 0x hexadecimal. strtol with base 0 reads the
    // same and, unlike sscanf, has defined behaviour on overflow.
    const std::string permissions = textOf(element, "permissions");
    std::size_t first = 0;
    while (first < permissions.size() && isCSpace(permissions[first]))
        ++first;
    if (first == permissions.size()) {
        writeLog(LOG_INFO, "wrenhop::service::WrenhopScript::parseFile", "read fail: %s", permissions.c_str());
    } else {
        const long value = std::strtol(permissions.c_str(), nullptr, 0);
        if (value > INT_MAX)
            file.permissions = INT_MAX;
        else if (value < INT_MIN)
            file.permissions = INT_MIN;
        else
            file.permissions = static_cast<int>(value);
    }

    file.linkTarget = textOf(element, "target");
    file.isMainBinary = parseBool(textOf(element, "is-main-binary"));
    file.platform = textOf(element, "platform");
    file.exec = textOf(element, "exec");
    return file;
}

std::string WrenhopScript::textOf(const tinyxml2::XMLElement* parent, const char* name)
{
    const tinyxml2::XMLElement* child = parent->FirstChildElement(name);
    if (!child)
        return {};
    const char* text = child->GetText();
    return text ? std::string(text) : std::string();
}

bool WrenhopScript::parseBool(const std::string& text)
{
    return text == "true" || parseDecimal(text) != 0;
}

} // namespace wrenhop::service
