#include "layout_table.h"

#include <algorithm>

#include "choice/bridge_rows.h"
#include "controls/control.h"

namespace zw {

namespace {

constexpr int Single = Control::NotInArray;
constexpr bool Hidden = false;
constexpr bool Disabled = false;

using T = ControlType;
using C = Parent;

// The form's own controls, in the order the form holds them. The two hidden frames lie to the right of the
// client area as designed; the run-time arrangement lays the Direct Interface frame over the Bridge frame.
const ControlDesign FormControls[] = {
    {T::TabStrip, "ts", Single, C::Form, "", 60, 60, 7215, 6180, 24},
    {T::PictureBox, "Picture1", 0, C::Form, "", 225, 510, 6885, 5535, 27},
    {T::PictureBox, "Picture1", 1, C::Form, "", 7335, 1485, 6285, 3495, 55, Hidden},
    {T::PictureBox, "Picture1", 2, C::Form, "", 7380, 180, 6285, 1155, 33, Hidden},
    {T::PictureBox, "Picture2", Single, C::Form, "", 180, 6975, 6945, 2220, 77},
    {T::CommandButton, "Command1", 0, C::Form, "&OK", 4710, 6375, 1050, 405, 25},
    {T::CommandButton, "Command1", 1, C::Form, "&Cancel", 5850, 6375, 1050, 405, 26},
    {T::Label, "Label2", 2, C::Form, "", 1620, 6375, 3075, 225, 50},
    {T::Label, "Label2", 3, C::Form, "Product Name:", 150, 5220, 1125, 225, 51},
    {T::Label, "Label2", 4, C::Form, "", 1620, 6660, 3075, 225, 53},
    {T::Label, "Label2", 5, C::Form, "Supported Version:", 180, 6360, 1365, 225, 52},
};

const ControlDesign BridgeHeading = {T::Label, "Label1", 0, C::BridgeFrame, "Radiology Software:", 105, 120,
                                     3735,     255,      32};
// Completes the caption of the XVa3 row on a line of its own; a label, so it cannot be clicked.
const ControlDesign LightyearLine = {T::Label, "Label3", Single, C::BridgeFrame, "Lightyear", 540, 3660, 1785, 255, 72};

const ControlDesign DirectControls[] = {
    {T::Label, "Prob_Label1", 2, C::DirectFrame, "Direct Interface :", 150, 120, 3735, 255, 56},
    {T::CheckBox, "DI_CheckBox1", 0, C::DirectFrame, "None", 270, 360, 2055, 315, 65},
    {T::CheckBox, "DI_CheckBox1", 1, C::DirectFrame, "Gendex - DenOptix", 270, 660, 2385, 315, 66},
    {T::CheckBox, "DI_CheckBox1", 2, C::DirectFrame, "Air Techniques - ScanX", 270, 1260, 2985, 315, 68},
    {T::CheckBox, "DI_CheckBox1", 3, C::DirectFrame, "Schick CDR - Dicom", 270, 1560, 2985, 315, 69},
    {T::CheckBox, "DI_CheckBox1", 4, C::DirectFrame, "Radiography System Visiodent - RSV", 270, 1860, 2985, 315, 70,
     Hidden, Disabled},
    {T::CheckBox, "DI_CheckBox1", 5, C::DirectFrame, "Gendex Picture \"GxPicture\"", 270, 960, 2385, 315, 67},
    {T::CheckBox, "DI_CheckBox1", 6, C::DirectFrame, "SUNI Medical Imaging Systems", 270, 2130, 2985, 315, 71, Hidden},
};

const ControlDesign ProbeControls[] = {
    {T::Label, "Prob_Label1", 0, C::ProbeFrame, "Dental Probe Software:", 150, 120, 3735, 255, 38},
    {T::Label, "Prob_Label1", 1, C::ProbeFrame, "Cmd Line : ", 1740, 720, 855, 255, 37},
    {T::OptionButton, "Prob_Option1", 0, C::ProbeFrame, "None", 270, 360, 2055, 315, 54},
    {T::OptionButton, "Prob_Option1", 1, C::ProbeFrame, "Florida Probe", 270, 660, 1275, 315, 35},
    {T::TextBox, "Prob_Text1", 0, C::ProbeFrame, "", 2535, 690, 2415, 300, 34},
    {T::CommandButton, "Prob_Command1", 0, C::ProbeFrame, "&Browse", 5025, 705, 990, 285, 36},
};

const char* const BridgeDescription =
    "The bridge interface allows you to utilize a third party imaging software with your ZELT Patient "
    "Information.  Images are both taken and stored in the third party software."
    "                     "
    "NOTE: To save images in ZELT, export them from the third party software and then import them into ZELT. "
    "Drivers and hardware must be installed on the image-acquiring computer.";

const char* const DirectDescription =
    "The Direct Interface allows you to take and store your digital x-ray images directly within ZELT.  The "
    "ZELT Imaging System eliminates the need for any additional software."
    "                "
    "NOTE: Drivers and hardware must be installed on the image-acquiring computer.";

const ControlDesign DescriptionControls[] = {
    {T::Label, "Label4", 0, C::DescriptionFrame, "Bridge:", 135, 90, 1005, 195, 78},
    {T::Label, "Label4", 1, C::DescriptionFrame, BridgeDescription, 135, 315, 6630, 825, 79},
    {T::Label, "Label4", 2, C::DescriptionFrame, "Direct Interface:", 135, 1215, 1365, 195, 80},
    {T::Label, "Label4", 3, C::DescriptionFrame, DirectDescription, 135, 1440, 6630, 645, 81},
};

// Columns of the bridge list.
constexpr float BoxLeft = 270, BoxHeight = 315;
constexpr float LabelLeft = 2520, LabelWidth = 915;
constexpr float TextLeft = 3420, TextWidth = 2415, TextHeight = 300;
constexpr float ButtonLeft = 5880, ButtonWidth = 750, ButtonHeight = 285;

constexpr int16_t None = -1;

// The Image F/X label stands 60 below its box's top, as in the other rows.
const std::vector<BridgeRowDesign> Rows = {
    {0, "None", 2055, 360, 0, 0, 0, 0, 0, 0, 0, 0},
    {1, "Trophy", 915, 660, 660, 690, 720, 1, 29, 14, 31, 225},
    {2, "Schick Technology", 1725, 960, 960, 990, 1020, 2, 57, 15, 58, 225},
    {13, "SchickTechnology - Dicom", 2265, 1260, 1260, 1290, 1320, 3, 59, 16, 60, 225},
    {4, "Dexis", 1035, 1560, 1560, 1590, 1620, 4, 39, 17, 40, 255},
    {5, "Vipersoft", 1725, 1860, 0, 0, 0, 5, 0, 0, 0, 0},
    {6, "SIDEXIS", 1035, 2160, 2160, 2190, 2220, 6, 41, 18, 42, 255},
    {7, "Gendex Imaging", 1725, 2460, 0, 0, 0, 7, 0, 0, 0, 0},
    {8, "ProImage", 1725, 2760, 0, 0, 0, 8, 0, 0, 0, 0},
    {3, "TigerView", 1035, 3060, 3060, 3090, 3120, 9, 28, 19, 30, 255},
    {9, "XVa3 (DMD), CliniVision,", 2145, 3360, 3360, 3420, 3420, 10, 43, 20, 44, 255},
    {10, "Dimaxis", 1635, 3930, 3930, 0, 3990, 11, 21, 0, 45, 255},
    {11, "Dicom Imaging", 1365, 4230, 4230, 4260, 4290, 12, 46, 22, 47, 255},
    {12, "Image F/X", 1365, 4530, 4530, 4560, 4530 + 60, 13, 49, 23, 48, 255},
    {14, "MediaDent", 2085, 4815, 4815, 4845, 4845, 61, 63, 62, 64, 255},
    {15, "OrthoCAD", 2085, 5100, 5130, 5130, 5160, 73, 75, 76, 74, 255},
};

bool IsPasswordLine(const BridgeRowDesign& row) {
    const BridgeRow* bridge = FindBridgeRow(row.box);
    return bridge != nullptr && bridge->field == RowField::Password;
}

// The Dexis and SIDEXIS rows were left enabled when the dialog was drawn; the bridge click behaviour sets
// every row's line from its check box at run time.
bool LineEnabledAtDesign(const BridgeRowDesign& row) {
    return row.box == 4 || row.box == 6;
}

bool ByIndex(const ControlDesign& a, const ControlDesign& b) {
    return a.index < b.index;
}

// The bridge list's controls, each array by increasing index: check boxes, text boxes, buttons, labels.
void AppendBridgeList(std::vector<ControlDesign>& out) {
    std::vector<ControlDesign> boxes, texts, buttons, labels;
    for (const BridgeRowDesign& row : Rows) {
        boxes.push_back({T::CheckBox, "CheckBox1", row.box, C::BridgeFrame, row.caption, BoxLeft, row.boxTop,
                         row.boxWidth, BoxHeight, row.boxTab});
        const auto [text, button] = BridgeRowControls(row.box);
        if (text == None)
            continue;
        const bool enabled = LineEnabledAtDesign(row);
        texts.push_back({T::TextBox, "Text1", text, C::BridgeFrame, "", TextLeft, row.textTop, TextWidth, TextHeight,
                         row.textTab, true, enabled});
        const char* labelCaption = IsPasswordLine(row) ? "Password : " : "Cmd Line : ";
        labels.push_back({T::Label, "Label1", text + 1, C::BridgeFrame, labelCaption, LabelLeft, row.labelTop,
                          LabelWidth, row.labelHeight, row.labelTab});
        if (button != None)
            buttons.push_back({T::CommandButton, "Command1", button, C::BridgeFrame, "&Browse", ButtonLeft,
                               row.buttonTop, ButtonWidth, ButtonHeight, row.buttonTab, true, enabled});
    }
    for (auto* list : {&boxes, &texts, &buttons, &labels})
        std::sort(list->begin(), list->end(), ByIndex);

    out.insert(out.end(), boxes.begin(), boxes.end());
    out.insert(out.end(), texts.begin(), texts.end());
    out.insert(out.end(), buttons.begin(), buttons.end());
    out.push_back(BridgeHeading);
    out.insert(out.end(), labels.begin(), labels.end());
    out.push_back(LightyearLine);
}

} // namespace

const std::vector<BridgeRowDesign>& BridgeRowDesigns() {
    return Rows;
}

std::array<int16_t, 2> BridgeRowControls(int16_t box) {
    const BridgeRow* row = FindBridgeRow(box);
    if (row == nullptr)
        return {None, None};
    return {static_cast<int16_t>(row->text), static_cast<int16_t>(row->button)};
}

std::vector<ControlDesign> DesignedControls() {
    std::vector<ControlDesign> out(std::begin(FormControls), std::end(FormControls));
    AppendBridgeList(out);
    out.insert(out.end(), std::begin(DirectControls), std::end(DirectControls));
    out.insert(out.end(), std::begin(ProbeControls), std::end(ProbeControls));
    out.insert(out.end(), std::begin(DescriptionControls), std::end(DescriptionControls));
    return out;
}

} // namespace zw
