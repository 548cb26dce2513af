// OK, Cancel and the control box, and a store that refuses the write.
#include "save_fixture.h"

namespace zw::test {
namespace {

const std::string ValidTrophy = "TROPHY\nC:\\TROPHY\\TW.EXE\n\r";
const std::string MissingDexis = "DEXIS\nC:\\DEXIS.EXE\n\r";
const std::string DexisMessage = ProblemHeading + "\r\nCan not find file [C:\\DEXIS.EXE]";

class ClosingTest : public SaveFixture {
protected:
    void Press(int button) { h.F().Command1(button).UserClick(); }
};

TEST_F(ClosingTest, OkSavesValidChoicesOnceAndUnloadsOrStaysWithTheMessage) {
    LoadWith(MissingDexis);
    Press(0);
    EXPECT_TRUE(h.F().IsLoaded());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, DexisMessage);
    EXPECT_EQ(Writes(), 0);

    h.Env().files.insert("C:\\DEXIS.EXE");
    Press(0);
    EXPECT_FALSE(h.F().IsLoaded());
    EXPECT_FALSE(h.fakes.databaseEngine.lastOpened->IsOpen());
    EXPECT_EQ(FileChecks(), 2); // the unload that follows OK does not check again
    EXPECT_EQ(Writes(), 1);
}

TEST_F(ClosingTest, CancelUnloadsWithoutCheckingOrWritingEvenValidChoices) {
    LoadWith(ValidTrophy, {"C:\\TROPHY\\TW.EXE"});
    h.F().CheckBox1(5).UserClick(); // Vipersoft, never confirmed
    Type(0, "c:\\trophy\\tw.exe");
    Press(1);
    EXPECT_FALSE(h.F().IsLoaded());
    EXPECT_EQ(h.F().Text1(0).Text(), "c:\\trophy\\tw.exe");
    EXPECT_EQ(Writes(), 0);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ClosingTest, ControlBoxSavesValidChoices) {
    LoadWith(ValidTrophy, {"C:\\TROPHY\\TW.EXE"});
    h.F().CheckBox1(7).UserClick(); // Gendex VixWin
    EXPECT_TRUE(h.F().Unload(UnloadMode::ControlMenu));
    EXPECT_EQ(Stored(), ValidTrophy + "GENDEX\n\n\r");
}

TEST_F(ClosingTest, ControlBoxIsCancelledOnInvalidChoicesThenCancelClosesWithoutWriting) {
    LoadWith(MissingDexis);
    EXPECT_FALSE(h.F().Unload(UnloadMode::ControlMenu));
    EXPECT_TRUE(h.F().IsLoaded());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, DexisMessage);
    Press(1);
    EXPECT_FALSE(h.F().IsLoaded());
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Writes(), 0);
}

TEST(ClosingForOtherReasons, ClosesWithoutCheckingAndButtonsBeyondBrowseDoNothing) {
    for (UnloadMode mode :
         {UnloadMode::FormCode, UnloadMode::AppWindows, UnloadMode::TaskManager, UnloadMode::FormOwner}) {
        DialogHarness h;
        h.StoreXray(MissingDexis);
        h.Load();
        h.F().Command1_Click(13);
        h.F().Command1_Click(-1);
        EXPECT_TRUE(h.F().IsLoaded());
        EXPECT_TRUE(h.F().Unload(mode));
        EXPECT_TRUE(h.fakes.messageBoxes.shown.empty());
        EXPECT_EQ(h.Env().writeCount, 0);
    }
}

// Locked by another workstation or read-only: the user keeps the choices and can retry or cancel.
class FailedWriteTest : public ClosingTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FailedWriteTest, ReportsTheFailureKeepsTheDialogAndTheOldValue) {
    LoadWith(ValidTrophy, {"C:\\TROPHY\\TW.EXE"});
    h.F().CheckBox1(5).UserClick();
    h.Env().failOn.insert(GetParam());

    Press(0);
    EXPECT_FALSE(h.F().Unload(UnloadMode::ControlMenu));
    EXPECT_TRUE(h.F().IsLoaded());
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text,
              "The interface settings could not be saved:\r\n\r\nThe environment component failed in " +
                  std::string(GetParam()));
    EXPECT_EQ(Boxes()[0].style, mb::OKOnly | mb::Critical);
    EXPECT_EQ(Stored(), ValidTrophy);

    h.Env().failOn.clear();
    Press(0);
    EXPECT_FALSE(h.F().IsLoaded());
    EXPECT_EQ(Stored(), ValidTrophy + "VIPERSOFT\n\n\r");
}

INSTANTIATE_TEST_SUITE_P(Operations, FailedWriteTest, ::testing::Values("WriteSetting", "StationId"));

TEST_F(ClosingTest, OnlyTheWriteFailureIsCaught) {
    LoadWith(ValidTrophy, {"C:\\TROPHY\\TW.EXE"});
    h.Env().failOn.insert("CheckFileExists");
    EXPECT_THROW(h.F().ValidateAndSave(), RuntimeError);
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
} // namespace zw::test
