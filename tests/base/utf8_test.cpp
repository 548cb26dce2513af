#include <gtest/gtest.h>

#include "base/utf8.h"

namespace zw {
namespace {

// Each malformed sequence, and a well-formed one at each edge of Unicode's table; ShownUtf8 puts one U+FFFD for
// each byte that belongs to no well-formed character.
TEST(Utf8, RefusesEveryMalformedSequenceAndReplacesItsBytes) {
    const std::string fffd = "\xEF\xBF\xBD";
    const struct {
        const char* what;
        std::string bytes;
        bool valid;
        std::string shown;
    } cases[] = {
        {"ASCII and controls", std::string("a\0\x7f", 3), true, std::string("a\0\x7f", 3)},
        {"U+D7FF and U+E000 beside the surrogates", "\xED\x9F\xBF\xEE\x80\x80", true, "\xED\x9F\xBF\xEE\x80\x80"},
        {"U+10FFFF", "\xF4\x8F\xBF\xBF", true, "\xF4\x8F\xBF\xBF"},
        {"encoded surrogate U+D800", "a\xED\xA0\x80", false, "a" + fffd + fffd + fffd},
        {"overlong slash", "\xC0\xAF", false, fffd + fffd},
        {"overlong three bytes", "\xE0\x80\xAF", false, fffd + fffd + fffd},
        {"overlong four bytes", "\xF0\x80\x80\xAF", false, fffd + fffd + fffd + fffd},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false, fffd + fffd + fffd + fffd},
        {"F5 and beyond", "\xF5\x80\x80\x80", false, fffd + fffd + fffd + fffd},
        {"cut short at the end", "ab\xE2\x88", false, "ab" + fffd + fffd},
        {"stray continuation", "\x80\xC3\xA4", false, fffd + "\xC3\xA4"},
        {"Latin-1", "Z\xe4hne", false, "Z" + fffd + "hne"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsUtf8(c.bytes), c.valid) << c.what;
        EXPECT_EQ(ShownUtf8(c.bytes), c.shown) << c.what;
    }
}

} // namespace
} // namespace zw
