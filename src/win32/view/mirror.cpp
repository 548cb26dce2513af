// Copying every change of the model to the windows.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "base/startup_trace.h"
#include "base/text_conversion.h"
#include "controls/check_box.h"
#include "controls/form.h"
#include "controls/option_button.h"
#include "controls/tab_strip.h"
#include "form_view.h"
#include "messages.h"
#include "window_util.h"

namespace zw {

namespace {

struct Applying {
    int& depth;
    explicit Applying(int& d) : depth(d) { ++depth; }
    ~Applying() { --depth; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;
};

} // namespace

void Win32FormView::PropertyChanged(Control& control, Property property) {
    if (form_ == nullptr)
        return;
    if (&control == form_) {
        MirrorFormProperty(property);
        return;
    }
    HWND window = WindowOf(control);
    if (window == nullptr)
        return;

    Applying applying(applying_);
    switch (property) {
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
        PlaceChild(control, window);
        break;
    case Property::Visible:
    case Property::Enabled:
        MirrorVisibility(control, window);
        break;
    case Property::Caption:
        MirrorText(control, window);
        break;
    case Property::Value:
        MirrorValue(control, window);
        break;
    case Property::ZOrder:
        RestackChildren(control.Container());
        break;
    case Property::SelectedTab:
        SendMessageW(window, TCM_SETCURSEL, static_cast<WPARAM>(static_cast<TabStrip&>(control).SelectedTab() - 1), 0);
        break;
    case Property::Focus:
        MirrorFocus(control, window);
        break;
    case Property::Font:
        ApplyFont(control, window);
        break;
    case Property::TabIndex: // the view follows TabIndex itself when Tab is pressed
    case Property::Tag:
    case Property::Loaded:
        break;
    }
}

void Win32FormView::MirrorFormProperty(Property property) {
    Applying applying(applying_);
    switch (property) {
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
        // Before its windows are made the form is not yet seen: it takes its place once, when shown.
        if (makeChildrenWhenShown && !childrenMade_)
            formPlacePending_ = true;
        else
            PlaceForm(property == Property::Left || property == Property::Top,
                      property == Property::Width || property == Property::Height);
        break;
    case Property::Caption:
        SetWindowTextW(formWindow_, WideFromUtf8(form_->Caption()).c_str());
        break;
    case Property::Visible:
        if (!form_->Visible()) {
            if (leaveHiddenWindows && !form_->IsLoaded()) {
                unloadedWhileShown_ = true;
                break;
            }
            ShowWindow(formWindow_, SW_HIDE);
            trace::Mark("hidden");
            break;
        }
        if (makeChildrenWhenShown && !childrenMade_) {
            if (formPlacePending_)
                PlaceForm(true, true);
            formPlacePending_ = false;
            childrenMade_ = true;
            MakeChildren(true);
        }
        ShowWindow(formWindow_, SW_SHOWNORMAL);
        SetForegroundWindow(formWindow_);
        trace::Mark("shown");
        // The first control takes the focus once the showing (and the form's activation) is over.
        if (!initialFocusPosted_) {
            initialFocusPosted_ = true;
            PostMessageW(formWindow_, view::SetInitialFocusMessage, 0, 0);
        }
        break;
    case Property::Enabled:
        EnableWindow(formWindow_, form_->Enabled());
        break;
    case Property::Loaded:
        if (!form_->IsLoaded())
            WakeLoop();
        break;
    default:
        break;
    }
}

void Win32FormView::MirrorValue(Control& control, HWND window) {
    if (control.Type() == ControlType::OptionButton) {
        const bool on = static_cast<OptionButton&>(control).Value();
        SendMessageW(window, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
        return;
    }
    if (control.Type() != ControlType::CheckBox)
        return;
    // Only the three-state kind can show the grayed value 2; the box switches kind when it needs to.
    const int value = static_cast<CheckBox&>(control).Value();
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG wanted = value == 2 ? BS_3STATE : BS_CHECKBOX;
    if ((style & BS_TYPEMASK) != wanted)
        SendMessageW(window, BM_SETSTYLE, static_cast<WPARAM>((style & ~BS_TYPEMASK) | wanted), TRUE);
    const WPARAM state = value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
    SendMessageW(window, BM_SETCHECK, state, 0);
}

void Win32FormView::MirrorText(Control& control, HWND window) {
    if (control.Type() == ControlType::TabStrip)
        return;
    const std::wstring text = WideFromUtf8(control.DisplayText());
    // A text the user has just typed comes back unchanged: setting it again would move the caret.
    if (view::WindowText(window) != text)
        SetWindowTextW(window, text.c_str());
}

void Win32FormView::MirrorFocus(Control&, HWND window) {
    if (GetFocus() == window || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return;
    SetFocus(window);
}

void Win32FormView::MirrorVisibility(Control& control, HWND window) {
    // Asked before the change: Windows takes the focus away from a window it hides or disables.
    const bool hadFocus = view::HoldsFocus(window);
    ShowWindow(window, control.Visible() ? SW_SHOWNA : SW_HIDE);
    EnableWindow(window, control.Enabled() ? TRUE : FALSE);
    // Keys must not go on reaching a control that the user can no longer see or use.
    if (hadFocus && (!control.Visible() || !control.Enabled()))
        PostMessageW(formWindow_, view::RepairFocusMessage, 0, 0);
}

} // namespace zw
