#pragma once
#include <string>

namespace zw {

// Message-box styles and answers, with the run time's numbers.
namespace mb {
constexpr int OKOnly = 0;
constexpr int YesNoCancel = 3;
constexpr int Critical = 16;
constexpr int Information = 64;

constexpr int OK = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace mb

// The program title that message boxes without a caption of their own carry.
inline constexpr const char* ProgramTitle = "ZELT Windows Interface Setup";

// Modal message boxes owned by the dialog. Lines are broken with CR LF.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns the button pressed (mb::OK, mb::Yes, ...).
    virtual int Show(const std::string& text, int style, const std::string& title) = 0;
};

} // namespace zw
