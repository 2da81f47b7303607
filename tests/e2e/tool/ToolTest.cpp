// The real Kelvane.exe started as a user starts it, from a fresh folder with our library, and
// looked at and worked with through the driver.
#include "ToolTestSupport.h"

#include "app/PanelLayout.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

namespace {

std::string Environment(const char* pName) {
    const char* pValue = std::getenv(pName);
    return pValue != nullptr ? pValue : "";
}

PixelRect InPanel(HWND hPanel, int nId) {
    return ToPixelRect(UiDriver::RectInDialog(hPanel, nId));
}

// The feedback link's text width the tool must have measured to give the link this width.
int FeedbackWidthFor(int nLinkWidth, float s) {
    for (int w = nLinkWidth - 20; w <= nLinkWidth; ++w) {
        if (static_cast<int>(static_cast<float>(w) + 4.0f * s + 2.0f + 6.0f) == nLinkWidth) {
            return w;
        }
    }
    return -1;
}

} // namespace

TEST(ToolStart, ShowsTheShellCentredAndThePanelWithEveryControl) {
    ToolFolder folder;
    ToolRun tool;
    tool.Start(folder);
    ASSERT_TRUE(tool.WaitForPanel());
    const float s = tool.session.fScale;
    const HWND hPanel = tool.Panel();

    const PixelRect target = FrameGeometry::CentredFrameRect(
        kShellPair, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), s);
    const PixelRect panel = FrameGeometry::ContentRect(kShellPair, target, s);
    EXPECT_EQ(tool.session.ContentRect(), panel);
    EXPECT_EQ(tool.session.FrameRect(), FrameGeometry::FrameAroundContent(kShellPair, panel, s));
    EXPECT_EQ(UiDriver::Title(tool.Shell()), L"Kelvane");

    // The row of check box and links follows from the texts the tool measured.
    const int nUnit = InPanel(hPanel, IDC_STATIC_AGREEMENT).Width() / 14;
    EXPECT_GT(nUnit, 5) << "the agreement text was measured";
    const PixelRect client = ToPixelRect(UiDriver::ClientRectOnScreen(hPanel));
    const PanelLayout l =
        PanelLayout::Compute({0, 0, client.Width(), client.Height()}, s, nUnit * 14,
                             FeedbackWidthFor(InPanel(hPanel, IDC_STATIC_FEEDBACK).Width(), s));
    const std::pair<int, PixelRect> controls[] = {
        {IDC_BUTTON_CLOSE, l.close},          {IDC_BUTTON_MINIMIZE, l.minimize},
        {IDC_STATIC_TITLE, l.title},          {IDC_BUTTON_LARGE, l.large},
        {IDC_BUTTON_MEDIUM, l.medium},        {IDC_BUTTON_SMALL, l.small},
        {IDC_BUTTON_MORE_TOOLS, l.moreTools}, {IDC_CHECK_AGREE, l.check},
        {IDC_STATIC_AGREEMENT, l.agreement},  {IDC_STATIC_FEEDBACK, l.feedback}};
    for (const auto& [nId, rc] : controls) {
        EXPECT_EQ(InPanel(hPanel, nId), rc) << "control " << nId;
        EXPECT_TRUE(UiDriver::IsVisible(hPanel, nId)) << "control " << nId;
    }
    EXPECT_EQ(tool.Ui().Text(hPanel, IDC_STATIC_TITLE), L"1.1.22.1017");
    EXPECT_EQ(SendMessageW(UiDriver::Control(hPanel, IDC_CHECK_AGREE), BM_GETCHECK, 0, 0),
              BST_CHECKED);
    for (int nId : {IDC_BUTTON_LARGE, IDC_BUTTON_MEDIUM, IDC_BUTTON_SMALL}) {
        EXPECT_TRUE(UiDriver::IsEnabled(hPanel, nId)) << nId;
    }
    EXPECT_TRUE(UiDriver::WaitFor([&] { return folder.CallCount("GetToolIsNewVersion") == 1; },
                                  SkinSession::kSettleMs));
    EXPECT_EQ(folder.CallCount("InitFreedbackDll"), 1);
    tool.session.ShotAround({tool.Shell()}, L"tool-started");
}

TEST(ToolStart, EscapeAndEnterChangeNothingAndAltF4Closes) {
    ToolFolder folder;
    ToolRun tool;
    tool.Start(folder);
    ASSERT_TRUE(tool.WaitForPanel());
    const PixelRect shell = tool.session.FrameRect();
    for (WORD vk : {VK_ESCAPE, VK_RETURN}) {
        tool.Ui().Key(tool.Panel(), vk);
        // The shell hands the keyboard to its panel as soon as it is activated; keys reach it
        // only as messages in its queue.
        PostMessageW(tool.Shell(), WM_KEYDOWN, vk, 0);
    }
    EXPECT_FALSE(tool.WaitForExit(1000).has_value());
    EXPECT_TRUE(UiDriver::IsVisible(tool.Panel()));
    EXPECT_EQ(tool.session.FrameRect(), shell);
    // Alt+F4 closes the tool as its close button does, never hiding the panel alone.
    tool.Ui().Keys(tool.Panel(), {VK_MENU, VK_F4});
    EXPECT_NE(tool.WaitForFeedback(), nullptr);
    EXPECT_TRUE(UiDriver::IsVisible(tool.Panel()));
}

TEST(ToolStart, TheWindowMenuOpensTheAboutBox) {
    ToolFolder folder;
    ToolRun tool;
    tool.Start(folder);
    ASSERT_TRUE(tool.WaitForPanel());
    // As the About entry of the shell's window menu does.
    PostMessageW(tool.Shell(), WM_SYSCOMMAND, 0x0010, 0);
    const HWND hAbout = tool.Ui().WaitForWindow(L"关于 VandrellKelvane", SkinSession::kStartMs);
    ASSERT_NE(hAbout, nullptr) << tool.session.Describe();
    EXPECT_EQ(UiDriver::Owner(hAbout), tool.Shell());
    tool.session.Shot(hAbout, L"tool-about");
    tool.Ui().Click(hAbout, IDOK);
    EXPECT_TRUE(tool.Ui().WaitForGone(hAbout, SkinSession::kSettleMs));
    EXPECT_TRUE(UiDriver::IsVisible(tool.Panel()));
}

// A maker's library brings DLLs of its own beside it: they load with it.
TEST(ToolStart, StartsWithALibraryThatBringsAHelperDll) {
    ToolFolder folder(ToolFolder::Options().WithHelper());
    ToolRun tool;
    tool.Start(folder);
    ASSERT_TRUE(tool.WaitForPanel()) << tool.session.Describe();
    EXPECT_EQ(folder.CallCount("InitFreedbackDll"), 1);
}

// A start-up path that ends the tool: its record, its prompt, exit code 0, the folder kept.
struct FatalPath {
    const char* name;
    ToolFolder::Options options;
    const wchar_t* record;
    const wchar_t* prompt;
};

void PrintTo(const FatalPath& path, std::ostream* os) {
    *os << path.name;
}

class ToolFatal : public testing::TestWithParam<FatalPath> {};

TEST_P(ToolFatal, LogsShowsItsPromptAndEndsKeepingTheFolder) {
    DeleteFileW(ToolLogFile(L"Dorrin.txt").c_str());
    ToolFolder folder(GetParam().options);
    ToolRun tool;
    tool.Start(folder);
    const SkinWindow prompt = tool.WaitForPrompt();
    ASSERT_NE(prompt.hContent, nullptr) << tool.session.Describe();
    EXPECT_EQ(tool.PromptText(prompt), GetParam().prompt);
    tool.session.Shot(prompt.hFrame, std::wstring(L"tool-fatal-") + FromUtf8(GetParam().name));
    tool.Ui().Click(prompt.hContent, IDC_BUTTON_PROMPT_OK);
    EXPECT_EQ(tool.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(OnlyLogRecord(ToolLogFile(L"Dorrin.txt")), GetParam().record);
    EXPECT_TRUE(folder.Exists());
    // The library is loaded only to be initialised at once: an unsupported system never loads it.
    EXPECT_EQ(folder.CallCount("InitFreedbackDll"), std::string(GetParam().name) == "refusing");
}

INSTANTIATE_TEST_SUITE_P(
    Library, ToolFatal,
    testing::Values(FatalPath{"missing", ToolFolder::Options().WithoutLibrary(), L"加载反馈DLL失败",
                              L"工具初始化失败"},
                    FatalPath{"refusing", ToolFolder::Options().Result(L"InitFreedbackDll=0"),
                              L"初始化反馈DLL失败", L"工具初始化失败"}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(System, ToolFatal,
                         testing::Values(FatalPath{"unsupported", ToolFolder::Options(),
                                                   L"此工具不支持当前系统",
                                                   L"此工具不支持当前系统"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ToolVersionCheck, ANewerVersionShowsTheNoticeThenTheDownloadPageAndEnds) {
    ToolFolder folder(ToolFolder::Options().Result(L"GetToolIsNewVersion=3"));
    ToolRun tool;
    tool.Start(folder);
    const SkinWindow prompt = tool.WaitForPrompt();
    ASSERT_NE(prompt.hContent, nullptr) << tool.session.Describe();
    EXPECT_EQ(tool.PromptText(prompt), L"检测到当前工具有新的版本，请下载最新版本使用。");
    EXPECT_EQ(folder.CallCount("OpenToolDownUrl"), 0) << "not before the prompt is answered";
    tool.Ui().Click(prompt.hContent, IDC_BUTTON_PROMPT_OK);
    EXPECT_EQ(tool.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(folder.CallCount("OpenToolDownUrl"), 1);
    EXPECT_EQ(folder.CallCount("GetToolIsNewVersion"), 1);
    EXPECT_TRUE(folder.Exists());
}

// Under each system the test bed plays: the checks ask WMIC only where they must, from the
// system folder, and never run a program planted beside the tool or in its current folder.
TEST(ToolStartupChecks, AskOnlyTheSystemsOwnPrograms) {
    ToolFolder folder(ToolFolder::Options().Planted());
    ToolRun tool;
    tool.Start(folder);
    ASSERT_TRUE(tool.WaitForPanel());
    const std::vector<std::string> wmic = folder.FixtureCalls("wmic");
    EXPECT_EQ(std::to_string(wmic.size()), Environment("KELVANE_EXPECT_QUERIES"));
    for (std::string call : wmic) {
        EXPECT_NE(call.find("OS List status"), std::string::npos) << call;
        for (char& c : call) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_NE(call.find("\tcwd=c:\\windows\\system32\t"), std::string::npos) << call;
    }
    EXPECT_TRUE(folder.FixtureCalls("planted").empty());
}
