#include "program.h"

#include "base/runtime_error.h"
#include "base/startup_trace.h"
#include "dialog/frm_zw_int_stp.h"

namespace zw {

std::string RunTimeErrorText(int number, const std::string& description) {
    return "Run-time error '" + std::to_string(number) + "':\r\n\r\n" + description;
}

namespace {

// Takes the view's windows away before the form they mirror goes away, on every path.
struct DetachGuard {
    FormView& view;
    ~DetachGuard() { view.Detach(); }
};

int Run(Platform& platform, const Screen& screen, FormView& view) {
    frmZWIntStp form(platform, screen, view.GetFrameMetrics(), view.GetTabClientMetrics());
    DetachGuard guard{view};
    form.Initialize();
    view.Attach(form);
    form.Show();
    if (form.IsLoaded())
        view.Run(form);
    trace::Mark("loop ended");
    view.Detach();
    trace::Mark("view detached");
    form.Terminate();
    trace::Mark("terminated");
    return 0;
}

} // namespace

int RunProgram(Platform& platform, const Screen& screen, FormView& view) {
    int number = 0;
    std::string description;
    try {
        return Run(platform, screen, view);
    } catch (const RuntimeError& error) {
        number = error.Number();
        description = error.what();
    } catch (const std::bad_alloc&) {
        number = errors::OutOfMemory;
        description = errors::StandardText(errors::OutOfMemory);
    } catch (const std::exception& error) {
        number = errors::InternalError;
        description = std::string(errors::StandardText(errors::InternalError)) + ": " + error.what();
    }
    // The form, and with it the component, went away as the failure unwound out of Run.
    platform.messageBoxes.Show(RunTimeErrorText(number, description), mb::OKOnly | mb::Critical, ProgramTitle);
    return 1;
}

} // namespace zw
