// The texts handed to the "A" functions: the ANSI code page, and back to UTF-8.
#include <gtest/gtest.h>

#include <windows.h>

#include "win32/platform/ansi_text.h"

namespace zw {
namespace {

TEST(Win32AnsiText, TextOfTheCodePageComesBackAsItWent) {
    for (const std::string text : {"", "C:\\CDR\\NCDR.EXE", "C:\\R\xC3\xB6ntgen\\Z\xC3\xA4hne"})
        EXPECT_EQ(win32::FromAnsi(win32::ToAnsi(text)), text);
    if (GetACP() != CP_UTF8)
        EXPECT_NE(win32::ToAnsi("R\xC3\xB6ntgen"), "R\xC3\xB6ntgen") << "the code page's bytes, not UTF-8";
}

} // namespace
} // namespace zw
