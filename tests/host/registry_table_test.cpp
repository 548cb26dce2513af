#include <gtest/gtest.h>

#include "host/registry_reader.h"

namespace zw {
namespace {

constexpr uint32_t LocalMachine = 0x80000002;
const std::string AppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\TW.EXE";

// The dialog reads the 32-bit view first, even a value that is empty there, then the 64-bit view; key paths
// and value names match whatever their case.
TEST(RegistryTable, ReadStringPrefersThe32BitViewAndIgnoresCase) {
    TableRegistryReader registry;
    const std::string folded = "software\\MICROSOFT\\windows\\CurrentVersion\\App Paths\\tw.exe";
    registry.Set(LocalMachine, AppPaths, "", "C:\\TW64\\TW.EXE", RegistryView::Bits64);
    EXPECT_EQ(registry.ReadString(LocalMachine, folded, ""), "C:\\TW64\\TW.EXE");
    EXPECT_EQ(registry.ReadString(LocalMachine + 1, AppPaths, ""), "") << "another root key";
    registry.Set(LocalMachine, AppPaths, "", "", RegistryView::Bits32);
    EXPECT_EQ(registry.ReadString(LocalMachine, folded, ""), "");
}

} // namespace
} // namespace zw
