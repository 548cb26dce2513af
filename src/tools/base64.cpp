#include "base64.h"

#include "command.h"

namespace zw::tool {

namespace {

const char* const Base64Digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

} // namespace

std::string Base64(const std::string& bytes) {
    std::string out;
    unsigned buffer = 0;
    int bits = 0;
    for (const char c : bytes) {
        buffer = (buffer << 8) | static_cast<unsigned char>(c);
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            out += Base64Digits[(buffer >> bits) & 0x3F];
        }
    }
    if (bits > 0)
        out += Base64Digits[(buffer << (6 - bits)) & 0x3F];
    while (out.size() % 4 != 0)
        out += '=';
    return out;
}

std::string FromBase64(const std::string& text) {
    const std::string digits = Base64Digits;
    std::string out;
    unsigned buffer = 0;
    int bits = 0;
    size_t end = text.find_last_not_of('=') + 1;
    if (text.size() % 4 != 0 || text.size() - end > 2)
        throw UsageError{"not base64"};
    for (size_t i = 0; i < end; ++i) {
        const size_t digit = digits.find(text[i]);
        if (digit == std::string::npos)
            throw UsageError{"not base64"};
        buffer = (buffer << 6) | static_cast<unsigned>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return out;
}

} // namespace zw::tool
