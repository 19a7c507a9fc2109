// SPDX-License-Identifier: LicenseRef-Wrenhop
// Built for Linux (OpenSSL) and for Windows under Wine (CNG): both must answer alike.
#include "hasher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <tuple>

using wrenhop::service::HashAlgorithm;
using wrenhop::service::Hasher;

// Fed in uneven pieces; "stream" is 1 MiB of i % 251, whose digests are
// coreutils' sha1sum and sha256sum of it. The digest ends the hash.
TEST(Hasher, MatchesKnownDigestWhateverThePieces)
{
    std::string stream(1 << 20, '\0');
    for (std::size_t i = 0; i < stream.size(); ++i)
        stream[i] = static_cast<char>(i % 251);
    const std::tuple<HashAlgorithm, std::string, const char*> rows[] = {
        {HashAlgorithm::Sha1, "", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {HashAlgorithm::Sha1, stream, "c2fc4cb20f1301a6b0dd211c19e69a13925dbe40"},
        {HashAlgorithm::Sha256, "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {HashAlgorithm::Sha256, stream, "631b84027d6b9e52b539c4e8373622d23032dfadc64d60af87339c9037e4f769"}};
    for (const auto& [algorithm, input, hex] : rows) {
        Hasher hasher(algorithm);
        ASSERT_TRUE(hasher.isValid());
        std::string_view rest = input;
        const std::size_t pieces[] = {1, 63, 64, 65, 4096, 65537};
        for (std::size_t i = 0; !rest.empty(); ++i) {
            const std::size_t piece = std::min(rest.size(), pieces[i % std::size(pieces)]);
            ASSERT_TRUE(hasher.update(rest.substr(0, piece)));
            rest.remove_prefix(piece);
        }
        EXPECT_EQ(hasher.hexDigest(), hex);
        EXPECT_TRUE(!hasher.isValid() && !hasher.update("x") && hasher.hexDigest().empty());
    }
}
