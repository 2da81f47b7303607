// Closing the tool: the feedback dialog and its answers, then the removal of what the tool
// brought, wherever it was started from.
#include "ToolTestSupport.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// Where the tool was unpacked, what else was there, and what must remain.
enum class Place { OwnFolderWithABlank, BesideAUsersFiles, DriveRoot };

struct Ending {
    const char* name;
    int nAnswer;
    // A press 4 design pixels inside the button's corner: within the margins of 1003 and 1004.
    bool bCornerCounts;
    int nOutcome;
    int nQuestions;
    Place place;
};

void PrintTo(const Ending& ending, std::ostream* os) {
    *os << ending.name;
}

ToolFolder::Options OptionsFor(Place place, const std::wstring& besideRoot) {
    switch (place) {
    case Place::OwnFolderWithABlank:
        return ToolFolder::Options().In(besideRoot + L" vane");
    case Place::DriveRoot:
        return ToolFolder::Options().In(L"C:\\");
    case Place::BesideAUsersFiles:
        break;
    }
    return ToolFolder::Options();
}

class ToolEnd : public testing::TestWithParam<Ending> {};

} // namespace

TEST_P(ToolEnd, ClosingAsksForFeedbackThenRemovesWhatTheToolBrought) {
    const Ending& e = GetParam();
    TempFolder neighbours;
    // A neighbour named like the first word of a folder with a blank: an unquoted removal
    // would take it.
    const std::wstring neighbour = neighbours.File(L"Kel");
    CreateDirectoryW(neighbour.c_str(), nullptr);
    WriteBytes(neighbour + L"\\keep.txt", "keep");
    ToolFolder folder(OptionsFor(e.place, neighbour));
    const std::wstring usersFile = folder.Folder() + L"\\notes.txt";
    const std::wstring usersFolder = folder.Folder() + L"\\photos";
    if (e.place == Place::BesideAUsersFiles) {
        WriteBytes(usersFile, "mine");
        CreateDirectoryW(usersFolder.c_str(), nullptr);
    }

    ToolRun tool;
    tool.Start(folder);
    ASSERT_TRUE(tool.WaitForPanel());
    tool.Ui().Click(tool.Panel(), IDC_BUTTON_CLOSE);
    const HWND hFeedback = tool.WaitForFeedback();
    ASSERT_NE(hFeedback, nullptr) << tool.session.Describe();
    EXPECT_FALSE(UiDriver::IsVisible(hFeedback, IDC_BUTTON_FEEDBACK_CLOSE));
    tool.session.Shot(UiDriver::Owner(hFeedback), L"tool-feedback");

    const RECT button = UiDriver::ScreenRect(hFeedback, e.nAnswer);
    const int nInset = tool.session.Scale(4);
    tool.Ui().Click(POINT{button.left + nInset, button.top + nInset});
    if (!e.bCornerCounts) {
        EXPECT_FALSE(tool.Ui().WaitForGone(hFeedback, 1000)) << "a press in the margin counts not";
        EXPECT_EQ(folder.CallCount("CustomerFeedbackEx"), 0);
        tool.Ui().Click(hFeedback, e.nAnswer);
    }
    ASSERT_EQ(tool.WaitForExit(), std::optional<DWORD>(0));
    const auto ended = std::chrono::steady_clock::now();
    ASSERT_EQ(folder.CallCount("CustomerFeedbackEx"), 1);
    const std::string record =
        "CustomerFeedbackEx\t10147\t1.1.22.1017\t" + std::to_string(e.nOutcome) + "\t";
    EXPECT_EQ(folder.Calls().front().rfind("InitFreedbackDll", 0), 0u);
    bool bRecorded = false;
    for (const std::string& call : folder.Calls()) {
        bRecorded = bRecorded || call.rfind(record, 0) == 0;
    }
    EXPECT_TRUE(bRecorded) << "outcome " << e.nOutcome;
    EXPECT_EQ(folder.CallCount("FeedbackQuestion"), e.nQuestions);

    // About three seconds after the end, what the tool brought is gone, and nothing else.
    const std::wstring gone =
        e.place == Place::OwnFolderWithABlank ? folder.Folder() : folder.Exe();
    EXPECT_TRUE(WaitUntilGone(gone)) << testing::PrintToString(gone);
    EXPECT_GE(std::chrono::steady_clock::now() - ended, std::chrono::milliseconds(2500));
    // One command deletes the two files, one after the other.
    EXPECT_TRUE(UiDriver::WaitFor([&] { return !folder.HasToolFiles(); }, SkinSession::kSettleMs));
    EXPECT_TRUE(PathExists(neighbour + L"\\keep.txt"));
    if (e.place == Place::BesideAUsersFiles) {
        EXPECT_TRUE(PathExists(usersFile));
        EXPECT_TRUE(PathExists(usersFolder));
    }
    if (e.place == Place::DriveRoot) {
        EXPECT_TRUE(PathExists(L"C:\\windows\\system32"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ToolEnd,
    testing::Values(Ending{"solved", IDC_BUTTON_SOLVED, false, 1, 0, Place::OwnFolderWithABlank},
                    Ending{"unsolved", IDC_BUTTON_UNSOLVED, false, 2, 1, Place::BesideAUsersFiles},
                    Ending{"more", IDC_BUTTON_MORE_SOLUTIONS, true, 3, 1, Place::DriveRoot}),
    [](const auto& p) { return std::string(p.param.name); });
