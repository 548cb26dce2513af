#pragma once
#include <cstdint>
#include <vector>

#include "controls/control_type.h"

namespace zw {

// Where a designed control stands: on the form or inside one of the four frames.
enum class Parent { Form, BridgeFrame, DirectFrame, ProbeFrame, DescriptionFrame };

// One designed control: what it is, where it stands (twips, relative to its container), its tab order
// and its state as the dialog is drawn before anything runs.
struct ControlDesign {
    ControlType type;
    const char* name;
    int index; // Control::NotInArray for a single control
    Parent parent;
    const char* caption; // caption, or text for a text box
    float left, top, width, height;
    int tabIndex;
    bool visible = true;
    bool enabled = true;
};

// One line of the bridge list. A row without a command line has no text box, label or button (-1);
// the Dimaxis row has a password box and no button. The label of Text1(t) is always Label1(t + 1).
struct BridgeRowDesign {
    int16_t box;
    const char* caption;
    float boxWidth;
    int16_t text;
    int16_t button;
    float boxTop, textTop, buttonTop, labelTop;
    int boxTab, textTab, buttonTab, labelTab;
    float labelHeight;
};

// The bridge rows from top to bottom.
const std::vector<BridgeRowDesign>& BridgeRows();

// Every control of the dialog in creation order: containers before their children, each container's
// children in the order the form lists them, array elements by increasing index.
std::vector<ControlDesign> DesignedControls();

// The Text1 index of Dimaxis' password box, which shows "*" and has no input method editor.
constexpr int16_t PasswordTextIndex = 5;

} // namespace zw
