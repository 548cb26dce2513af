#pragma once
#include <string>

#include "controls/metrics.h"
#include "controls/screen.h"
#include "platform/platform.h"

namespace zw {

class frmZWIntStp;

// The windows that show the dialog. The program attaches the view to the form before the form loads, so
// that message boxes of the load have their owner; then it shows the form and lets the view run until the
// form is unloaded.
class FormView {
public:
    virtual ~FormView() = default;
    // Creates the (hidden) native windows of every control of the form and starts mirroring the model.
    virtual void Attach(frmZWIntStp& form) = 0;
    // Runs the message loop until the form is unloaded. An exception raised inside an event procedure
    // ends the loop and is thrown again from here.
    virtual void Run(frmZWIntStp& form) = 0;
    // Stops mirroring and destroys the native windows; called before the form goes away, also after a
    // failure. Calling it twice, or without Attach, does nothing.
    virtual void Detach() = 0;
    // The metrics of the real windows (frame, tab strip), valid after Attach.
    virtual const FrameMetrics& GetFrameMetrics() const = 0;
    virtual const TabClientMetrics& GetTabClientMetrics() const = 0;
};

// The text of the run-time error box: "Run-time error 'N':" CR LF CR LF description.
std::string RunTimeErrorText(int number, const std::string& description);

// Runs the program: creates the dialog (which creates the environment component), attaches the view,
// loads, shows and runs the dialog, and terminates it. Returns the process exit code: 0 after a normal
// end; after an uncaught failure it shows the run-time error box (captioned with the program title) and
// returns 1.
int RunProgram(Platform& platform, const Screen& screen, FormView& view);

} // namespace zw
