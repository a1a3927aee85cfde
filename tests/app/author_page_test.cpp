// The author page built from the real resources: the product list, and the link buttons with the
// shell call replaced, so that no browser is ever started.
#include "app_fixture.h"
#include "page_author.h"

#include <string>
#include <vector>

namespace {

constexpr int authorTab = 4;

struct ShellCall {
    HWND owner;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int show;
};

std::vector<ShellCall> shellCalls;
int succeedOnCall = -1;  // index of the call that succeeds; -1: every call fails

HINSTANCE recordingShellOpen(HWND owner, const char* verb, const char* file, const char* parameters,
                             const char* directory, int show) {
    shellCalls.push_back({owner, verb ? verb : "", file ? file : "", parameters ? parameters : "",
                          directory ? directory : "", show});
    const bool success = static_cast<int>(shellCalls.size()) - 1 == succeedOnCall;
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(success ? 42 : 2));
}

class AuthorPageTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        shellCalls.clear();
        succeedOnCall = -1;
        shellOpen = recordingShellOpen;
    }
    void openAuthor() {
        createMainWindow();
        selectTab(authorTab);
        ASSERT_NE(currentPage, nullptr);
    }
    HWND list() const { return GetDlgItem(currentPage, IDC_PRODUCT_LIST); }
};

TEST_F(AuthorPageTest, TheLogoBitmapIsDrawnAt287By53) {
    openAuthor();
    HWND logo = GetDlgItem(currentPage, IDC_AUTHOR_LOGO);
    ASSERT_NE(logo, nullptr);
    EXPECT_TRUE(IsWindowVisible(logo));
    RECT expected = {287, 53, 0, 0};
    MapDialogRect(currentPage, &expected);
    RECT placed;
    GetWindowRect(logo, &placed);
    MapWindowPoints(nullptr, currentPage, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, expected.left);
    EXPECT_EQ(placed.top, expected.top);
    EXPECT_EQ(placed.right - placed.left, 160);
    EXPECT_EQ(placed.bottom - placed.top, 32);

    // What the control shows on screen: the banner's green field below the last line, and the gold
    // of the crescent.
    UpdateWindow(currentPage);
    HDC screen = GetDC(logo);
    const COLORREF field = GetPixel(screen, 100, 28);
    const COLORREF crescent = GetPixel(screen, 8, 16);
    ReleaseDC(logo, screen);
    EXPECT_EQ(field, RGB(40, 130, 70));
    EXPECT_EQ(crescent, RGB(245, 196, 60));
}

TEST_F(AuthorPageTest, ListShowsEveryRowWithTheProgramIcon) {
    openAuthor();
    ASSERT_EQ(SendMessageA(list(), LVM_GETITEMCOUNT, 0, 0), productListRows);

    char title[64] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = title;
    column.cchTextMax = sizeof title;
    ASSERT_TRUE(SendMessageA(list(), LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(title, "Other Author softwares");
    EXPECT_EQ(column.cx, 540);
    column.mask = LVCF_WIDTH;
    EXPECT_FALSE(SendMessageA(list(), LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column)));

    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(list(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 1);
    for (int row = 0; row < productListRows; ++row) {
        char text[productTextSize] = {};
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = row;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ASSERT_TRUE(SendMessageA(list(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        EXPECT_STREQ(text, productList[row]);
        EXPECT_EQ(item.iImage, 0);
        const std::string entry = text;
        EXPECT_TRUE(entry.find(" - [ Freeware ] - ") != std::string::npos ||
                    entry.find(" - [ Shareware ] - ") != std::string::npos)
            << entry;
    }
}

TEST_F(AuthorPageTest, EachButtonOpensItsOwnAddressAndMinimisesTheWindow) {
    const struct {
        int button;
        const char* address;
    } buttons[] = {
        {IDC_AUTHOR_SITE, "http://selvara.example.org/"},
        {IDC_AUTHOR_DOWNLOADS, "http://downloads.example.com/selvara/"},
        {IDC_AUTHOR_RESOURCES, "http://selvara.example.org/resources/"},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.address);
        shellCalls.clear();
        succeedOnCall = 0;
        openAuthor();
        HWND page = currentPage;
        pressButton(b.button);
        ASSERT_EQ(shellCalls.size(), 1u);
        EXPECT_EQ(shellCalls[0].verb, "open");
        EXPECT_EQ(shellCalls[0].file, "Iexplore.exe");
        EXPECT_EQ(shellCalls[0].parameters, b.address);
        EXPECT_EQ(shellCalls[0].directory, programDirectory);
        EXPECT_EQ(shellCalls[0].owner, window);
        EXPECT_EQ(shellCalls[0].show, SW_SHOWNORMAL);
        EXPECT_TRUE(IsIconic(window));
        EXPECT_FALSE(IsWindowVisible(page));  // the page ended; the tab stays selected
        EXPECT_EQ(selectedTab(), authorTab);
        DestroyWindow(window);
        window = nullptr;
        currentPage = nullptr;
    }
}

TEST_F(AuthorPageTest, FallsBackToTheOtherBrowserThenToTheSystemsChoice) {
    openAuthor();
    succeedOnCall = 1;
    pressButton(IDC_AUTHOR_SITE);
    ASSERT_EQ(shellCalls.size(), 2u);
    EXPECT_EQ(shellCalls[1].file, "Netscape.exe");
    EXPECT_EQ(shellCalls[1].parameters, "http://selvara.example.org/");
    EXPECT_TRUE(IsIconic(window));

    ShowWindow(window, SW_RESTORE);
    selectTab(authorTab);
    shellCalls.clear();
    succeedOnCall = 2;
    pressButton(IDC_AUTHOR_DOWNLOADS);
    ASSERT_EQ(shellCalls.size(), 3u);
    EXPECT_EQ(shellCalls[0].file, "Iexplore.exe");
    EXPECT_EQ(shellCalls[1].file, "Netscape.exe");
    EXPECT_EQ(shellCalls[2].file, "http://downloads.example.com/selvara/");
    EXPECT_EQ(shellCalls[2].parameters, "");
    EXPECT_TRUE(IsIconic(window));
}

TEST_F(AuthorPageTest, NothingOpensShowsTheMessageAndKeepsThePage) {
    openAuthor();
    HWND page = currentPage;
    MessageBoxWatcher watcher;
    pressButton(IDC_AUTHOR_RESOURCES);
    const MessageBoxSeen seen = watcher.result();
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, "Error while opening Netscape.exe or Iexplore.exe");
    EXPECT_EQ(shellCalls.size(), 3u);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(page));
    EXPECT_EQ(currentPage, page);
}

}  // namespace
