#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "base/text_conversion.h"

namespace zw {
namespace {

TEST(TextConversion, Utf8AndUtf16CarryTheSameCharacters) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"R\xC3\xB6ntgen \xE2\x82\xAC", u"R\u00F6ntgen \u20AC"},
        {"\xF0\x9F\x98\x80!", u"\xD83D\xDE00!"}, // past the first 65536: a surrogate pair
    };
    for (const auto& [utf8, utf16] : cases) {
        EXPECT_EQ(ToUtf16(utf8), utf16) << utf8;
        EXPECT_EQ(ToUtf8(utf16), utf8) << utf8;
    }
}

TEST(TextConversion, BadBytesBecomeTheReplacementCharacterAndLoneSurrogatesSurvive) {
    EXPECT_EQ(ToUtf16("a\x80z"), u"a\uFFFDz") << "a stray continuation byte";
    EXPECT_EQ(ToUtf16("a\xC3"), u"a\uFFFD") << "a sequence cut short";
    EXPECT_EQ(ToUtf16("\xE2\x82z"), u"\uFFFDz");
    const std::u16string lone[] = {u"\xD83D", u"x\xDE00y", u"\xDE00\xD83D"};
    for (const auto& text : lone)
        EXPECT_EQ(ToUtf16(ToUtf8(text)), text);
}

#ifdef _WIN32
// The wide strings of the Win32 API get the same conversion (the way back is the same code as ToUtf8's), and
// agree with the system's for valid text.
TEST(TextConversion, WideTextAgreesWithTheSystemsConversion) {
    for (const std::string utf8 : {"", "Z\xC3\xA4hne", "\xF0\x9F\x98\x80 C:\\R\xC3\xB6ntgen"}) {
        std::wstring system(utf8.size(), L'\0');
        system.resize(
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), system.data(), int(system.size())));
        EXPECT_EQ(WideFromUtf8(utf8), system) << utf8;
    }
}
#endif

} // namespace
} // namespace zw
