#pragma once
// The bridge list's rows (CheckBox1 1 to 15), each described once: its codes, its command-line box and
// Browse button, what it checks before the choice is stored and how its record's second field is made,
// where its default command line comes from, and where its Browse button looks. The dialog's arrangement,
// click, load and save, the settings tool's codes and checks, and the search for installed programs all
// read this one table.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/windows_profile.h"

namespace zw {

// How a row's record's second field is made.
enum class RowField {
    BoxUntrimmed, // the checked program file's box, read again as the user left it
    BoxTrimmed,   // the checked program file's path, spaces removed
    Empty,        // the row has no command line at all
    Password,     // the row's box holds a password, stored trimmed and never checked
};

// One accepted file name, with its leading backslash, and the code written when the path ends in it
// (nullptr: the row's own code).
struct ProgramEnding {
    const char* text;
    const char* code;
};

// The default value of a registry key under HKEY_LOCAL_MACHINE or HKEY_CLASSES_ROOT.
struct RegistryPlace {
    uint32_t root; // HKEY_LOCAL_MACHINE_VALUE or HKEY_CLASSES_ROOT_VALUE
    const char* subKey;
};

// Where a row's default command line comes from when the row is checked with a blank box: registry values
// tried in order until one is not empty (App Paths registrations, a COM server's registration), or one
// fixed path, which is proposed whenever the box is blank, checked or not, and never taken away.
struct CommandLineProposal {
    std::vector<RegistryPlace> places{};
    const char* fixedPath = nullptr;

    bool Proposes() const { return !places.empty() || fixedPath != nullptr; }
};

// Where a row's Browse button looks: the names it looks for, in order of preference, as the file system is
// asked for them, and its first and second folder. The Schick buttons look in the folder of the row's first
// registered proposal instead (C:\ when none is registered).
struct BrowseFolders {
    std::vector<std::string> names{};
    std::string defaultFolder{};
    std::string secondFolder{};
    bool fromProposal = false;
};

struct BridgeRow {
    int row = 0;                          // CheckBox1 index
    const char* code = nullptr;           // the row's InterfaceCode; nullptr when the matching ending decides it
    int text = -1;                        // Text1 index of the row's box, -1 where it has none
    int button = -1;                      // Command1 index of the row's Browse button, -1 where it has none
    RowField field = RowField::Empty;     //
    bool upperCased = false;              // compare the path's ending in upper case (otherwise exactly)
    const char* message = nullptr;        // appended when no ending matches; nullptr for rows without a file check
    std::vector<ProgramEnding> endings{}; // tried in this order; empty for rows without a file check
    bool upperCasesBox = false;           // the box is turned to upper case before the checks
    bool checkedBeforeText = false;       // the load checks the row before it sets the stored text
    CommandLineProposal proposal{};       // nothing proposed unless Proposes()
    BrowseFolders browse{};               // for a row with a Browse button

    bool ChecksFile() const { return !endings.empty(); }
    // The codes the row is stored with: its own, or those of its endings, each once, in order.
    std::vector<const char*> Codes() const;
};

// Rows 1 to 15, in row order.
const std::vector<BridgeRow>& BridgeRows();
// The row of a CheckBox1 index; nullptr for None and for indexes outside the list.
const BridgeRow* FindBridgeRow(int row);
// The row of a Browse button (Command1 index); nullptr for another button.
const BridgeRow* FindBrowseButton(int button);
// The proposal of a CheckBox1 index; nullptr for rows that propose nothing.
const CommandLineProposal* FindProposal(int row);

// The index in row.endings of the first ending that the path ends in, or -1. A path shorter than an
// ending never matches it, because the ending starts with a backslash that a bare file name lacks.
int MatchProgramEnding(const BridgeRow& row, const std::string& path);

// The code to write for a found file: the row's code, or for a row whose code depends on the file, the
// matched ending's code; empty when the ending decides and none matched.
std::string RecordCode(const BridgeRow& row, int matchedEnding);

// Reads the default value of a registry key; empty when it is missing.
using RegistryRead = std::function<std::string(const std::string& subKey, uint32_t root)>;
// The first place, in order, whose value is not empty, and that value; -1 and empty when none.
std::pair<int, std::string> FirstRegistered(const std::vector<RegistryPlace>& places, const RegistryRead& read);
// The proposed text, as read (a server registration may carry quotes or arguments; nothing is stripped).
std::string ProposedCommandLine(const CommandLineProposal& proposal, const RegistryRead& read);

// ProImage can be chosen only on a computer where it is set up: Dentx.ini in the Windows folder names its
// main file. The wording of the refusal, typo included, is what users and support staff know.
inline constexpr int ProImageRow = 8;
extern const char* const ProImageMissingMessage;
// Where ProImage names its main file: Dentx.ini in the Windows folder, key MainFile of section imagemgt.
struct DentxMainFile {
    std::string iniFile; // empty when the Windows folder is not known
    bool iniExists = false;
    std::string mainFile; // empty when not named
};
DentxMainFile LookUpDentxMainFile(WindowsProfile& profile);

// The MainFile value of Dentx.ini's section imagemgt; empty when ProImage is not set up.
std::string ReadDentxMainFile(WindowsProfile& profile);

} // namespace zw
