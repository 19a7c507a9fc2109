// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "hasher.h"

namespace wrenhop::service {

std::string toHex(const unsigned char* bytes, std::size_t length)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(length * 2);
    for (std::size_t i = 0; i < length; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0f];
    }
    return text;
}

} // namespace wrenhop::service
