// SPDX-License-Identifier: LicenseRef-Wrenhop
// Incremental SHA-1 and SHA-256: OpenSSL on POSIX, the system's CNG on Windows.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace wrenhop::service {

enum class HashAlgorithm { Sha1, Sha256 };

class Hasher
{
public:
    explicit Hasher(HashAlgorithm algorithm);
    ~Hasher();
    Hasher(const Hasher&) = delete;
    Hasher& operator=(const Hasher&) = delete;

    // False when the platform could not set the hash up; update() and
    // hexDigest() then fail too.
    bool isValid() const;
    bool update(std::string_view data);
    // Lower-case hex of the digest; empty on failure. Ends the hash: call once.
    std::string hexDigest();

private:
    struct Impl;
    std::unique_ptr<Impl> mImpl;
};

// Lower-case hex of raw digest bytes.
std::string toHex(const unsigned char* bytes, std::size_t length);

} // namespace wrenhop::service
