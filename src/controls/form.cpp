#include "form.h"

#include <algorithm>

namespace zw {

Form::Form(std::string name, const Screen& screen, const FrameMetrics& frameMetrics)
    : Control(ControlType::Form, this, nullptr, std::move(name), NotInArray), screen_(&screen),
      frameMetrics_(&frameMetrics) {
    SetVisible(false);
}

Form::~Form() = default;

void Form::AddObserver(ControlObserver& observer) {
    observers_.push_back(&observer);
}

void Form::RemoveObserver(ControlObserver& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

void Form::Initialize() {
    if (initialized_)
        return;
    initialized_ = true;
    OnInitialize();
}

void Form::Load() {
    if (loaded_)
        return;
    Initialize();
    loaded_ = true;
    Notify(*this, Property::Loaded);
    OnLoad();
}

void Form::Show() {
    Load();
    if (!loaded_)
        return;
    SetVisible(true);
    Activate();
}

void Form::Activate() {
    if (!loaded_ || unloading_)
        return;
    OnActivate();
}

bool Form::Unload(UnloadMode mode) {
    if (!loaded_ || unloading_)
        return !loaded_;
    unloading_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{unloading_};

    int cancel = 0;
    OnQueryUnload(cancel, mode);
    if (cancel != 0)
        return false;
    OnUnload(cancel);
    if (cancel != 0)
        return false;
    loaded_ = false;
    SetVisible(false);
    Notify(*this, Property::Loaded);
    return true;
}

void Form::Terminate() {
    if (terminated_)
        return;
    terminated_ = true;
    OnTerminate();
}

void Form::Register(Control& control) {
    controls_.push_back(&control);
}

void Form::Notify(Control& control, Property property) {
    // Observers may be added while a change is reported; work on a copy of the list.
    const auto observers = observers_;
    for (ControlObserver* observer : observers)
        observer->PropertyChanged(control, property);
}

void Form::SetFocusedControl(Control* control) {
    if (focused_ == control)
        return;
    focused_ = control;
    if (control != nullptr)
        Notify(*control, Property::Focus);
}

} // namespace zw
