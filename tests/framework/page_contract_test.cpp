// What the pages rely on beyond the basic controls: dialog keys in nested
// modal loops, digits-only edits, combo focus notifications, control colours
// asked of the parent, file-dialog extensions and child lookup by id.
#include "test_windows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace vesk {
namespace {

constexpr UINT kOuter = 7101;
constexpr UINT kDigits = 7102;
constexpr int kValue = 201;
constexpr int kOpenInner = 202;

ModuleContext& KeysModule()
{
    static ModuleContext context("keys-module");
    static bool registered = false;
    if (!registered) {
        registered = true;
        DialogTemplate outer;
        outer.id = kOuter;
        outer.style = WS_POPUP | WS_CAPTION;
        outer.cx = 120;
        outer.cy = 60;
        outer.controls = {
            DialogControl{kOpenInner, "Button", "输入", 10, 10, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
            DialogControl{IDCANCEL, "Button", "关闭", 60, 40, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
        };
        context.Templates().Register(outer);
        DialogTemplate digits;
        digits.id = kDigits;
        digits.style = WS_POPUP | WS_CAPTION;
        digits.cx = 120;
        digits.cy = 60;
        digits.controls = {
            DialogControl{kValue, "Edit", "", 10, 10, 50, 14, WS_BORDER | WS_TABSTOP | ES_NUMBER},
            DialogControl{IDOK, "Button", "确定", 10, 40, 40, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_DISABLED},
            DialogControl{IDCANCEL, "Button", "取消", 60, 40, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
        };
        context.Templates().Register(digits);
    }
    return context;
}

// A number-input dialog whose OK button is enabled only by the caller.
class DigitsDialog : public CDialog {
public:
    explicit DigitsDialog(CWnd* parent) : CDialog(kDigits, parent) {}
    CString typed;
    int okCount = 0;
    int cancelCount = 0;
    void OnCancel() override
    {
        ++cancelCount;
        CDialog::OnCancel();
    }
    void OnOK() override
    {
        ++okCount;
        typed = GetDlgItemText(kValue);
        CDialog::OnOK();
    }
};

TEST(DialogKeys, EnterDoesNothingWhileOkIsDisabled)
{
    ModuleContextGuard guard(KeysModule());
    PreTranslateFilter filter;
    ScriptedInteraction script;
    DigitsDialog* seen = nullptr;
    script.QueueModalAction([&seen](CDialog& dialog) {
        seen = static_cast<DigitsDialog*>(&dialog);
        QWidget* edit = dialog.GetDlgItem(kValue)->m_hWnd;
        QTest::keyClicks(edit, "12");
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(seen->okCount, 0);
        EXPECT_TRUE(dialog.IsWindowVisible());
        dialog.GetDlgItem(IDOK)->EnableWindow(TRUE);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    DigitsDialog dialog(nullptr);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.okCount, 1);
    EXPECT_EQ(dialog.typed, "12");
}

// Opens the digits dialog from its button, as a page opens its input dialog.
class OuterDialog : public CDialog {
public:
    OuterDialog() : CDialog(kOuter) {}
    INT_PTR innerResult = 0;
    CString innerText;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        HandleCommand(kOpenInner, BN_CLICKED, [this] {
            DigitsDialog inner(this);
            innerResult = inner.DoModal();
            innerText = inner.typed;
        });
        return TRUE;
    }
};

TEST(DialogKeys, ModalDialogOpenedByAKeyPreTranslatesItsOwnInput)
{
    ModuleContextGuard guard(KeysModule());
    PreTranslateFilter filter;
    ScriptedInteraction script;
    // Enter on the focused button opens the inner dialog while the outer key
    // is still being pre-translated.
    script.QueueModalAction([](CDialog& outer) {
        QWidget* button = outer.GetDlgItem(kOpenInner)->m_hWnd;
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(outer.GetDlgItem(IDCANCEL)->m_hWnd, Qt::Key_Escape);
    });
    script.QueueModalAction([](CDialog& inner) {
        QWidget* edit = inner.GetDlgItem(kValue)->m_hWnd;
        QTest::keyClicks(edit, "4a5");
        EXPECT_EQ(static_cast<QLineEdit*>(edit)->text(), QStringLiteral("45"));
        QTest::keyClick(edit, Qt::Key_Escape);
        if (static_cast<DigitsDialog&>(inner).cancelCount == 0) {
            ADD_FAILURE() << "Escape did not reach the inner dialog";
            inner.EndDialog(IDABORT); // end the loop, so the test does not hang
        }
    });
    OuterDialog outer;
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(outer.innerResult, IDCANCEL); // Escape reached the inner dialog
}

TEST(NumberEdits, AcceptOnlyDigitsTypedOrPasted)
{
    CWnd host;
    test::CreateHost(host);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_NUMBER, CRect(0, 0, 100, 20), &host, 9));
    auto* line = static_cast<QLineEdit*>(edit.m_hWnd);
    QTest::keyClicks(line, "1x2 -3");
    EXPECT_EQ(edit.GetWindowText(), "123");
    line->insert(QStringLiteral("4五6"));
    EXPECT_EQ(edit.GetWindowText(), "123"); // a paste with a non-digit is refused whole
    line->insert(QStringLiteral("456"));
    EXPECT_EQ(edit.GetWindowText(), "123456");
    // The program may still set any text, as on the system.
    edit.SetWindowText("7a");
    EXPECT_EQ(edit.GetWindowText(), "7a");

    CEdit plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 100, 50), &host, 10));
    QTest::keyClicks(plain.m_hWnd, "a1");
    EXPECT_EQ(plain.GetWindowText(), "a1");
}

TEST(ComboFocus, SetAndKillFocusReachTheParentButNotForTheOwnList)
{
    for (const DWORD type : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        test::RecordingWnd host;
        host.watched = {WM_COMMAND};
        test::CreateHost(host);
        host.m_hWnd->activateWindow();
        CComboBox combo;
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | type, CRect(0, 0, 100, 20), &host, 6));
        combo.AddString("a");
        combo.AddString("b");
        CEdit other;
        ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(0, 40, 100, 60), &host, 7));
        const auto codes = [&host] {
            std::vector<UINT> out;
            for (const test::Recorded& r : host.messages)
                if (LOWORD(r.wParam) == 6 && HIWORD(r.wParam) != CBN_SELCHANGE)
                    out.push_back(HIWORD(r.wParam));
            return out;
        };
        combo.SetFocus();
        test::Pump();
        EXPECT_EQ(codes(), std::vector<UINT>{CBN_SETFOCUS}) << type;
        host.messages.clear();
        combo.ShowDropDown(TRUE);
        test::Pump();
        combo.ShowDropDown(FALSE);
        test::Pump();
        EXPECT_EQ(codes(), (std::vector<UINT>{CBN_DROPDOWN, CBN_CLOSEUP})) << type;
        host.messages.clear();
        other.SetFocus();
        test::Pump();
        EXPECT_EQ(codes(), std::vector<UINT>{CBN_KILLFOCUS}) << type;
    }
}

// A page that colours its controls the way the workbench's pages do.
class ColouringPage : public CWnd {
public:
    CBrush brush{RGB(250, 252, 254)};
    COLORREF editText = RGB(0, 0, 255);
    int asked = 0;
    std::vector<UINT> kinds;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        auto* dc = reinterpret_cast<CDC*>(wParam);
        if (message == WM_CTLCOLOREDIT) {
            ++asked;
            kinds.push_back(message);
            const LRESULT standard = CWnd::WindowProc(message, wParam, lParam);
            dc->SetTextColor(editText);
            return standard;
        }
        if (message == WM_CTLCOLORSTATIC) {
            ++asked;
            kinds.push_back(message);
            dc->SetBkMode(TRANSPARENT);
            return reinterpret_cast<LRESULT>(static_cast<HBRUSH>(brush));
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

bool HasBluePixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 100 && c.green() < 100)
                return true;
        }
    return false;
}

TEST(ControlColours, ParentColoursEditTextAndStaticBackgrounds)
{
    ColouringPage page;
    page.Create(nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(50, 50, 350, 250), nullptr, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.m_hWnd));
    CEdit text;
    ASSERT_TRUE(text.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 80), &page, 11));
    text.SetWindowText("123 456");
    CStatic label;
    ASSERT_TRUE(label.Create("说明", WS_CHILD | WS_VISIBLE, CRect(0, 100, 100, 120), &page, 12));
    const QImage edit = text.m_hWnd->grab().toImage();
    const QImage labelImage = label.m_hWnd->grab().toImage();

    EXPECT_GE(page.asked, 2);
    EXPECT_NE(std::find(page.kinds.begin(), page.kinds.end(), WM_CTLCOLOREDIT), page.kinds.end());
    EXPECT_NE(std::find(page.kinds.begin(), page.kinds.end(), WM_CTLCOLORSTATIC), page.kinds.end());
    // The edit keeps its own (white) background and draws its text blue.
    EXPECT_TRUE(HasBluePixel(edit));
    EXPECT_EQ(edit.pixelColor(edit.width() - 20, edit.height() - 10), QColor(Qt::white));
    // The static fills itself with the page brush.
    EXPECT_EQ(labelImage.pixelColor(labelImage.width() - 2, labelImage.height() - 2), QColor(250, 252, 254));

    // A parent that stops colouring gives the edit its own text colour back.
    page.editText = RGB(0, 0, 0);
    text.Invalidate();
    EXPECT_FALSE(HasBluePixel(text.m_hWnd->grab().toImage()));
}

TEST(ControlColours, ReadOnlyEditsAskAsStatics)
{
    ColouringPage page;
    page.Create(nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(50, 50, 350, 250), nullptr, 0);
    CEdit readOnly;
    ASSERT_TRUE(readOnly.Create(WS_CHILD | WS_VISIBLE | ES_READONLY, CRect(0, 0, 100, 20), &page, 13));
    (void)readOnly.m_hWnd->grab();
    ASSERT_FALSE(page.kinds.empty());
    EXPECT_EQ(page.kinds.back(), WM_CTLCOLORSTATIC);
    // ...and so take the page's brush as their background.
    const QImage image = readOnly.m_hWnd->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() - 3), QColor(250, 252, 254));
}

TEST(FileDialogs, DefaultExtensionFollowsThePickedFilterAndListsAreSplit)
{
    const char* filter = "号码文件(*.txt)|*.txt|缩水数据文件(*.flt)|*.flt|EXCEL文件(*.xls)|*.xls||";
    ScriptedInteraction script;
    const auto saveAs = [&](int filterIndex) {
        script.QueueFileDialogAnswer({true, {"/tmp/数据"}, filterIndex});
        CFileDialog save(FALSE, "*.txt|*.flt|*.xls", "数据", OFN_OVERWRITEPROMPT, filter);
        EXPECT_EQ(save.DoModal(), IDOK);
        return save.GetPathName();
    };
    EXPECT_EQ(saveAs(1), "/tmp/数据.txt");
    EXPECT_EQ(saveAs(2), "/tmp/数据.flt");
    EXPECT_EQ(saveAs(3), "/tmp/数据.xls");

    FileDialogRequest request;
    request.defaultExtension = "*.txt|*.flt";
    request.filter = "所有文件(*.*)|*.*||";
    EXPECT_EQ(DefaultExtensionFor(request, 1), "txt"); // "*.*" names no extension
    EXPECT_EQ(DefaultExtensionFor(request, 5), "txt"); // no such filter
    request.defaultExtension = "";
    EXPECT_EQ(DefaultExtensionFor(request, 1), "");
    EXPECT_EQ(WithDefaultExtension("/a/b", ""), "/a/b");
    EXPECT_EQ(WithDefaultExtension("/a/b", "*.txt|*.flt"), "/a/b"); // a list is never glued on
    EXPECT_EQ(WithDefaultExtension("/a/b.TXT", "flt"), "/a/b.TXT");
}

TEST(DialogItems, GetDlgItemFindsDirectChildrenOnly)
{
    CWnd host;
    test::CreateHost(host);
    CWnd pane;
    ASSERT_TRUE(pane.Create(nullptr, "pane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &host, 1));
    CEdit inner;
    ASSERT_TRUE(inner.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &pane, 77));
    EXPECT_EQ(host.GetDlgItem(77), nullptr);
    EXPECT_EQ(pane.GetDlgItem(77)->m_hWnd, inner.m_hWnd);
    EXPECT_EQ(host.GetDlgItem(1)->m_hWnd, pane.m_hWnd);
}

} // namespace
} // namespace vesk
