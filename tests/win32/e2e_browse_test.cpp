// Browse buttons of the real dialog: a program found in its usual folder in the prefix and offered, and the
// shell's real folder browser when the offer is declined.
#include <filesystem>

#include "e2e_harness.h"

namespace zw::e2e {
namespace {

const std::wstring Imaging = L"C:\\Program Files\\APTERYX\\APTERYX IMAGING\\";
const std::wstring Offer = L"The selected application was found in it's default location, ";
const std::wstring Accept = L".\r\n\r\nDo you want to accept the default location?";

class BrowseTest : public DialogTest {
protected:
    ~BrowseTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(L"C:\\Program Files\\APTERYX"), ignored);
    }
    // Presses a Browse button and returns the offer it makes.
    Box Browse(int button) {
        PostClick(Command1 + button);
        auto box = WaitForMessageBox(L"Program Found");
        if (!box)
            throw std::runtime_error("no offer; on screen: " + OpenBoxes());
        return *box;
    }
};

TEST_F(BrowseTest, XVa3FoundInTheSecondFolderIsOfferedAndYesTakesIt) {
    // The first usual folder holds none of the row's programs.
    Touch(Imaging + L"XVLITE.EXE");
    Start();
    Click(CheckBox1 + 9);
    const Box offer = Browse(6);
    EXPECT_EQ(offer.Text(), Offer + Imaging + Accept);
    offer.Answer(IDYES);
    EXPECT_TRUE(WaitUntil([&] { return Text(Text1 + 4) == Imaging + L"XVLITE.EXE"; })) << Narrow(Text(Text1 + 4));
}

TEST_F(BrowseTest, NoOpensTheFolderBrowserAndCancellingItChangesNothing) {
    Touch(Imaging + L"XVLITE.EXE");
    Start();
    Click(CheckBox1 + 9);
    SetText(Text1 + 4, L"C:\\before\\XVLITE.EXE");
    Browse(6).Answer(IDNO);
    HWND browser = WaitForFolderBrowser();
    ASSERT_NE(browser, nullptr) << "no folder browser; on screen: " << OpenBoxes();
    PostMessageW(GetDlgItem(browser, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(browser); }));
    // A click posted now is handled only after the Browse press has ended: no box may be up by then.
    PostClick(CheckBox1 + 5);
    ASSERT_TRUE(WaitUntil([&] { return Check(CheckBox1 + 5) == BST_CHECKED; }));
    EXPECT_EQ(OpenBoxes(), "");
    EXPECT_EQ(Text(Text1 + 4), L"C:\\before\\XVLITE.EXE");
}

TEST_F(BrowseTest, ARegisteredSchickProgramIsOfferedFromItsFolder) {
    const std::wstring folder = Folder() + L"\\CDR";
    Touch(folder + L"\\NCDR.EXE");
    AppPath registered(L"NCDR.EXE", folder + L"\\NCDR.EXE");
    Start();
    Click(CheckBox1 + 2);
    EXPECT_EQ(Browse(7).Text(), Offer + folder + Accept);
}

} // namespace
} // namespace zw::e2e
