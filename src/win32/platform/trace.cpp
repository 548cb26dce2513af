#include "trace.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "base/startup_trace.h"

namespace zw::view {

namespace {

long long Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// Taken before any other static object of the program is made: the end of what the loader and the DLLs
// do before the program's own code runs.
struct StaticStart {
    long long ticks = Ticks();
};
__attribute__((init_priority(101))) StaticStart staticStart;

std::wstring TraceFile() {
    const wchar_t* value = _wgetenv(L"ZW_TRACE_STARTUP");
    return value == nullptr ? std::wstring() : std::wstring(value);
}

// Forwards every call; only the write is marked.
class TracingEnvironment : public EnvironmentComponent {
public:
    explicit TracingEnvironment(std::unique_ptr<EnvironmentComponent> inner) : inner_(std::move(inner)) {}

    std::string TransformText(std::string& text) override { return inner_->TransformText(text); }
    void SetInitValue(const std::string& value) override { inner_->SetInitValue(value); }
    void InitText(const std::string& text) override { inner_->InitText(text); }
    void SetMedMode(bool value) override { inner_->SetMedMode(value); }
    bool MedMode() const override { return inner_->MedMode(); }
    void SetCallerKind(int value) override { inner_->SetCallerKind(value); }
    void SetProgramFolder(const std::string& folder) override { inner_->SetProgramFolder(folder); }
    std::string ProgramFolder() const override { return inner_->ProgramFolder(); }
    void LoadEnvironment() override { inner_->LoadEnvironment(); }
    std::string DatabasePassword() const override { return inner_->DatabasePassword(); }
    void SetActiveDatabase(DatabaseRef database) override { inner_->SetActiveDatabase(std::move(database)); }
    DatabaseRef ActiveDatabase() const override { return inner_->ActiveDatabase(); }
    std::string StationId() override { return inner_->StationId(); }
    std::string ReadSetting(const std::string& section, const std::string& key, int kind,
                            const std::string& defaultValue, int flags1, int flags2) override {
        return inner_->ReadSetting(section, key, kind, defaultValue, flags1, flags2);
    }
    void WriteSetting(const std::string& section, const std::string& key, int kind, const std::string& value,
                      int flags1, int flags2) override {
        trace::Mark("write begins");
        inner_->WriteSetting(section, key, kind, value, flags1, flags2);
        trace::Mark("written");
    }
    std::string GetField(const std::string& text, const std::string& delimiter, int n, int flags) override {
        return inner_->GetField(text, delimiter, n, flags);
    }
    std::string ReadRegistryString(const std::string& subKey, const std::string& valueName, uint32_t rootKey) override {
        return inner_->ReadRegistryString(subKey, valueName, rootKey);
    }
    bool CheckFileExists(const std::string& path) override { return inner_->CheckFileExists(path); }

private:
    std::unique_ptr<EnvironmentComponent> inner_;
};

void Append(const std::wstring& file, const std::string& text) {
    if (FILE* out = _wfopen(file.c_str(), L"ab")) {
        fwrite(text.data(), 1, text.size(), out);
        fclose(out);
    }
}

} // namespace

bool StartTraceFromEnvironment() {
    if (TraceFile().empty())
        return false;
    trace::Enable(Ticks);
    trace::MarkAt("static initialisation begins", staticStart.ticks);
    return true;
}

void WriteTrace() {
    const std::wstring file = TraceFile();
    if (file.empty() || !trace::Enabled())
        return;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::string text = "=frequency\t" + std::to_string(frequency.QuadPart) + "\n";
    for (const trace::Event& event : trace::Events())
        text += std::string(event.accumulated ? "+" : "") + event.name + "\t" + std::to_string(event.ticks) + "\n";
    Append(file, text);
    Append(file, "trace written\t" + std::to_string(Ticks()) + "\n");
}

std::unique_ptr<EnvironmentComponent> TracingEnvironmentFactory::Create() {
    return std::make_unique<TracingEnvironment>(inner_.Create());
}

} // namespace zw::view
