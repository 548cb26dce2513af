// Making and destroying the dialog's windows, one per control of the model, and placing them.
#include "form_view.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "base/runtime_error.h"
#include "base/startup_trace.h"
#include "base/text_conversion.h"
#include "controls/check_box.h"
#include "controls/form.h"
#include "controls/option_button.h"
#include "controls/tab_strip.h"
#include "controls/text_box.h"
#include "dialog/frm_zw_int_stp.h"
#include "dpi.h"
#include "geometry.h"
#include "native_kind.h"

namespace zw {

namespace {

constexpr int ProgramIconId = 1;

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

void RegisterClasses() {
    static const bool registered = [] {
        WNDCLASSEXW frame{};
        frame.cbSize = sizeof frame;
        frame.lpfnWndProc = Win32FormView::ContainerProc;
        frame.hInstance = Instance();
        frame.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        frame.lpszClassName = view::FrameClassName;
        if (RegisterClassExW(&frame) == 0)
            return false;

        WNDCLASSEXW form = frame;
        form.lpszClassName = view::FormClassName;
        // The program's icon, when the program carries one (a test program does not).
        form.hIcon = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(ProgramIconId), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
        form.hIconSm = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(ProgramIconId), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        return RegisterClassExW(&form) != 0;
    }();
    if (!registered)
        throw RuntimeError(errors::InvalidProcedureCall, "Could not register the dialog's window classes");
}

// The input method editor is switched off for password boxes. imm32 is looked up when needed, so the
// program does not depend on it being loaded.
void SwitchOffInputMethod(HWND window) {
    using AssociateFn = BOOL(WINAPI*)(HWND, void*, DWORD);
    HMODULE imm = LoadLibraryW(L"imm32.dll");
    if (imm == nullptr)
        return;
    auto associate =
        reinterpret_cast<AssociateFn>(reinterpret_cast<void*>(GetProcAddress(imm, "ImmAssociateContextEx")));
    if (associate != nullptr)
        associate(window, nullptr, 0);
}

bool IsFocusableKind(ControlType type) {
    return type != ControlType::Label && type != ControlType::PictureBox && type != ControlType::Form;
}

} // namespace

Win32FormView::Win32FormView(int layoutDpi)
    : layoutDpi_(layoutDpi), scaling_{1440.0f / static_cast<float>(layoutDpi), 1440.0f / static_cast<float>(layoutDpi),
                                      1.0},
      frameMetrics_(scaling_, view::FormStyle, view::FormExStyle),
      tabMetrics_(scaling_, [this](const TabStrip& tabStrip) { return WindowOf(tabStrip); }) {}

Win32FormView::~Win32FormView() {
    Detach();
}

void Win32FormView::Attach(frmZWIntStp& form) {
    AttachForm(form);
}

void Win32FormView::Run(frmZWIntStp& form) {
    RunForm(form);
}

HWND Win32FormView::WindowOf(const Control& control) const {
    if (&control == form_)
        return formWindow_;
    auto it = windows_.find(&control);
    return it == windows_.end() ? nullptr : it->second;
}

Control* Win32FormView::ControlOf(HWND window) const {
    auto it = controls_.find(window);
    return it == controls_.end() ? nullptr : it->second;
}

void Win32FormView::AttachForm(Form& form) {
    Detach();
    RegisterClasses();
    form_ = &form;
    pending_ = nullptr;
    failed_ = false;
    initialFocusPosted_ = false;
    childrenMade_ = false;
    formPlacePending_ = false;
    unloadedWhileShown_ = false;

    const std::wstring caption = WideFromUtf8(form.Caption());
    // Made where it stands, at its size for the system's DPI: placed again only when the window has another.
    const RECT place = FormPlace(view::NonClientDpi(nullptr));
    formWindow_ =
        CreateWindowExW(view::FormExStyle, view::FormClassName, caption.c_str(), view::FormStyle, place.left, place.top,
                        place.right - place.left, place.bottom - place.top, nullptr, nullptr, Instance(), this);
    if (formWindow_ == nullptr)
        throw RuntimeError(errors::OutOfMemory, "Out of memory: could not create the dialog's window");
    frameMetrics_.SetWindow(formWindow_);
    // A fixed dialog can be moved and closed, nothing else.
    if (HMENU menu = GetSystemMenu(formWindow_, FALSE)) {
        for (UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
            DeleteMenu(menu, command, MF_BYCOMMAND);
    }
    if (const RECT placed = FormPlace(view::NonClientDpi(formWindow_)); !EqualRect(&place, &placed))
        PlaceForm(true, true);
    if (onFormWindow)
        onFormWindow(formWindow_);
    trace::Mark("form window made");

    NumberControls(form);
    MakeChildren(!makeChildrenWhenShown);

    form.AddObserver(*this);
    if (form.Visible())
        MirrorFormProperty(Property::Visible);
}

void Win32FormView::Detach() {
    if (form_ != nullptr)
        form_->RemoveObserver(*this);
    // From here on, what the windows are told while they go away does not reach the model.
    form_ = nullptr;
    ReleaseSubclassed();
    // On the way out of a failure the dialog must not stand behind the run-time error box.
    const bool ending = unloadedWhileShown_ && std::uncaught_exceptions() == 0;
    const bool leave = leaveHiddenWindows && formWindow_ != nullptr && (ending || !IsWindowVisible(formWindow_));
    if (formWindow_ != nullptr && IsWindow(formWindow_) && !leave)
        DestroyWindow(formWindow_);
    const bool hadWindow = formWindow_ != nullptr;
    formWindow_ = nullptr;
    frameMetrics_.SetWindow(nullptr);
    windows_.clear();
    controls_.clear();
    ids_.clear();
    lastFocus_ = nullptr;
    if (leave)
        fonts_.Forget();
    else
        fonts_.Clear();
    if (hadWindow && onFormWindow)
        onFormWindow(nullptr);
}

// A new child window goes to the bottom of its siblings. Made front to back, the container's own children
// first, the windows already stand in the model's z-order, and the restacking moves none. Not all: only the
// tab strips, and the rest when the form is shown; a window made before its siblings is moved down to its
// place as they are made.
void Win32FormView::MakeChildren(bool all) {
    std::vector<Control*> frontToBack = form_->Controls();
    std::stable_sort(frontToBack.begin(), frontToBack.end(),
                     [](const Control* a, const Control* b) { return a->ZStamp() > b->ZStamp(); });
    if (!all) {
        for (Control* control : frontToBack)
            if (control->Type() == ControlType::TabStrip)
                CreateNative(*control);
        trace::Mark("tab strips made");
        return;
    }
    const bool restack = windows_.empty();
    auto make = [this](Control& control) {
        if (HWND existing = WindowOf(control))
            SetWindowPos(existing, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOREDRAW);
        else
            CreateNative(control);
    };
    for (Control* control : frontToBack)
        if (control->Container() == nullptr || control->Container() == form_)
            make(*control);
    for (Control* control : frontToBack)
        if (WindowOf(*control) == nullptr)
            CreateNative(*control);
    trace::Mark("controls made");
    if (!restack)
        return;
    RestackChildren(form_);
    for (Control* control : form_->Controls())
        if (control->Type() == ControlType::PictureBox)
            RestackChildren(control);
    trace::Mark("controls stacked");
}

// The control ids, in the model's order of the controls with each container before its first child: a
// control whose name is not in the designed table takes the next free id.
void Win32FormView::NumberControls(const Form& form) {
    auto number = [this, &form](auto& self, const Control& control) -> void {
        if (ids_.count(&control) != 0)
            return;
        if (const Control* container = control.Container(); container != nullptr && container != &form)
            self(self, *container);
        ids_[&control] = view::DesignedControlId(control.Name(), control.Index()).value_or(NextFreeId());
    };
    for (const Control* control : form.Controls())
        number(number, *control);
}

HWND Win32FormView::CreateNative(Control& control) {
    if (HWND existing = WindowOf(control))
        return existing;
    Control* container = control.Container();
    HWND parent = container == nullptr || container == form_ ? formWindow_ : CreateNative(*container);

    view::NativeKind kind = view::KindFor(control);
    // A new button is unchecked and two-state: a check box made grayed is made three-state at once.
    const bool checked = control.Type() == ControlType::CheckBox ? static_cast<const CheckBox&>(control).Value() != 0
                         : control.Type() == ControlType::OptionButton
                             ? static_cast<const OptionButton&>(control).Value()
                             : false;
    if (control.Type() == ControlType::CheckBox && static_cast<const CheckBox&>(control).Value() == 2)
        kind.style = (kind.style & ~BS_TYPEMASK) | BS_3STATE;
    const auto numbered = ids_.find(&control);
    const int id = numbered != ids_.end()
                       ? numbered->second
                       : view::DesignedControlId(control.Name(), control.Index()).value_or(NextFreeId());
    const std::wstring text = control.Type() == ControlType::TabStrip ? L"" : WideFromUtf8(control.DisplayText());

    ++applying_;
    HWND window = CreateWindowExW(kind.exStyle, kind.className, text.c_str(), kind.style,
                                  scaling_.PixelsX(control.Left()), scaling_.PixelsY(control.Top()),
                                  scaling_.PixelsX(control.Width()), scaling_.PixelsY(control.Height()), parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(), this);
    --applying_;
    if (window == nullptr)
        throw RuntimeError(errors::OutOfMemory, "Out of memory: could not create the window of " + control.FullName());
    windows_[&control] = window;
    controls_[window] = &control;

    ++applying_;
    // A new window has not been drawn yet: its first paint uses the font.
    ApplyFont(control, window, false);
    switch (control.Type()) {
    case ControlType::TextBox: {
        const auto& box = static_cast<const TextBox&>(control);
        SendMessageW(window, EM_LIMITTEXT, 0, 0); // as long as the run time's text boxes allow
        if (!box.PasswordChar().empty()) {
            const std::wstring mask = WideFromUtf8(box.PasswordChar());
            SendMessageW(window, EM_SETPASSWORDCHAR, mask.empty() ? L'*' : mask[0], 0);
        }
        if (box.ImeDisabled())
            SwitchOffInputMethod(window);
        break;
    }
    case ControlType::CheckBox:
    case ControlType::OptionButton:
        if (checked)
            MirrorValue(control, window);
        break;
    case ControlType::TabStrip:
        CreateTabs(window, static_cast<const TabStrip&>(control));
        break;
    default:
        break;
    }
    --applying_;

    if (IsFocusableKind(control.Type()))
        Subclass(window);
    return window;
}

void Win32FormView::CreateTabs(HWND window, const TabStrip& tabStrip) {
    for (int number = 1; number <= tabStrip.TabCount(); ++number) {
        std::wstring caption = WideFromUtf8(tabStrip.GetTab(number).caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(window, TCM_INSERTITEMW, static_cast<WPARAM>(number - 1), reinterpret_cast<LPARAM>(&item));
    }
    if (tabStrip.SelectedTab() > 0)
        SendMessageW(window, TCM_SETCURSEL, static_cast<WPARAM>(tabStrip.SelectedTab() - 1), 0);
}

void Win32FormView::RestackChildren(const Control* container) {
    std::vector<Control*> children;
    for (auto& [control, window] : windows_) {
        const Control* parent = control->Container();
        if (parent == container || (container == form_ && parent == nullptr))
            children.push_back(const_cast<Control*>(control));
    }
    // The front of the model's z-order is the top of the window stack.
    std::sort(children.begin(), children.end(),
              [](const Control* a, const Control* b) { return a->ZStamp() > b->ZStamp(); });
    // Only a window out of place moves; the others already follow the one above them.
    HWND parent = container == nullptr || container == form_ ? formWindow_ : WindowOf(*container);
    HWND above = HWND_TOP;
    HWND current = parent != nullptr ? GetWindow(parent, GW_CHILD) : nullptr;
    for (Control* child : children) {
        HWND window = WindowOf(*child);
        if (window == current) {
            current = GetWindow(window, GW_HWNDNEXT);
        } else {
            SetWindowPos(window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        }
        above = window;
    }
}

RECT Win32FormView::FormPlace(int nonClientDpi) const {
    // The client area is exactly the model's inner size; the frame is whatever the system draws.
    const SIZE client{scaling_.PixelsX(form_->ScaleWidth()), scaling_.PixelsY(form_->ScaleHeight())};
    const SIZE outer = view::OuterSize(client, view::FormStyle, view::FormExStyle, nonClientDpi);
    // The screen position is in the screen's pixels, which do not change with the window's DPI.
    const int left = view::TwipsToPixels(form_->Left(), scaling_.twipsPerPixelX);
    const int top = view::TwipsToPixels(form_->Top(), scaling_.twipsPerPixelY);
    return RECT{left, top, left + outer.cx, top + outer.cy};
}

void Win32FormView::PlaceForm(bool move, bool size) {
    if (formWindow_ == nullptr || form_ == nullptr)
        return;
    const RECT place = FormPlace(view::NonClientDpi(formWindow_));
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!move)
        flags |= SWP_NOMOVE;
    if (!size)
        flags |= SWP_NOSIZE;
    SetWindowPos(formWindow_, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 flags);
}

void Win32FormView::PlaceChild(const Control& control, HWND window) {
    SetWindowPos(window, nullptr, scaling_.PixelsX(control.Left()), scaling_.PixelsY(control.Top()),
                 scaling_.PixelsX(control.Width()), scaling_.PixelsY(control.Height()), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormView::ApplyFont(const Control& control, HWND window, bool redraw) {
    trace::Span span("fonts (within the above)");
    HFONT font = fonts_.Get(control.GetFont(), scaling_.FontDpi(layoutDpi_));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

} // namespace zw
