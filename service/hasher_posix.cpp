// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "hasher.h"

#include <openssl/evp.h>

namespace wrenhop::service {

struct Hasher::Impl {
    struct ContextFree {
        void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
    };
    std::unique_ptr<EVP_MD_CTX, ContextFree> context{EVP_MD_CTX_new()};
    bool valid = false;
};

Hasher::Hasher(HashAlgorithm algorithm)
    : mImpl(std::make_unique<Impl>())
{
    const EVP_MD* md = algorithm == HashAlgorithm::Sha256 ? EVP_sha256() : EVP_sha1();
    mImpl->valid = mImpl->context && EVP_DigestInit_ex(mImpl->context.get(), md, nullptr) == 1;
}

Hasher::~Hasher() = default;

bool Hasher::isValid() const
{
    return mImpl->valid;
}

bool Hasher::update(std::string_view data)
{
    if (mImpl->valid && EVP_DigestUpdate(mImpl->context.get(), data.data(), data.size()) != 1)
        mImpl->valid = false;
    return mImpl->valid;
}

std::string Hasher::hexDigest()
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!mImpl->valid || EVP_DigestFinal_ex(mImpl->context.get(), digest, &length) != 1)
        return {};
    mImpl->valid = false;
    return toHex(digest, length);
}

} // namespace wrenhop::service
