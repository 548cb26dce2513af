#include <gtest/gtest.h>

#include "controls/strings.h"

namespace zw {
namespace {

TEST(StringsTest, TrimRemovesSpacesOnly) {
    EXPECT_EQ(Trim("  C:\\CDR\\NCDR.EXE  "), "C:\\CDR\\NCDR.EXE");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\tMED\n"), "\tMED\n") << "tabs and line ends are not blanks";
}

TEST(StringsTest, UCaseTurnsLettersBeyondAsciiToo) {
    EXPECT_EQ(UCase("c:\\trophy\\tw.exe"), "C:\\TROPHY\\TW.EXE");
    EXPECT_EQ(UCase("c:\\röntgen\\čába.exe"), "C:\\RÖNTGEN\\ČÁBA.EXE");
    EXPECT_EQ(UCase("÷ß"), "÷ß") << "signs and letters without a single upper case stay";
}

TEST(StringsTest, LengthsCountUtf16Units) {
    EXPECT_EQ(Len("TW.EXE"), 6);
    EXPECT_EQ(Len("Ö"), 1);
    EXPECT_EQ(Len("\xF0\x9F\x98\x80"), 2) << "a character outside the basic plane takes two units";
    EXPECT_EQ(Right("C:\\Ö\\TW.EXE", 7), "\\TW.EXE");
    EXPECT_EQ(Right("TW.EXE", 7), "TW.EXE") << "asking for more than there is gives the whole text";
    EXPECT_EQ(Left("C:\\Ö\\NCDR.EXE", 4), "C:\\Ö");
    EXPECT_EQ(Left("abc", -1), "");
    EXPECT_EQ(ToUtf8(ToUtf16("Gendex Picture \"GxPicture\" Ä€\xF0\x9F\x98\x80")),
              "Gendex Picture \"GxPicture\" Ä€\xF0\x9F\x98\x80");
}

} // namespace
} // namespace zw
