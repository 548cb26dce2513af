#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/check_box.h"
#include "controls/command_button.h"
#include "controls/control_array.h"
#include "controls/form.h"
#include "controls/label.h"
#include "controls/option_button.h"
#include "controls/picture_box.h"
#include "controls/tab_strip.h"
#include "controls/text_box.h"
#include "platform/platform.h"

namespace zw {

// The interface setup dialog. Its controls are public so that the view and the tests reach them by name
// and index, as the dialog's own procedures do. The event procedures and private procedures are defined
// in the files named after what they do (layout, arrangement, bridge selection, ...).
class frmZWIntStp : public Form {
public:
    frmZWIntStp(Platform& platform, const Screen& screen, const FrameMetrics& frameMetrics,
                const TabClientMetrics& tabMetrics);
    ~frmZWIntStp() override;

    // Form-level controls.
    TabStrip* ts = nullptr;
    ControlArray<PictureBox> Picture1;    // 0 Bridge frame, 1 Direct Interface frame, 2 probe frame
    PictureBox* Picture2 = nullptr;       // description frame
    ControlArray<CommandButton> Command1; // 0 OK, 1 Cancel, 2..12 Browse
    ControlArray<Label> Label2;           // 2..5 product information panel

    // The bridge list, in Picture1(0).
    ControlArray<CheckBox> CheckBox1; // 0..15
    ControlArray<TextBox> Text1;      // 0..11
    ControlArray<Label> Label1;       // 0..12
    Label* Label3 = nullptr;          // "Lightyear"

    // The direct-interface list, in Picture1(1); the probe frame, in Picture1(2).
    ControlArray<CheckBox> DI_CheckBox1; // 0..6
    ControlArray<Label> Prob_Label1;     // 0..2
    ControlArray<OptionButton> Prob_Option1;
    ControlArray<TextBox> Prob_Text1;
    ControlArray<CommandButton> Prob_Command1;

    // The description frame's labels, in Picture2.
    ControlArray<Label> Label4; // 0..3

    // For each CheckBox1 index: the Text1 index and the Command1 index of the row, -1 where it has none.
    std::vector<std::array<int16_t, 2>> BridgeRowMap;

    // Event procedures.
    void Form_Initialize();
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(int& Cancel, UnloadMode mode);
    void Form_Unload(int& Cancel);
    void Form_Terminate();

    void CheckBox1_Click(int16_t Index);
    void CheckBox1_GotFocus(int16_t Index);
    void DI_CheckBox1_Click(int16_t Index);
    void DI_CheckBox1_GotFocus(int16_t Index);
    void ts_Click();
    void Command1_Click(int16_t Index);
    void Prob_Option1_Click(int16_t Index);
    void Prob_Command1_Click(int16_t Index);

    // Procedures that other parts of the dialog and the tests call.
    void BuildBridgeRowMap();
    void ShowProductInfo(int16_t ListKind, int16_t Index);
    void LoadInterfaceSettings();
    bool ValidateAndSave();
    std::string ReadDentxMainFile();
    std::string FindProgramInFolder(const std::vector<std::string>& names, const std::string& folder);
    void BrowseForProgram(TextBox& target, const std::vector<std::string>& names, std::string& defaultFolder,
                          const std::string& secondFolder);
    // The Browse buttons Command1(2) to Command1(12): the row's names and folders, then BrowseForProgram.
    void RunBrowseButton(int16_t Index);

    Platform& GetPlatform() const { return platform_; }

    // The environment component, from Form_Initialize to Form_Terminate; RuntimeError 91 when it holds none.
    EnvironmentComponent& Environment() const;

protected:
    void OnInitialize() override { Form_Initialize(); }
    void OnLoad() override { Form_Load(); }
    void OnActivate() override { Form_Activate(); }
    void OnQueryUnload(int& cancel, UnloadMode mode) override { Form_QueryUnload(cancel, mode); }
    void OnUnload(int& cancel) override { Form_Unload(cancel); }
    void OnTerminate() override { Form_Terminate(); }

private:
    // The designed controls with their captions, positions, tab order and fonts.
    void CreateControls(const TabClientMetrics& tabMetrics);
    // Hooks every control's events to the event procedures above.
    void WireEvents();
    // The run-time arrangement: the standard one, the compact one of MED mode, the placing on the screen.
    void ArrangeStandard();
    void ArrangeCompact();
    void PlaceOnScreen();
    // Creates the component through the platform's factory and makes its initialisation calls; does nothing
    // when the form already holds one. ReleaseEnvironment lets it go.
    void CreateEnvironment();
    void ReleaseEnvironment();

    Platform& platform_;
    // The dialog's one reference to the environment component: empty at start, set once while the dialog
    // initialises, emptied again when it terminates (or when the form goes away after a failure).
    std::unique_ptr<EnvironmentComponent> gEnvironment;
    // The single controls (ts, Picture2, Label3); the arrays own their elements.
    std::vector<std::unique_ptr<Control>> singleControls_;
};

} // namespace zw
