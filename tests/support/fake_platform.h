#pragma once
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fake_environment.h"
#include "platform/platform.h"

namespace zw::test {

// Records every box shown and answers from a script; with the script empty it answers OK (or Yes for
// a Yes/No/Cancel box).
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::string text;
        int style;
        std::string title;
    };
    std::vector<Shown> shown;
    std::deque<int> answers;
    // Runs while a box is up (for example to check the model's state at that moment).
    std::function<void(const Shown&)> onShow;

    int Show(const std::string& text, int style, const std::string& title) override;
    // Each box shown as its style, title and text: "0 Title: Text".
    std::vector<std::string> Described() const {
        std::vector<std::string> boxes;
        for (const Shown& box : shown)
            boxes.push_back(std::to_string(box.style) + " " + box.title + ": " + box.text);
        return boxes;
    }
};

// A file system of folders and files given by the test, PathAppend's joining rules, and a folder browser
// that answers from a script (an empty answer is a cancelled browser).
class FakeShell : public Shell {
public:
    std::set<std::string> paths; // existing files and folders, exactly as written
    std::deque<std::string> browseAnswers;
    std::vector<std::string> browsers; // each folder browser shown, as "title|flags"
    std::vector<std::string> existsQueries;

    std::string BrowseForFolder(const std::string& title, unsigned flags) override;
    bool PathFileExists(const std::string& path) override;
    std::string PathAppend(const std::string& folder, const std::string& name) override;
};

class FakeProfile : public WindowsProfile {
public:
    std::string windowsDirectory = "C:\\WINDOWS";
    std::set<std::string> files;
    std::map<std::string, std::map<std::pair<std::string, std::string>, std::string>> ini; // file -> values

    unsigned GetWindowsDirectoryA(std::string& buffer, unsigned bufferSize) override;
    unsigned GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, std::string& buffer, unsigned bufferSize,
                                      const std::string& fileName) override;
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
};

// The product folder and the current folder; changing drive and folder fail when the test says so.
class FakeProcess : public Process {
public:
    std::string commandLine;
    std::string programFolder = "C:\\ZELTWIN";
    std::string currentFolder = "C:\\WORK";
    bool failChanges = false;

    std::string CommandLine() override { return commandLine; }
    std::string ProgramFileFolder() override { return programFolder; }
    void ChangeDrive(const std::string& drive) override;
    void ChangeFolder(const std::string& folder) override;
    std::string CurrentFolder() override { return currentFolder; }
};

// All fakes together, with a product database "C:\ZELTWIN\ZELTWIN.MDB" whose password the component knows.
struct FakePlatform {
    FakeEnvironmentFactory environmentFactory;
    FakeDatabaseEngine databaseEngine;
    FakeMessageBoxes messageBoxes;
    FakeShell shell;
    FakeProfile profile;
    FakeProcess process;
    Platform platform{environmentFactory, databaseEngine, messageBoxes, shell, profile, process};

    FakePlatform() { databaseEngine.databases["C:\\ZELTWIN\\ZELTWIN.MDB"] = "secret"; }
    // The component that the dialog created.
    FakeEnvironment& Env() const { return *environmentFactory.environment; }
};

} // namespace zw::test
