// The one table of bridge rows holds together: each row's codes lead back to it, its box and button are its
// own, and whatever its Browse button or its proposal can put into the box is a name its check accepts.
#include <gtest/gtest.h>

#include <set>

#include "choice/program_locations.h"
#include "choice/workstation_choice.h"

namespace zw {
namespace {

TEST(BridgeRows, EveryRowIsConsistent) {
    std::set<int> texts;
    int expectedRow = 1;
    for (const BridgeRow& row : BridgeRows()) {
        SCOPED_TRACE(row.row);
        EXPECT_EQ(row.row, expectedRow++);
        EXPECT_EQ(FindBridgeRow(row.row), &row);
        EXPECT_TRUE(row.text < 0 || texts.insert(row.text).second);
        EXPECT_TRUE(row.button < 0 || FindBrowseButton(row.button) == &row);

        // Each code is the row's, with the row's box; the tool finds it in any case.
        for (const char* code : row.Codes()) {
            const InterfaceCode* entry = FindBridgeCode(code);
            ASSERT_NE(entry, nullptr) << code;
            EXPECT_EQ(entry->controlIndex, row.row);
            EXPECT_EQ(entry->field2Box, row.text);
        }

        // A row is one of: no command line, a password box, or a program file with its message and button.
        const bool file = row.field == RowField::BoxTrimmed || row.field == RowField::BoxUntrimmed;
        EXPECT_EQ(row.ChecksFile(), file);
        EXPECT_EQ(row.message != nullptr, file);
        EXPECT_EQ(row.button >= 0, file);
        EXPECT_EQ(row.text >= 0, row.field != RowField::Empty);
        EXPECT_TRUE(row.code != nullptr || file);

        // What the Browse button finds, and what the proposal names, passes the row's name check.
        for (const std::string& name : row.browse.names)
            EXPECT_GE(MatchProgramEnding(row, "C:\\Folder\\" + name), 0) << name;
        EXPECT_EQ(row.browse.names.empty(), !file);
        EXPECT_TRUE(!row.proposal.Proposes() || file);
        EXPECT_TRUE(!row.browse.fromProposal || !row.proposal.places.empty());
        EXPECT_TRUE(!row.checkedBeforeText || row.proposal.Proposes());
        EXPECT_TRUE(row.proposal.fixedPath == nullptr || MatchProgramEnding(row, row.proposal.fixedPath) >= 0);
        for (const RegistryPlace& place : row.proposal.places) {
            const std::string program = AppPathsProgram(place);
            EXPECT_TRUE(program.empty() || MatchProgramEnding(row, "C:\\Folder\\" + program) >= 0) << program;
        }
    }
}

} // namespace
} // namespace zw
