#include "message_boxes.h"

#include "base/runtime_error.h"
#include "base/text_conversion.h"

namespace zw {

int Win32MessageBoxes::Show(const std::string& text, int style, const std::string& title) {
    // A destroyed owner would make the box fail; the active window then owns it, so the box stays modal.
    HWND owner = owner_ != nullptr && IsWindow(owner_) ? owner_ : GetActiveWindow();
    const int answer =
        MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(title).c_str(), static_cast<UINT>(style));
    if (answer == 0)
        throw RuntimeError(errors::InvalidProcedureCall, "Could not show a message box");
    return answer;
}

} // namespace zw
