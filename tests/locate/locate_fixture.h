#pragma once
#include <string>

#include "fakes/dialog_harness.h"

namespace zw::test {

// The dialog on fakes with every bridge row's box holding a marker, so that a test sees which box a
// Browse press wrote to.
struct LocateHarness : DialogHarness {
    static constexpr const char* Untouched = "<untouched>";

    LocateHarness() {
        F().Text1.ForEach([](TextBox& box) { box.SetText(Untouched); });
    }
    FakeShell& Shell() { return fakes.shell; }
    FakeMessageBoxes& Boxes() { return fakes.messageBoxes; }
};

} // namespace zw::test
