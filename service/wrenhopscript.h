// SPDX-License-Identifier: LicenseRef-Wrenhop
// The package manifest (packageInfo.xml): release, packages and files.
#pragma once

#include "hasher.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tinyxml2 {
class XMLElement;
}

namespace wrenhop::service {

struct ReleaseInfo
{
    std::string version;
    std::string date;
};

struct ScriptPackage
{
    std::string name;
    std::string sha1;
    std::string host;
    std::string source;
    std::string platform;
    // Read the way atoi reads, but saturating instead of overflowing.
    std::int64_t size = 0;
};

struct ScriptFile
{
    std::string name;
    std::string package;
    std::string linkTarget;
    std::string platform;
    std::string exec;
    int permissions = 0;
    bool isMainBinary = false;
};

struct PackageHash
{
    HashAlgorithm algorithm = HashAlgorithm::Sha1;
    std::string hex; // lower case; empty when the package goes unchecked
};

// The manifest's hash, case and surrounding blanks ignored: 40 hex digits a
// SHA-1, 64 a SHA-256, nothing at all unchecked; nullopt for anything else.
std::optional<PackageHash> parsePackageHash(std::string_view text);

class WrenhopScript
{
public:
    WrenhopScript();
    ~WrenhopScript();
    WrenhopScript(const WrenhopScript&) = delete;
    WrenhopScript& operator=(const WrenhopScript&) = delete;

    // False when the file cannot be loaded or is not well-formed XML; the
    // model then keeps what it held. Records are appended.
    bool parseInfoXml(const std::string& path);
    // The same for a document held in memory.
    bool parseInfoXmlData(std::string_view data);

    const std::string& getVersion() const { return mReleaseInfo.version; }
    const std::string& getDate() const { return mReleaseInfo.date; }
    const ReleaseInfo& getReleaseInfo() const { return mReleaseInfo; }
    const std::vector<ScriptPackage>& getPackages() const { return mPackages; }
    const std::vector<ScriptFile>& getFiles() const { return mFiles; }

    // True for exactly "true", or when atoi of the text is not 0.
    static bool parseBool(const std::string& text);

private:
    void readDocument(const tinyxml2::XMLElement* root);
    static ReleaseInfo readRelease(const tinyxml2::XMLElement* element);
    static ScriptPackage readPackage(const tinyxml2::XMLElement* element);
    static ScriptFile parseFile(const tinyxml2::XMLElement* element);
    static std::string textOf(const tinyxml2::XMLElement* parent, const char* name);

    ReleaseInfo mReleaseInfo;
    std::vector<ScriptPackage> mPackages;
    std::vector<ScriptFile> mFiles;
};

} // namespace wrenhop::service
