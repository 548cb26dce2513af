#include "base/strings.h"
#include "frm_zw_int_stp.h"
#include "path_helpers.h"

namespace zw {

std::string frmZWIntStp::FindProgramInFolder(const std::vector<std::string>& names, const std::string& folder) {
    // An empty folder would make the names relative to the current folder: nothing is looked for there.
    if (folder.empty())
        return {};
    for (const auto& name : names) {
        const std::string candidate = AppendPath(platform_.shell, folder, name);
        if (FileExists(platform_.shell, candidate))
            return candidate;
    }
    return {};
}

// The usual install folders are offered first; the user may decline and pick another folder, which must
// then hold one of the names. The target's text changes only when a program has been found and accepted.
void frmZWIntStp::BrowseForProgram(TextBox& target, const std::vector<std::string>& names, std::string& defaultFolder,
                                   const std::string& secondFolder) {
    Shell& shell = platform_.shell;
    MessageBoxes& boxes = platform_.messageBoxes;

    std::string foundPath = FindProgramInFolder(names, defaultFolder);
    if (foundPath.empty() && !Trim(secondFolder).empty()) {
        foundPath = FindProgramInFolder(names, secondFolder);
        // The message below names the folder that was looked in.
        defaultFolder = secondFolder;
    }

    if (!foundPath.empty()) {
        const int answer = boxes.Show("The selected application was found in it's default location, " + defaultFolder +
                                          "." + CRLF + CRLF + "Do you want to accept the default location?",
                                      mb::YesNoCancel | mb::Information, "Program Found");
        if (answer == mb::Yes) {
            target.SetText(foundPath);
            return;
        }
        if (answer != mb::No)
            return;
    }

    const std::string folder = BrowseForFolder(shell, "Select Folder");
    if (folder.empty())
        return;

    // The message shows the names in upper case; the file system is asked for them as they are written.
    std::string nameList;
    std::string candidate;
    bool found = false;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            nameList += " or ";
        nameList += UCase(names[i]);
        candidate = AppendPath(shell, folder, names[i]);
        found = FileExists(shell, candidate);
        if (found)
            break;
    }

    if (found) {
        target.SetText(candidate);
        return;
    }
    boxes.Show("The application could not be found in the selected location." + CRLF + CRLF + "Please select " +
                   "the folder that contains " + nameList + ".",
               mb::Information, "Program Not Found");
}

} // namespace zw
