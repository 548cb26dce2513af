// A Browse button of the real dialog: the program found in its usual folder in the prefix and offered,
// and the shell's real folder browser when the offer is declined.
#include "e2e_dialog_fixture.h"

namespace zw::e2e {
namespace {

constexpr const wchar_t* ImagingFolder = L"C:\\Program Files\\APTERYX\\APTERYX IMAGING\\";
constexpr const wchar_t* FoundTitle = L"Program Found";

class BrowseTest : public DialogTest {
protected:
    void SetUp() override {
        // The first usual folder holds none of the row's programs, the second one XVLITE.EXE.
        WriteTextFile(std::wstring(ImagingFolder) + L"XVLITE.EXE", "MZ");
        Start();
        program->Click(ids::CheckBox1(9));
        ASSERT_TRUE(program->IsEnabled(ids::Command1(6)));
    }
    void TearDown() override {
        program.reset();
        RemoveTree(L"C:\\Program Files\\APTERYX");
    }

    // Presses the row's Browse button and returns the offer it makes.
    Box PressBrowseAndExpectTheOffer() {
        program->PostClick(ids::Command1(6));
        auto box = program->WaitForMessageBox(FoundTitle);
        if (!box)
            throw std::runtime_error("no offer; on screen: " + program->DescribeOpenBoxes());
        return *box;
    }
};

TEST_F(BrowseTest, TheOfferNamesTheSecondFolderAndYesTakesTheProgram) {
    const Box offer = PressBrowseAndExpectTheOffer();
    EXPECT_EQ(offer.Text(), std::wstring(L"The selected application was found in it's default location, ") +
                                ImagingFolder + L".\r\n\r\nDo you want to accept the default location?");
    EXPECT_TRUE(offer.HasButton(IDYES));
    EXPECT_TRUE(offer.HasButton(IDNO));
    EXPECT_TRUE(offer.HasButton(IDCANCEL));
    EXPECT_TRUE(offer.HasIcon());
    offer.Answer(IDYES);

    EXPECT_TRUE(WaitUntil([&] { return program->Text(ids::Text1(4)) == std::wstring(ImagingFolder) + L"XVLITE.EXE"; }))
        << Narrow(program->Text(ids::Text1(4)));
}

TEST_F(BrowseTest, NoOpensTheFolderBrowserAndCancellingItChangesNothing) {
    program->SetText(ids::Text1(4), L"C:\\before\\XVLITE.EXE");
    PressBrowseAndExpectTheOffer().Answer(IDNO);

    HWND browser = program->WaitForFolderBrowser();
    ASSERT_NE(browser, nullptr) << "no folder browser; on screen: " << program->DescribeOpenBoxes();
    PostMessageW(GetDlgItem(browser, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(browser) || !IsWindowVisible(browser); }));

    // A press posted now is handled only after the Browse press has ended: no box may be up by then.
    program->PostClick(ids::CheckBox1(5));
    ASSERT_TRUE(WaitUntil([&] { return program->CheckState(ids::CheckBox1(5)) == BST_CHECKED; }));
    EXPECT_TRUE(program->DialogBoxes().empty()) << program->DescribeOpenBoxes();
    EXPECT_EQ(program->Text(ids::Text1(4)), L"C:\\before\\XVLITE.EXE");
}

TEST_F(BrowseTest, CancelOnTheOfferChangesNothing) {
    PressBrowseAndExpectTheOffer().Answer(IDCANCEL);
    program->PostClick(ids::CheckBox1(5));
    ASSERT_TRUE(WaitUntil([&] { return program->CheckState(ids::CheckBox1(5)) == BST_CHECKED; }));
    EXPECT_TRUE(program->DialogBoxes().empty()) << program->DescribeOpenBoxes();
    EXPECT_EQ(program->Text(ids::Text1(4)), L"");
}

} // namespace
} // namespace zw::e2e
