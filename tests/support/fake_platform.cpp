#include "fake_platform.h"

#include "base/runtime_error.h"

namespace zw::test {

int FakeMessageBoxes::Show(const std::string& text, int style, const std::string& title) {
    shown.push_back({text, style, title});
    if (onShow)
        onShow(shown.back());
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (style & 0x0F) == mb::YesNoCancel ? mb::Yes : mb::OK;
}

std::string FakeShell::BrowseForFolder(const std::string& title, unsigned flags) {
    browsers.push_back(title + "|" + std::to_string(flags));
    if (browseAnswers.empty())
        return {};
    auto answer = browseAnswers.front();
    browseAnswers.pop_front();
    return answer;
}

bool FakeShell::PathFileExists(const std::string& path) {
    existsQueries.push_back(path);
    return paths.count(path) != 0;
}

std::string FakeShell::PathAppend(const std::string& folder, const std::string& name) {
    // PathAppend's rule for the cases the dialog meets: one backslash between the parts, a leading
    // backslash of the name dropped, nothing added to an empty folder.
    std::string tail = name;
    while (!tail.empty() && tail.front() == '\\')
        tail.erase(tail.begin());
    if (folder.empty())
        return tail;
    if (folder.back() == '\\')
        return folder + tail;
    return folder + "\\" + tail;
}

// As the real functions do, a text that does not fit leaves the buffer: the Windows folder reports the size
// it needs, a profile value is cut to the buffer less its terminating NUL.
unsigned FakeProfile::GetWindowsDirectoryA(std::string& buffer, unsigned bufferSize) {
    if (windowsDirectory.size() >= bufferSize) {
        buffer.clear();
        return static_cast<unsigned>(windowsDirectory.size() + 1);
    }
    buffer = windowsDirectory;
    return static_cast<unsigned>(windowsDirectory.size());
}

unsigned FakeProfile::GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                               const std::string& defaultValue, std::string& buffer,
                                               unsigned bufferSize, const std::string& fileName) {
    buffer = defaultValue;
    auto file = ini.find(fileName);
    if (file != ini.end()) {
        auto value = file->second.find({section, key});
        if (value != file->second.end())
            buffer = value->second;
    }
    if (bufferSize > 0 && buffer.size() >= bufferSize)
        buffer.resize(bufferSize - 1);
    return static_cast<unsigned>(buffer.size());
}

void FakeProcess::ChangeDrive(const std::string&) {
    if (failChanges)
        throw RuntimeError(errors::DeviceUnavailable);
}

void FakeProcess::ChangeFolder(const std::string& folder) {
    if (failChanges)
        throw RuntimeError(errors::PathNotFound);
    currentFolder = folder;
}

} // namespace zw::test
