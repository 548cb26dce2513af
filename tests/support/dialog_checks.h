#pragma once
#include <gtest/gtest.h>

#include "dialog_harness.h"

namespace zw::test {

// For each CheckBox1 index: its Text1 box and its Browse button, -1 where the row has none. Written out here
// rather than taken from the dialog, so that a wrong row map is caught too.
inline const std::vector<std::array<int16_t, 2>> RowControls = {
    {-1, -1}, {0, 2}, {8, 7},  {1, 3}, {2, 4}, {-1, -1}, {3, 5},   {-1, -1},
    {-1, -1}, {4, 6}, {5, -1}, {6, 8}, {7, 9}, {9, 10},  {10, 11}, {11, 12}};

inline std::string Panel(const frmZWIntStp& f) {
    return f.Label2(2).Caption() + "|" + f.Label2(4).Caption();
}

// The checked bridges (B) and devices (D) and the command lines that are not empty (T), e.g. "B 3 4 D 0 T 1=[t]".
inline std::string Selection(const frmZWIntStp& f) {
    std::string s = "B";
    f.CheckBox1.ForEach([&](const CheckBox& b) { s += b.Value() == 1 ? " " + std::to_string(b.Index()) : ""; });
    s += " D";
    f.DI_CheckBox1.ForEach([&](const CheckBox& b) { s += b.Value() == 1 ? " " + std::to_string(b.Index()) : ""; });
    s += " T";
    f.Text1.ForEach([&](const TextBox& t) {
        s += t.Text().empty() ? "" : " " + std::to_string(t.Index()) + "=[" + t.Text() + "]";
    });
    return s;
}

// What must hold after every completed click, as the names of the controls that break it: in each list "None"
// is checked exactly when no other row is and the busy marker is cleared; each bridge row's box and Browse
// button are enabled exactly while the row is checked.
inline std::string ListFaults(const frmZWIntStp& f) {
    std::string faults;
    for (const ControlArray<CheckBox>* list : {&f.CheckBox1, &f.DI_CheckBox1}) {
        bool others = false;
        list->ForEach([&](const CheckBox& b) { others = others || (b.Index() != 0 && b.Value() == 1); });
        const CheckBox& none = (*list)(0);
        faults += (none.Value() == 1) != others && none.Tag().empty() ? "" : none.FullName() + " ";
    }
    for (int16_t row = 1; row < 16; ++row) {
        const auto [text, button] = RowControls[row];
        const bool on = f.CheckBox1(row).Value() == 1;
        if ((text >= 0 && f.Text1(text).Enabled() != on) || (button >= 0 && f.Command1(button).Enabled() != on))
            faults += f.CheckBox1(row).FullName() + " ";
    }
    return faults;
}

} // namespace zw::test
