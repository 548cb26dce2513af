#pragma once
#include <array>
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

// Where one line of the bridge list stands. Which text box and Browse button a line has comes from the bridge
// rows (choice/bridge_rows.h): a row without a command line has no text box, label or button; the Dimaxis row
// has a password box and no button. The label of Text1(t) is always Label1(t + 1).
struct BridgeRowDesign {
    int16_t box; // CheckBox1 index
    const char* caption;
    float boxWidth;
    float boxTop, textTop, buttonTop, labelTop;
    int boxTab, textTab, buttonTab, labelTab;
    float labelHeight;
};

// The bridge list's lines from top to bottom, None first.
const std::vector<BridgeRowDesign>& BridgeRowDesigns();

// The Text1 and Command1 indexes of a CheckBox1 line, -1 where it has none: the bridge row's.
std::array<int16_t, 2> BridgeRowControls(int16_t box);

// Every control of the dialog in creation order: containers before their children, each container's
// children in the order the form lists them, array elements by increasing index.
std::vector<ControlDesign> DesignedControls();

} // namespace zw
