#pragma once
#include <vector>

#include "control.h"
#include "control_observer.h"
#include "metrics.h"
#include "screen.h"

namespace zw {

// Why a form is being unloaded, as Form_QueryUnload is told.
enum class UnloadMode {
    ControlMenu = 0, // the close button, Alt+F4 or the system menu's Close
    FormCode = 1,    // Unload from code
    AppWindows = 2,  // Windows is shutting down
    TaskManager = 3, // the task manager closes the program
    FormOwner = 5,   // the owner form is closing
};

// A form: the top-level window. Outer Width and Height include the frame and title bar; ScaleWidth and
// ScaleHeight are the inner size, the outer size less the frame metrics. Position is in twips on the
// screen. The form also runs its life cycle: initialise, load, show and activate, query-unload and unload,
// terminate; a derived form hooks its event procedures into the On... functions.
class Form : public Control {
public:
    Form(std::string name, const Screen& screen, const FrameMetrics& frameMetrics);
    ~Form() override;

    const std::string& Caption() const { return DisplayText(); }
    void SetCaption(const std::string& value) { SetDisplayText(value); }

    float ScaleWidth() const { return Width() - frameMetrics_->NonClientWidth(); }
    float ScaleHeight() const { return Height() - frameMetrics_->NonClientHeight(); }
    const FrameMetrics& GetFrameMetrics() const { return *frameMetrics_; }

    const Screen& GetScreen() const { return *screen_; }

    // Every control of the form, in creation order (the form itself excluded).
    const std::vector<Control*>& Controls() const { return controls_; }

    void AddObserver(ControlObserver& observer);
    void RemoveObserver(ControlObserver& observer);

    Control* FocusedControl() const { return focused_; }

    // The life cycle, in the order a run meets it.
    void Initialize();
    void Load();
    // Makes the form visible and active; the first activation raises Form_Activate.
    void Show();
    // Raised by the view each time the form becomes the active window of the program.
    void Activate();
    // Query-unload, then unload; true when the form is now unloaded, false when the unload was cancelled.
    bool Unload(UnloadMode mode);
    void Terminate();

    bool IsLoaded() const { return loaded_; }

    // Bookkeeping for the controls of this form.
    void Register(Control& control);
    void Notify(Control& control, Property property);
    void SetFocusedControl(Control* control);
    long NextZStamp() { return ++zCounter_; }
    long OldestZStamp() { return --zFloor_; }

protected:
    virtual void OnInitialize() {}
    virtual void OnLoad() {}
    virtual void OnActivate() {}
    virtual void OnQueryUnload(int& cancel, UnloadMode mode) {
        (void)cancel;
        (void)mode;
    }
    virtual void OnUnload(int& cancel) { (void)cancel; }
    virtual void OnTerminate() {}

private:
    const Screen* screen_;
    const FrameMetrics* frameMetrics_;
    std::vector<Control*> controls_;
    std::vector<ControlObserver*> observers_;
    Control* focused_ = nullptr;
    long zCounter_ = 0;
    long zFloor_ = 0;
    bool initialized_ = false;
    bool loaded_ = false;
    bool unloading_ = false;
    bool terminated_ = false;
};

} // namespace zw
