#pragma once
#include <windows.h>

#include "platform/message_boxes.h"

namespace zw {

// MessageBoxW. The style numbers and the answers are the Win32 MB_ and ID numbers, which equal mb::.
class Win32MessageBoxes : public MessageBoxes {
public:
    // The window that owns the boxes (the dialog, once it has one); without it, the thread's active window.
    void SetOwner(HWND owner) { owner_ = owner; }

    int Show(const std::string& text, int style, const std::string& title) override;

private:
    HWND owner_ = nullptr;
};

} // namespace zw
