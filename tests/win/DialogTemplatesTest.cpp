// The dialog templates and skin images as the shipped executables carry them: the windows
// find their controls by id and class, and the skin by id, type and language.
#include "WinTestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr WORD kChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

// A control's class or a template's name: either a string or an ordinal.
struct NameOrOrdinal {
    std::wstring name;
    WORD ordinal = 0;
    bool bOrdinal = false;
};

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    DWORD id = 0;
    std::wstring className; // lower case; predefined ordinals mapped to their names
    NameOrOrdinal text;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short cx = 0;
    short cy = 0;
    std::wstring caption;
    WORD pointSize = 0;
    BYTE charSet = 0;
    std::wstring face;
    std::vector<DialogItem> items;
};

// Reads DLGTEMPLATEEX with every length checked; nullopt for anything else or anything short.
class TemplateReader {
public:
    TemplateReader(const BYTE* p, std::size_t n) : m_p(p), m_n(n) {}

    std::optional<DialogTemplate> Read() {
        DialogTemplate dlg;
        WORD version = 0, signature = 0, count = 0;
        DWORD helpId = 0;
        short x = 0, y = 0;
        if (!Get(version) || !Get(signature) || version != 1 || signature != 0xFFFF ||
            !Get(helpId) || !Get(dlg.exStyle) || !Get(dlg.style) || !Get(count) || !Get(x) ||
            !Get(y) || !Get(dlg.cx) || !Get(dlg.cy)) {
            return std::nullopt;
        }
        NameOrOrdinal menu, windowClass, caption;
        if (!GetNameOrOrdinal(menu) || !GetNameOrOrdinal(windowClass) ||
            !GetNameOrOrdinal(caption) || caption.bOrdinal) {
            return std::nullopt;
        }
        dlg.caption = caption.name;
        if ((dlg.style & (DS_SETFONT | DS_SHELLFONT)) != 0) {
            WORD weight = 0;
            BYTE italic = 0;
            if (!Get(dlg.pointSize) || !Get(weight) || !Get(italic) || !Get(dlg.charSet) ||
                !GetString(dlg.face)) {
                return std::nullopt;
            }
        }
        for (WORD i = 0; i < count; ++i) {
            DialogItem item;
            NameOrOrdinal itemClass;
            WORD extra = 0;
            short position[4] = {};
            m_at = (m_at + 3) & ~std::size_t{3};
            if (!Get(helpId) || !Get(item.exStyle) || !Get(item.style) || !Get(position) ||
                !Get(item.id) || !GetNameOrOrdinal(itemClass) || !GetNameOrOrdinal(item.text) ||
                !Get(extra) || m_n - m_at < extra) {
                return std::nullopt;
            }
            m_at += extra;
            item.className = ClassName(itemClass);
            dlg.items.push_back(item);
        }
        return dlg;
    }

private:
    template <typename T> bool Get(T& value) {
        if (m_n - m_at < sizeof(T)) {
            return false;
        }
        std::memcpy(&value, m_p + m_at, sizeof(T));
        m_at += sizeof(T);
        return true;
    }
    bool GetString(std::wstring& text) {
        for (;;) {
            wchar_t c = 0;
            if (!Get(c)) {
                return false;
            }
            if (c == L'\0') {
                return true;
            }
            text += c;
        }
    }
    bool GetNameOrOrdinal(NameOrOrdinal& value) {
        WORD first = 0;
        if (!Get(first)) {
            return false;
        }
        if (first == 0xFFFF) {
            value.bOrdinal = true;
            return Get(value.ordinal);
        }
        if (first == 0) {
            return true;
        }
        value.name = static_cast<wchar_t>(first);
        return GetString(value.name);
    }
    static std::wstring ClassName(const NameOrOrdinal& value) {
        if (value.bOrdinal) {
            switch (value.ordinal) {
            case 0x0080:
                return L"button";
            case 0x0081:
                return L"edit";
            case 0x0082:
                return L"static";
            default:
                return L"#" + std::to_wstring(value.ordinal);
            }
        }
        std::wstring name = value.name;
        for (wchar_t& c : name) {
            c = static_cast<wchar_t>(std::towlower(c));
        }
        return name;
    }

    const BYTE* m_p;
    std::size_t m_n;
    std::size_t m_at = 0;
};

// What each kind of skinned control needs from its template.
enum class Kind { OwnerDrawn, AutoCheckBox, Label };

struct ExpectedControl {
    DWORD id;
    Kind kind;
    const wchar_t* text; // null where the template text is never shown
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) {
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
    return TRUE;
}

class ExecutableTemplates : public BuiltExecutableTest {
protected:
    std::vector<WORD> Languages(LPCWSTR type, UINT nId) const {
        std::vector<WORD> languages;
        EnumResourceLanguagesW(m_hModule, type, MAKEINTRESOURCEW(nId), CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        return languages;
    }

    // The bytes of a Chinese (PRC) resource; empty when there is none in that language.
    std::string ChineseResource(LPCWSTR type, UINT nId) const {
        HRSRC hInfo = FindResourceExW(m_hModule, type, MAKEINTRESOURCEW(nId), kChinesePrc);
        if (hInfo == nullptr) {
            return {};
        }
        const auto* p = static_cast<const char*>(LockResource(LoadResource(m_hModule, hInfo)));
        return p != nullptr ? std::string(p, SizeofResource(m_hModule, hInfo)) : std::string();
    }

    std::optional<DialogTemplate> Dialog(UINT nId) const {
        const std::string bytes = ChineseResource(RT_DIALOG, nId);
        return TemplateReader(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size()).Read();
    }

    // The skinned dialogs: the font the labels derive theirs from, nothing the layered frame
    // cannot carry, and the controls in template order.
    void ExpectSkinned(UINT nId, DWORD style, const std::vector<ExpectedControl>& controls) {
        SCOPED_TRACE("template " + std::to_string(nId));
        EXPECT_EQ(Languages(RT_DIALOG, nId), std::vector<WORD>{kChinesePrc});
        const auto dlg = Dialog(nId);
        ASSERT_TRUE(dlg.has_value());
        EXPECT_EQ(dlg->style, style);
        EXPECT_EQ(dlg->exStyle & WS_EX_LAYERED, 0u);
        EXPECT_EQ(dlg->face, L"宋体");
        EXPECT_EQ(dlg->pointSize, 10);
        EXPECT_EQ(dlg->caption, L"");
        ASSERT_EQ(dlg->items.size(), controls.size());
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const DialogItem& item = dlg->items[i];
            const ExpectedControl& expected = controls[i];
            SCOPED_TRACE("control " + std::to_string(expected.id));
            EXPECT_EQ(item.id, expected.id);
            EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE), DWORD{WS_CHILD | WS_VISIBLE});
            switch (expected.kind) {
            case Kind::OwnerDrawn:
                EXPECT_EQ(item.className, L"button");
                EXPECT_EQ(item.style & BS_TYPEMASK, DWORD{BS_OWNERDRAW});
                EXPECT_NE(item.style & WS_TABSTOP, 0u);
                break;
            case Kind::AutoCheckBox:
                EXPECT_EQ(item.className, L"button");
                EXPECT_EQ(item.style & BS_TYPEMASK, DWORD{BS_AUTOCHECKBOX});
                EXPECT_NE(item.style & WS_TABSTOP, 0u);
                break;
            case Kind::Label:
                // No SS_NOTIFY: clicks on a label belong to its dialog.
                EXPECT_EQ(item.className, L"static");
                EXPECT_EQ(item.style & SS_TYPEMASK, DWORD{SS_LEFT});
                EXPECT_EQ(item.style & SS_NOTIFY, 0u);
                EXPECT_NE(item.style & WS_GROUP, 0u);
                break;
            }
            EXPECT_FALSE(item.text.bOrdinal);
            if (expected.text != nullptr) {
                EXPECT_EQ(item.text.name, expected.text);
            }
        }
    }
};

constexpr DWORD kFrameStyle = WS_POPUP | WS_SYSMENU | DS_SETFONT;
constexpr DWORD kContentStyle = WS_POPUP | DS_SETFONT;

} // namespace

TEST_P(ExecutableTemplates, ShellIsAVisibleAppWindowWithoutControls) {
    ExpectSkinned(102, kFrameStyle | WS_VISIBLE, {});
    const auto dlg = Dialog(102);
    ASSERT_TRUE(dlg.has_value());
    EXPECT_EQ(dlg->exStyle, DWORD{WS_EX_APPWINDOW});
    EXPECT_EQ(dlg->cx, 457);
    EXPECT_EQ(dlg->cy, 369);
}

TEST_P(ExecutableTemplates, MainPanelHoldsItsTenControlsInTabOrder) {
    ExpectSkinned(146, kFrameStyle,
                  {{1018, Kind::OwnerDrawn, L"大"},
                   {1014, Kind::OwnerDrawn, L"更多工具"},
                   {1010, Kind::AutoCheckBox, L"同意"},
                   {1015, Kind::Label, L"《Ostrel服务工具使用许可协议》"},
                   {1016, Kind::Label, L"反馈问题"},
                   {1013, Kind::Label, L"Static"},
                   {1011, Kind::OwnerDrawn, L"关闭"},
                   {1012, Kind::OwnerDrawn, L"最小化"},
                   {1019, Kind::OwnerDrawn, L"中"},
                   {1020, Kind::OwnerDrawn, L"小"}});
    const auto dlg = Dialog(146);
    ASSERT_TRUE(dlg.has_value());
    EXPECT_EQ(dlg->exStyle, 0u);
    EXPECT_EQ(dlg->cx, 457);
    EXPECT_EQ(dlg->cy, 369);
}

TEST_P(ExecutableTemplates, PromptFramesHaveNoControlsAndStayHiddenUntilRun) {
    for (const UINT nId : {139u, 131u, 134u}) {
        ExpectSkinned(nId, kFrameStyle, {});
        const auto dlg = Dialog(nId);
        ASSERT_TRUE(dlg.has_value());
        EXPECT_EQ(dlg->exStyle, 0u) << nId;
    }
}

TEST_P(ExecutableTemplates, PromptContentsHoldTheirControls) {
    ExpectSkinned(137, kContentStyle,
                  {{1006, Kind::Label, nullptr},
                   {1007, Kind::OwnerDrawn, nullptr},
                   {1008, Kind::OwnerDrawn, nullptr},
                   {1005, Kind::OwnerDrawn, nullptr}});
    ExpectSkinned(129, kContentStyle, {{1000, Kind::Label, nullptr}});
    ExpectSkinned(133, kContentStyle,
                  {{1002, Kind::OwnerDrawn, L"关闭"},
                   {1003, Kind::OwnerDrawn, L"解决"},
                   {1004, Kind::OwnerDrawn, L"未解决"},
                   {1001, Kind::OwnerDrawn, L"更多方案"}});
}

TEST_P(ExecutableTemplates, AboutBoxShowsIconVersionAndOk) {
    EXPECT_EQ(Languages(RT_DIALOG, 100), std::vector<WORD>{kChinesePrc});
    const auto dlg = Dialog(100);
    ASSERT_TRUE(dlg.has_value());
    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    EXPECT_EQ(dlg->style & frame, frame);
    EXPECT_EQ(dlg->cx, 170);
    EXPECT_EQ(dlg->cy, 62);
    EXPECT_EQ(dlg->caption, L"关于 VandrellKelvane");
    EXPECT_EQ(dlg->face, L"MS Shell Dlg");
    EXPECT_EQ(dlg->pointSize, 9);
    ASSERT_EQ(dlg->items.size(), 4u);

    const DialogItem& icon = dlg->items[0];
    EXPECT_EQ(icon.className, L"static");
    EXPECT_EQ(icon.style & SS_TYPEMASK, DWORD{SS_ICON});
    EXPECT_TRUE(icon.text.bOrdinal);
    EXPECT_EQ(icon.text.ordinal, 128);

    EXPECT_EQ(dlg->items[1].className, L"static");
    EXPECT_EQ(dlg->items[1].text.name, L"VandrellKelvane，版本 1.0");
    EXPECT_EQ(dlg->items[2].className, L"static");
    EXPECT_FALSE(dlg->items[2].text.name.empty());

    const DialogItem& ok = dlg->items[3];
    EXPECT_EQ(ok.id, DWORD{IDOK});
    EXPECT_EQ(ok.className, L"button");
    EXPECT_EQ(ok.style & BS_TYPEMASK, DWORD{BS_DEFPUSHBUTTON});
    EXPECT_EQ(ok.text.name, L"确定");
}

TEST_P(ExecutableTemplates, SkinImagesAreChinesePngResourcesWithGapsAt192To196) {
    for (UINT nId = 140; nId <= 225; ++nId) {
        const bool bExpected = nId >= 148 && nId <= 217 && (nId < 192 || nId > 196);
        if (!bExpected) {
            // In no language at all.
            EXPECT_EQ(FindResourceW(m_hModule, MAKEINTRESOURCEW(nId), L"PNG"), nullptr) << nId;
            continue;
        }
        EXPECT_EQ(Languages(L"PNG", nId), std::vector<WORD>{kChinesePrc}) << nId;
        const std::string bytes = ChineseResource(L"PNG", nId);
        ASSERT_GT(bytes.size(), 8u) << nId;
        EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << nId;
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, ExecutableTemplates, testing::ValuesIn(kBuiltExecutables),
                         [](const auto& param) { return std::string(param.param.architecture); });

namespace {

// The platform's own reading of the templates: the controls are created with the classes and
// texts the parser found, so nothing depends on the parser alone.
INT_PTR CALLBACK QuietDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

} // namespace

TEST(DialogTemplates, PlatformCreatesEachTemplateWithItsControls) {
    const std::wstring path = BuiltExecutablePath(kBuiltExecutables[0]);
    HMODULE hModule = LoadLibraryExW(path.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(hModule, nullptr);
    struct Control {
        UINT nDialog;
        int nId;
        const wchar_t* className;
        const wchar_t* text;
    };
    const Control controls[] = {
        {146, 1010, L"Button", L"同意"},
        {146, 1015, L"Static", L"《Ostrel服务工具使用许可协议》"},
        {146, 1014, L"Button", L"更多工具"},
        {137, 1007, L"Button", nullptr},
        {129, 1000, L"Static", nullptr},
        {133, 1004, L"Button", L"未解决"},
        {100, IDOK, L"Button", L"确定"},
    };
    for (const UINT nDialog : {100u, 102u, 129u, 131u, 133u, 134u, 137u, 139u, 146u}) {
        SCOPED_TRACE("template " + std::to_string(nDialog));
        HRSRC hInfo = FindResourceW(hModule, MAKEINTRESOURCEW(nDialog), RT_DIALOG);
        ASSERT_NE(hInfo, nullptr);
        const auto* pTemplate =
            static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(hModule, hInfo)));
        // The module supplies the About box's icon.
        HWND hDlg = CreateDialogIndirectParamW(hModule, pTemplate, nullptr, QuietDialogProc, 0);
        ASSERT_NE(hDlg, nullptr);
        for (const Control& control : controls) {
            if (control.nDialog != nDialog) {
                continue;
            }
            HWND hItem = GetDlgItem(hDlg, control.nId);
            ASSERT_NE(hItem, nullptr) << control.nId;
            wchar_t className[32] = {};
            GetClassNameW(hItem, className, 32);
            EXPECT_STREQ(className, control.className);
            if (control.text != nullptr) {
                wchar_t text[64] = {};
                GetWindowTextW(hItem, text, 64);
                EXPECT_STREQ(text, control.text);
            }
        }
        DestroyWindow(hDlg);
    }
    FreeLibrary(hModule);
}
