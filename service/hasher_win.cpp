// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "hasher.h"

#include <windows.h>

#include <bcrypt.h>

#include <algorithm>
#include <vector>

namespace wrenhop::service {

namespace {

struct ProviderClose {
    void operator()(BCRYPT_ALG_HANDLE provider) const { BCryptCloseAlgorithmProvider(provider, 0); }
};
struct HashDestroy {
    void operator()(BCRYPT_HASH_HANDLE hash) const { BCryptDestroyHash(hash); }
};

bool succeeded(NTSTATUS status)
{
    return status >= 0;
}

} // namespace

struct Hasher::Impl {
    std::unique_ptr<void, ProviderClose> provider;
    // The hash object lives in memory we own; it must outlive the hash handle,
    // hence declared before it.
    std::vector<UCHAR> object;
    std::unique_ptr<void, HashDestroy> hash;
    ULONG digestLength = 0;
    bool valid = false;
};

Hasher::Hasher(HashAlgorithm algorithm)
    : mImpl(std::make_unique<Impl>())
{
    BCRYPT_ALG_HANDLE provider = nullptr;
    const wchar_t* name = algorithm == HashAlgorithm::Sha256 ? BCRYPT_SHA256_ALGORITHM : BCRYPT_SHA1_ALGORITHM;
    if (!succeeded(BCryptOpenAlgorithmProvider(&provider, name, nullptr, 0)))
        return;
    mImpl->provider.reset(provider);

    DWORD objectLength = 0;
    ULONG written = 0;
    if (!succeeded(BCryptGetProperty(provider, BCRYPT_OBJECT_LENGTH, reinterpret_cast<PUCHAR>(&objectLength),
                                     sizeof objectLength, &written, 0))
        || !succeeded(BCryptGetProperty(provider, BCRYPT_HASH_LENGTH, reinterpret_cast<PUCHAR>(&mImpl->digestLength),
                                        sizeof mImpl->digestLength, &written, 0)))
        return;
    mImpl->object.resize(objectLength);

    BCRYPT_HASH_HANDLE hash = nullptr;
    if (!succeeded(BCryptCreateHash(provider, &hash, mImpl->object.data(), objectLength, nullptr, 0, 0)))
        return;
    mImpl->hash.reset(hash);
    mImpl->valid = true;
}

Hasher::~Hasher() = default;

bool Hasher::isValid() const
{
    return mImpl->valid;
}

bool Hasher::update(std::string_view data)
{
    // CNG takes a ULONG length: larger blocks go in pieces.
    constexpr std::size_t maxPiece = 0x40000000;
    while (mImpl->valid && !data.empty()) {
        const std::size_t piece = std::min(data.size(), maxPiece);
        auto bytes = reinterpret_cast<PUCHAR>(const_cast<char*>(data.data()));
        if (!succeeded(BCryptHashData(mImpl->hash.get(), bytes, static_cast<ULONG>(piece), 0)))
            mImpl->valid = false;
        data.remove_prefix(piece);
    }
    return mImpl->valid;
}

std::string Hasher::hexDigest()
{
    if (!mImpl->valid)
        return {};
    mImpl->valid = false;
    std::vector<unsigned char> digest(mImpl->digestLength);
    if (!succeeded(BCryptFinishHash(mImpl->hash.get(), digest.data(), mImpl->digestLength, 0)))
        return {};
    return toHex(digest.data(), digest.size());
}

} // namespace wrenhop::service
