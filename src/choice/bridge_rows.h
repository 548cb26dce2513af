#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/windows_profile.h"

namespace zw {

// What each bridge row of the list (CheckBox1 1 to 15) must pass before the choice is stored, and how
// its record's second field is made.
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

struct BridgeRowRule {
    int row;                            // CheckBox1 index
    int box;                            // Text1 index, -1 where the row has none
    const char* code;                   // the row's InterfaceCode; nullptr when the matching ending decides it
    RowField field;                     //
    bool upperCased;                    // compare the path's ending in upper case (otherwise exactly)
    const char* message;                // appended when no ending matches; nullptr for rows without a file check
    std::vector<ProgramEnding> endings; // tried in this order; empty for rows without a file check
    bool upperCasesBox = false;         // the box is turned to upper case before the checks

    bool ChecksFile() const { return !endings.empty(); }
};

// Rows 1 to 15, in row order.
const std::vector<BridgeRowRule>& BridgeRowRules();
// The rule of a CheckBox1 index; nullptr for None and for indexes outside the list.
const BridgeRowRule* FindBridgeRowRule(int row);

// The index in rule.endings of the first ending that the path ends in, or -1. A path shorter than an
// ending never matches it, because the ending starts with a backslash that a bare file name lacks.
int MatchProgramEnding(const BridgeRowRule& rule, const std::string& path);

// The code to write for a found file: the row's code, or for a row whose code depends on the file, the
// matched ending's code; empty when the ending decides and none matched.
std::string RecordCode(const BridgeRowRule& rule, int matchedEnding);

// Where a row's default command line comes from when the row is checked with a blank box: registry values
// tried in order until one is not empty (App Paths registrations, a COM server's registration), or one
// fixed path, which is proposed whenever the box is blank, checked or not, and never taken away.
struct RegistryPlace {
    uint32_t root; // HKEY_LOCAL_MACHINE_VALUE or HKEY_CLASSES_ROOT_VALUE
    const char* subKey;
};
struct CommandLineProposal {
    int row;
    int box;
    std::vector<RegistryPlace> places;
    const char* fixedPath; // nullptr for a proposal from the registry
};

// The proposal of a CheckBox1 index; nullptr for rows that propose nothing.
const CommandLineProposal* FindProposal(int row);

// Reads the default value of a registry key; empty when it is missing.
using RegistryRead = std::function<std::string(const std::string& subKey, uint32_t root)>;
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
