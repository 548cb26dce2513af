#pragma once
// A started dialog on a fresh product folder with its database, for the tests of one feature each.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "e2e_harness.h"

namespace zw::e2e {

class DialogTest : public ::testing::Test {
protected:
    DialogTest() { folder.CreateDatabase(); }

    // Stores an X-ray setting for the workstation before the start.
    void StoreXray(const std::string& value) { folder.Settings().Set("INTERFACE", XrayKey, value); }
    std::optional<std::string> StoredXray() { return folder.Settings().Get("INTERFACE", XrayKey); }

    // Starts the program and waits for its dialog; a failed start ends the test with what is on screen.
    void Start(const std::wstring& arguments = {}) {
        program = std::make_unique<RunningProgram>(folder, arguments);
        if (program->WaitForDialog() == nullptr)
            throw std::runtime_error("no dialog; on screen: " + program->DescribeOpenBoxes());
    }

    // Waits for the end of the program and expects a normal one.
    void ExpectCleanExit() {
        const auto code = program->WaitForExit();
        ASSERT_TRUE(code) << "still running; on screen: " << program->DescribeOpenBoxes();
        EXPECT_EQ(*code, 0u);
    }

    ProductFolder folder;
    std::unique_ptr<RunningProgram> program;
};

} // namespace zw::e2e
