// What the user does to the windows, turned into the model's own changes and events.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <unordered_map>

#include "base/startup_trace.h"
#include "base/text_conversion.h"
#include "controls/check_box.h"
#include "controls/command_button.h"
#include "controls/form.h"
#include "controls/label.h"
#include "controls/option_button.h"
#include "controls/tab_strip.h"
#include "controls/text_box.h"
#include "dpi.h"
#include "form_view.h"
#include "messages.h"
#include "tab_order.h"
#include "window_util.h"

namespace zw {

namespace {

void SetPushButtonDefault(HWND window, bool isDefault) {
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG kind = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((style & BS_TYPEMASK) != kind)
        SendMessageW(window, BM_SETSTYLE, static_cast<WPARAM>((style & ~BS_TYPEMASK) | kind), TRUE);
}

} // namespace

LRESULT CALLBACK Win32FormView::ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32FormView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    // No exception may cross into Windows: it is kept and thrown again from Run.
    try {
        return self->HandleContainerMessage(window, message, wParam, lParam);
    } catch (...) {
        self->Fail(std::current_exception());
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

namespace {

// The focusable controls' windows, each with the view it belongs to and the procedure of its class. Kept
// here rather than in a window property: a property is a round trip to the Wine server at every message.
struct Subclassed {
    Win32FormView* view; // nullptr once the view has let the window go
    WNDPROC original;
};

std::unordered_map<HWND, Subclassed>& SubclassedWindows() {
    static std::unordered_map<HWND, Subclassed> windows;
    return windows;
}

} // namespace

void Win32FormView::Subclass(HWND window) {
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32FormView::ControlProc)));
    SubclassedWindows()[window] = {this, original};
}

void Win32FormView::ReleaseSubclassed() {
    for (auto& [window, entry] : SubclassedWindows())
        if (entry.view == this)
            entry.view = nullptr;
}

LRESULT CALLBACK Win32FormView::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& windows = SubclassedWindows();
    const auto it = windows.find(window);
    if (it == windows.end())
        return DefWindowProcW(window, message, wParam, lParam);
    const Subclassed entry = it->second;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry.original));
        windows.erase(it);
    }
    if (entry.view == nullptr || message == WM_NCDESTROY)
        return CallWindowProcW(entry.original, window, message, wParam, lParam);
    try {
        return entry.view->HandleControlMessage(entry.original, window, message, wParam, lParam);
    } catch (...) {
        entry.view->Fail(std::current_exception());
        return 0;
    }
}

LRESULT Win32FormView::HandleContainerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (LRESULT brush = OnColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return brush;
        break;
    default:
        break;
    }
    if (window != formWindow_ || formWindow_ == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);

    switch (message) {
    case WM_CLOSE:
        trace::Mark("close asked");
        // The model decides: a cancelled unload leaves the window as it is.
        CallModel([this] { form_->Unload(UnloadMode::ControlMenu); });
        return 0;
    case WM_QUERYENDSESSION:
        CallModel([this] { form_->Unload(UnloadMode::AppWindows); });
        return form_ == nullptr || !form_->IsLoaded() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam != 0 && form_ != nullptr && form_->IsLoaded())
            CallModel([this] { form_->Unload(UnloadMode::AppWindows); });
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case DM_GETDEFID:
        return DefaultButtonId();
    case WM_NEXTDLGCTL:
        if (form_ == nullptr)
            return 0;
        if (LOWORD(lParam) != 0)
            SetFocus(reinterpret_cast<HWND>(wParam));
        else
            FocusControl(view::NextInTabOrder(*form_, ControlOf(GetFocus()), wParam == 0));
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case view::SetInitialFocusMessage:
        if (form_ != nullptr && ControlOf(GetFocus()) == nullptr)
            FocusControl(view::NextInTabOrder(*form_, nullptr, true));
        return 0;
    case view::RepairFocusMessage:
        RepairFocus();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT Win32FormView::HandleControlMessage(WNDPROC original, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(original, window, message, wParam, lParam);
    Control* control = ControlOf(window);
    if (control == nullptr)
        return result;
    if (message == WM_SETFOCUS) {
        OnControlFocused(window);
    } else if (message == WM_KILLFOCUS && control->Type() == ControlType::CommandButton) {
        SetPushButtonDefault(window, false);
    }
    return result;
}

void Win32FormView::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    HWND child = reinterpret_cast<HWND>(lParam);
    if (child == nullptr) {
        // Esc, sent by the dialog manager with no button of its own id.
        if (id == IDCANCEL && code == 0)
            PressCancelButton();
        return;
    }
    // Enter without a default button arrives as IDOK "from" whatever control has the focus: no press.
    Control* control = ControlOf(child);
    if (control == nullptr || GetDlgCtrlID(child) != id || applying_ > 0)
        return;

    switch (control->Type()) {
    case ControlType::CheckBox:
        if (code == BN_CLICKED)
            CallModel([control] { static_cast<CheckBox*>(control)->UserClick(); });
        break;
    case ControlType::OptionButton:
        if (code == BN_CLICKED)
            CallModel([control] { static_cast<OptionButton*>(control)->UserClick(); });
        break;
    case ControlType::CommandButton:
        if (code == BN_CLICKED)
            CallModel([control] { static_cast<CommandButton*>(control)->UserClick(); });
        break;
    case ControlType::TextBox:
        if (code == EN_CHANGE) {
            const std::string text = Utf8FromWide(view::WindowText(child));
            CallModel([control, &text] { static_cast<TextBox*>(control)->SetText(text); });
        }
        break;
    default:
        break;
    }
}

LRESULT Win32FormView::OnNotify(const NMHDR& header) {
    Control* control = ControlOf(header.hwndFrom);
    if (control == nullptr || control->Type() != ControlType::TabStrip)
        return 0;
    auto* tabStrip = static_cast<TabStrip*>(control);
    if (header.code == TCN_SELCHANGING)
        return failed_ ? TRUE : FALSE;
    if (header.code != TCN_SELCHANGE || applying_ > 0)
        return 0;
    const int chosen = static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0)) + 1;
    CallModel([tabStrip, chosen] { tabStrip->SelectTab(chosen); });
    // The tab shown is always the model's.
    if (WindowOf(*tabStrip) == header.hwndFrom && tabStrip->SelectedTab() != chosen)
        SendMessageW(header.hwndFrom, TCM_SETCURSEL, static_cast<WPARAM>(tabStrip->SelectedTab() - 1), 0);
    return 0;
}

void Win32FormView::OnActivate(bool active) {
    if (form_ == nullptr)
        return;
    if (!active) {
        if (HWND focus = GetFocus(); ControlOf(focus) != nullptr)
            lastFocus_ = focus;
        return;
    }
    // Back from a message box or another program: the focus returns where it was. The form's own
    // activation event is the model's business (Show raises it), so nothing more happens here.
    if (!RestoreFocus())
        SetFocus(formWindow_);
}

bool Win32FormView::RestoreFocus() {
    if (form_ == nullptr)
        return false;
    if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
        return true;
    }
    // Before the first control has had the focus, it waits for the showing to end.
    if (!initialFocusPosted_ || !form_->Visible())
        return false;
    const Control* next = view::NextInTabOrder(*form_, form_->FocusedControl(), true);
    FocusControl(next);
    return next != nullptr;
}

void Win32FormView::OnControlFocused(HWND window) {
    lastFocus_ = window;
    Control* control = ControlOf(window);
    if (control == nullptr || form_ == nullptr)
        return;
    // As in a dialog, Enter presses the push button that has the focus, and only that one.
    if (control->Type() == ControlType::CommandButton)
        SetPushButtonDefault(window, true);
    // Coming back to the control that had the focus (after a message box, say) is no new GotFocus.
    if (control != form_->FocusedControl())
        CallModel([control] { control->RaiseGotFocus(); });
}

LRESULT Win32FormView::OnColour(HDC dc, HWND child) {
    const Control* control = ControlOf(child);
    if (control == nullptr || control->Type() != ControlType::Label)
        return 0;
    const long colour = static_cast<const Label*>(control)->ForeColour();
    if (colour == Label::SystemTextColour)
        return 0;
    SetTextColor(dc, static_cast<COLORREF>(colour));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Win32FormView::OnDpiChanged(int dpi, const RECT& suggested) {
    if (form_ == nullptr)
        return;
    // With the DPI forced for a test or a screenshot, the layout stays as it is; else it follows the
    // monitor the window is now on.
    if (!view::DpiOverride()) {
        scaling_.factor = static_cast<double>(dpi) / layoutDpi_;
        ++applying_;
        for (auto& [control, window] : windows_) {
            PlaceChild(*control, window);
            ApplyFont(*control, window);
        }
        --applying_;
    }
    SetWindowPos(formWindow_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
    PlaceForm(false, true);
}

void Win32FormView::PressCancelButton() {
    if (form_ == nullptr)
        return;
    for (Control* control : form_->Controls()) {
        if (control->Type() != ControlType::CommandButton)
            continue;
        auto* button = static_cast<CommandButton*>(control);
        if (button->Cancel()) {
            CallModel([button] { button->UserClick(); });
            return;
        }
    }
}

void Win32FormView::FocusControl(const Control* control) {
    if (control == nullptr)
        return;
    if (HWND window = WindowOf(*control))
        SetFocus(window);
}

void Win32FormView::RepairFocus() {
    if (form_ == nullptr)
        return;
    HWND focus = GetFocus();
    if (ControlOf(focus) != nullptr && IsWindowVisible(focus) && IsWindowEnabled(focus))
        return;
    if (GetActiveWindow() != formWindow_) {
        // Not active now: the focus is settled when the window is activated again.
        lastFocus_ = nullptr;
        return;
    }
    const Control* from = ControlOf(focus) != nullptr ? ControlOf(focus) : form_->FocusedControl();
    FocusControl(view::NextInTabOrder(*form_, from, true));
}

LRESULT Win32FormView::DefaultButtonId() const {
    HWND focus = GetFocus();
    const Control* control = ControlOf(focus);
    if (control == nullptr || control->Type() != ControlType::CommandButton)
        return 0;
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}

} // namespace zw
