#pragma once
#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "controls/check_box.h"
#include "controls/command_button.h"
#include "controls/form.h"
#include "controls/label.h"
#include "controls/option_button.h"
#include "controls/picture_box.h"
#include "controls/tab_strip.h"
#include "controls/text_box.h"
#include "win32/view_form_view.h"

namespace zw::test {

// A small form with one control of every kind, named like the dialog's so that they get its control ids,
// in two frames laid over a tab strip. Its events are recorded.
class ViewTestForm : public Form {
public:
    ViewTestForm(const Screen& screen, const FrameMetrics& frame, const TabClientMetrics& tabs)
        : Form("frmViewTest", screen, frame) {
        SetCaption("View Test");
        Move(1500, 1200, 6000 + frame.NonClientWidth(), 4500 + frame.NonClientHeight());
        tabStrip = Add<TabStrip>(this, "ts", Control::NotInArray, 60, 60, 5800, 3000);
        tabStrip->AddTab("&Bridge", "Bridge");
        tabStrip->AddTab("Direct &Interface", "Direct");
        tabStrip->SetClientMetrics(&tabs);
        frameA = Add<PictureBox>(this, "Picture1", 0, 120, 420, 5600, 2500);
        frameB = Add<PictureBox>(this, "Picture1", 1, 120, 420, 5600, 2500);
        frameB->SetVisible(false);
        boxA = Add<CheckBox>(frameA, "CheckBox1", 0, 270, 360, 2055, 315, "None");
        boxB = Add<CheckBox>(frameA, "CheckBox1", 1, 270, 660, 915, 315, "Trophy");
        text = Add<TextBox>(frameA, "Text1", 0, 3420, 660, 2415, 300);
        password = Add<TextBox>(frameA, "Text1", 5, 3420, 1000, 2415, 300);
        password->SetPasswordChar("*");
        password->SetImeDisabled(true);
        option0 = Add<OptionButton>(frameB, "Prob_Option1", 0, 270, 360, 2055, 315, "None");
        option1 = Add<OptionButton>(frameB, "Prob_Option1", 1, 270, 660, 1275, 315, "Florida Probe");
        label = Add<Label>(this, "Label2", 3, 150, 3200, 1125, 225, "Product Name:");
        ok = Add<CommandButton>(this, "Command1", 0, 4710, 3300, 1050, 405, "&OK");
        cancel = Add<CommandButton>(this, "Command1", 1, 5850, 3300, 1050, 405, "&Cancel");
        cancel->SetCancel(true);
        extra = Add<Label>(this, "Extra", Control::NotInArray, 150, 3600, 1000, 225, "extra");

        // Tab order crosses containers: the second box is followed by the OK button on the form.
        const std::pair<Control*, int> order[] = {{boxA, 0},     {boxB, 1},     {ok, 2},      {cancel, 3}, {text, 4},
                                                  {password, 5}, {tabStrip, 6}, {option0, 7}, {option1, 8}};
        for (auto [control, index] : order)
            control->SetTabIndex(index);

        auto record = [this](const char* what) { return [this, what] { events.push_back(what); }; };
        boxA->Click = record("boxA.Click");
        boxB->Click = record("boxB.Click");
        boxA->GotFocus = record("boxA.GotFocus");
        boxB->GotFocus = record("boxB.GotFocus");
        option0->Click = record("option0.Click");
        option1->Click = record("option1.Click");
        ok->Click = record("ok.Click");
        cancel->Click = [this] {
            events.push_back("cancel.Click");
            Unload(UnloadMode::FormCode);
        };
        tabStrip->Click = [this] { events.push_back("ts.Click " + std::to_string(tabStrip->SelectedTab())); };
    }

    TabStrip* tabStrip;
    PictureBox* frameA;
    PictureBox* frameB;
    CheckBox* boxA;
    CheckBox* boxB;
    TextBox* text;
    TextBox* password;
    OptionButton* option0;
    OptionButton* option1;
    Label* label;
    CommandButton* ok;
    CommandButton* cancel;
    Label* extra;

    std::vector<std::string> events;
    std::vector<UnloadMode> unloadModes;
    int cancelUnload = 0;

protected:
    void OnQueryUnload(int& cancelIt, UnloadMode mode) override {
        unloadModes.push_back(mode);
        cancelIt = cancelUnload;
    }

private:
    template <typename T>
    T* Add(Control* container, const char* name, int index, float left, float top, float width, float height,
           const char* caption = nullptr) {
        auto control = std::make_unique<T>(this, container, name, index);
        control->Move(left, top, width, height);
        if constexpr (requires { control->SetCaption(""); })
            if (caption != nullptr)
                control->SetCaption(caption);
        T* raw = control.get();
        owned_.push_back(std::move(control));
        return raw;
    }

    std::vector<std::unique_ptr<Control>> owned_;
};

// The view and the test form at one DPI, attached, loaded and shown. The view goes first (the form reads
// its metrics) and is detached before the form goes away.
struct AttachedView {
    explicit AttachedView(int dpi)
        : screen(Screen::FromPixels(1024, 768, dpi, dpi)), view(dpi),
          form(screen, view.GetFrameMetrics(), view.GetTabClientMetrics()) {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        view.AttachForm(form);
        form.Load();
    }
    ~AttachedView() { view.Detach(); }
    AttachedView(const AttachedView&) = delete;
    AttachedView& operator=(const AttachedView&) = delete;

    HWND Window(const Control& control) const { return view.WindowOf(control); }
    // Shows the form and handles what the showing posted (the first focus), as the program's loop would.
    void Show() {
        form.Show();
        Pump();
    }
    void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // Where the window lies inside its parent's client area, in pixels.
    static RECT RectInParent(HWND window) {
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    Screen screen;
    Win32FormView view;
    ViewTestForm form;
};

} // namespace zw::test
