#include <gtest/gtest.h>

#include "host/registry_reader.h"

namespace zw {
namespace {

constexpr uint32_t LocalMachine = 0x80000002;
const std::string AppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\TW.EXE";

// The dialog reads the 32-bit view first, even a value that is empty there, then the 64-bit view; key paths
// and value names match whatever their case.
TEST(RegistryTable, ReadStringPrefersThe32BitViewAndIgnoresCase) {
    struct Case {
        const char* name;
        std::optional<std::string> bits32, bits64;
        std::string read;
    };
    const Case cases[] = {
        {"both views", "C:\\TW32\\TW.EXE", "C:\\TW64\\TW.EXE", "C:\\TW32\\TW.EXE"},
        {"only 64-bit", std::nullopt, "C:\\TW64\\TW.EXE", "C:\\TW64\\TW.EXE"},
        {"empty in 32-bit", "", "C:\\TW64\\TW.EXE", ""},
        {"neither", std::nullopt, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        TableRegistryReader registry;
        if (c.bits32)
            registry.Set(LocalMachine, AppPaths, "", *c.bits32, RegistryView::Bits32);
        if (c.bits64)
            registry.Set(LocalMachine, AppPaths, "", *c.bits64, RegistryView::Bits64);
        EXPECT_EQ(
            registry.ReadString(LocalMachine, "software\\MICROSOFT\\windows\\CurrentVersion\\App Paths\\tw.exe", ""),
            c.read)
            << c.name;
        EXPECT_EQ(registry.ReadString(LocalMachine + 1, AppPaths, ""), "") << c.name << ": another root key";
    }
}

} // namespace
} // namespace zw
