// Browse buttons of the real dialog: a program found in its usual folder in the prefix and offered, and the
// shell's real folder browser when the offer is declined.
#include <shlobj.h>

#include <filesystem>

#include "harness.h"

namespace zw::e2e {
namespace {

const std::wstring Imaging = L"C:\\Program Files\\APTERYX\\APTERYX IMAGING\\";
const std::wstring Offer = L"The selected application was found in it's default location, ";
const std::wstring Accept = L".\r\n\r\nDo you want to accept the default location?";

class BrowseTest : public DialogTest {
protected:
    ~BrowseTest() override {
        std::error_code ignored;
        for (const wchar_t* made : {L"C:\\Program Files\\APTERYX", L"C:\\Imaging"})
            std::filesystem::remove_all(std::filesystem::path(made), ignored);
    }
    // Presses a Browse button and returns the offer it makes.
    Box Browse(int button) {
        PostClick(Command1 + button);
        auto box = WaitForMessageBox(L"Program Found");
        if (!box)
            throw std::runtime_error("no offer; on screen: " + OpenBoxes());
        return *box;
    }
    // Picks a folder in the browser a Browse press opens and presses its OK. The browser reads the path in
    // the program's own memory.
    void PickFolder(int button, const std::wstring& folder) {
        PostClick(Command1 + button);
        HWND browser = WaitForFolderBrowser();
        ASSERT_NE(browser, nullptr) << "no folder browser; on screen: " << OpenBoxes();
        ASSERT_NE(FindWindowExW(browser, nullptr, L"Static", L"Select Folder"), nullptr);
        DWORD id = 0;
        GetWindowThreadProcessId(browser, &id);
        HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, id);
        const SIZE_T size = (folder.size() + 1) * sizeof(wchar_t);
        void* path = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        const bool written = path != nullptr && WriteProcessMemory(process, path, folder.c_str(), size, nullptr);
        if (written)
            SendOrFail(browser, BFFM_SETSELECTIONW, TRUE, LPARAM(path));
        VirtualFreeEx(process, path, 0, MEM_RELEASE);
        CloseHandle(process);
        ASSERT_TRUE(written) << "could not hand the path to the program";
        PostMessageW(GetDlgItem(browser, IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(browser); }));
    }
};

// The XVa3 row's first usual folder holds none of its programs, the second does; the Schick rows look in the
// folder of the registered program.
TEST_F(BrowseTest, AProgramFoundInAUsualFolderIsOfferedYesTakesItAndNoOpensTheFolderBrowser) {
    Touch(Imaging + L"XVLITE.EXE");
    const std::wstring schick = Folder() + L"\\CDR";
    Touch(schick + L"\\NCDR.EXE");
    AppPath registered(L"NCDR.EXE", schick + L"\\NCDR.EXE");
    Start();
    Click(CheckBox1 + 9);
    const Box offer = Browse(6);
    EXPECT_EQ(offer.Text(), Offer + Imaging + Accept);
    offer.Answer(IDYES);
    EXPECT_TRUE(WaitUntil([&] { return Text(Text1 + 4) == Imaging + L"XVLITE.EXE"; })) << Narrow(Text(Text1 + 4));

    Click(CheckBox1 + 2);
    const Box schickOffer = Browse(7);
    EXPECT_EQ(schickOffer.Text(), Offer + schick + Accept);
    schickOffer.Answer(IDNO);
    HWND browser = WaitForFolderBrowser();
    ASSERT_NE(browser, nullptr) << "no folder browser; on screen: " << OpenBoxes();
    PostMessageW(GetDlgItem(browser, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(browser); }));
    // A click posted now is handled only after the Browse press has ended: no box may be up by then.
    PostClick(CheckBox1 + 5);
    ASSERT_TRUE(WaitUntil([&] { return Check(CheckBox1 + 5) == BST_CHECKED; }));
    EXPECT_EQ(OpenBoxes(), "");
    EXPECT_EQ(Text(Text1 + 8), schick + L"\\NCDR.EXE") << "the cancelled browser changes nothing";
}

TEST_F(BrowseTest, APickedFolderIsTakenOnlyWhenItHoldsTheProgram) {
    // Nothing in the row's usual folder: Browse goes straight to the folder browser.
    Touch(L"C:\\Imaging\\Tiger\\TIGER1.EXE");
    Start();
    Click(CheckBox1 + 3);
    SetText(Text1 + 1, L"C:\\before\\TIGER1.EXE");
    PickFolder(3, L"C:\\Imaging");
    auto box = WaitForMessageBox(L"Program Not Found");
    ASSERT_TRUE(box) << "on screen: " << OpenBoxes();
    EXPECT_EQ(box->Text(), L"The application could not be found in the selected location.\r\n\r\n"
                           L"Please select the folder that contains TIGER1.EXE.");
    box->Answer(IDOK);
    EXPECT_EQ(Text(Text1 + 1), L"C:\\before\\TIGER1.EXE");
    PickFolder(3, L"C:\\Imaging\\Tiger");
    EXPECT_TRUE(WaitUntil([&] { return Text(Text1 + 1) == L"C:\\Imaging\\Tiger\\TIGER1.EXE"; }))
        << Narrow(Text(Text1 + 1)) << "; on screen: " << OpenBoxes();
}

} // namespace
} // namespace zw::e2e
