#include <gtest/gtest.h>

#include "base/strings.h"

namespace zw {
namespace {

TEST(StringsTest, BehaveAsTheRunTimesStringFunctions) {
    EXPECT_EQ(Trim("  C:\\CDR\\NCDR.EXE  "), "C:\\CDR\\NCDR.EXE");
    EXPECT_EQ(Trim("\tMED\n"), "\tMED\n") << "only blanks are trimmed";
    EXPECT_EQ(UCase("c:\\röntgen\\čába\\tw.exe"), "C:\\RÖNTGEN\\ČÁBA\\TW.EXE");
    EXPECT_EQ(Len("\xF0\x9F\x98\x80Ö"), 3) << "lengths count UTF-16 units";
    EXPECT_EQ(Right("C:\\Ö\\TW.EXE", 7), "\\TW.EXE");
    EXPECT_EQ(Right("TW.EXE", 7), "TW.EXE");
    EXPECT_EQ(Left("C:\\Ö\\NCDR.EXE", 4), "C:\\Ö");
}

} // namespace
} // namespace zw
