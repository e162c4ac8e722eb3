// Dialogs from templates: controls with ids, texts and rectangles, members
// attached by id, modeless and modal dialogs, the module context.
#include "test_windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace vesk {
namespace {

constexpr UINT kPanel = 7001;
constexpr UINT kAsk = 7002;
constexpr int kRun = 101;
constexpr int kCount = 102;
constexpr int kNote = 103;

ModuleContext& TestModule()
{
    static ModuleContext context("test-module");
    static bool registered = false;
    if (!registered) {
        registered = true;
        DialogTemplate panel;
        panel.id = kPanel;
        panel.style = WS_CHILD;
        panel.cx = 200;
        panel.cy = 100;
        panel.controls = {
            DialogControl{kRun, "Button", "组号", 10, 10, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
            DialogControl{kCount, "Edit", "12", 60, 10, 50, 14, WS_BORDER | WS_TABSTOP},
            DialogControl{kNote, "Static", "说明", 10, 30, 80, 10, SS_LEFT},
        };
        context.Templates().Register(panel);
        DialogTemplate ask;
        ask.id = kAsk;
        ask.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        ask.caption = "输入";
        ask.cx = 120;
        ask.cy = 60;
        ask.controls = {
            DialogControl{kCount, "Edit", "", 10, 10, 50, 14, WS_BORDER | WS_TABSTOP},
            DialogControl{IDOK, "Button", "确定", 10, 40, 40, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            DialogControl{IDCANCEL, "Button", "取消", 60, 40, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
        };
        context.Templates().Register(ask);
    }
    return context;
}

class Panel : public CDialog {
public:
    Panel() : CDialog(kPanel) {}
    CButton run;
    int initialised = 0;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++initialised;
        run.SubclassDlgItem(kRun, this);
        return TRUE;
    }
};

TEST(DialogTemplates, ControlsKeepTheirIdsTextsAndRectangles)
{
    ModuleContextGuard guard(TestModule());
    CWnd host;
    test::CreateHost(host, 600, 400);
    Panel panel;
    ASSERT_TRUE(panel.Create(kPanel, &host));
    EXPECT_EQ(panel.initialised, 1);
    EXPECT_TRUE(panel.GetStyle() & WS_CHILD);
    EXPECT_EQ(panel.GetParent()->m_hWnd, host.m_hWnd);

    const DialogUnits& units = panel.Units();
    EXPECT_GT(units.baseX, 0);
    EXPECT_GT(units.baseY, 0);
    CRect client;
    panel.GetClientRect(&client);
    EXPECT_EQ(client.Width(), units.Horizontal(200));
    EXPECT_EQ(client.Height(), units.Vertical(100));

    ASSERT_NE(panel.run.m_hWnd, nullptr);
    EXPECT_EQ(panel.run.GetDlgCtrlID(), kRun);
    EXPECT_EQ(panel.run.GetWindowText(), "组号");
    CRect rect;
    panel.run.GetWindowRect(&rect);
    panel.ScreenToClient(&rect);
    EXPECT_EQ(rect, units.ToPixels(10, 10, 40, 14));
    EXPECT_EQ(panel.GetDlgItemText(kCount), "12");
    EXPECT_EQ(panel.GetDlgItemInt(kCount), 12u);
    EXPECT_EQ(panel.GetDlgItemText(kNote), "说明");
    EXPECT_EQ(panel.GetDlgItem(999), nullptr);
    // The template's font reaches every control.
    EXPECT_NE(panel.run.GetFont()->m_hObject, nullptr);
    EXPECT_EQ(panel.run.GetFont()->m_hObject, panel.GetFont()->m_hObject);
}

TEST(DialogTemplates, FontFaceOfTheTemplateResolvesToAnInstalledCjkFont)
{
    ModuleContextGuard guard(TestModule());
    const DialogTemplate* panel = TestModule().Templates().Find(kPanel);
    ASSERT_NE(panel, nullptr);
    const QFontInfo info(DialogFont(*panel));
    EXPECT_TRUE(info.family().contains(QStringLiteral("WenQuanYi")) || info.family().contains(QStringLiteral("Noto")))
        << info.family().toStdString();
}

TEST(DialogTemplates, TemplatesAreFoundOnlyInTheCurrentContext)
{
    CWnd host;
    test::CreateHost(host);
    Panel outside;
    EXPECT_FALSE(outside.Create(kPanel, &host)); // application context: no such template
    EXPECT_EQ(&CurrentModuleContext(), &ApplicationContext());
    {
        ModuleContextGuard guard(TestModule());
        EXPECT_EQ(&CurrentModuleContext(), &TestModule());
        ModuleContext other("other");
        {
            ModuleContextGuard nested(other);
            EXPECT_EQ(&CurrentModuleContext(), &other);
        }
        EXPECT_EQ(&CurrentModuleContext(), &TestModule());
    }
    EXPECT_EQ(&CurrentModuleContext(), &ApplicationContext());
}

TEST(ScopeGuards, ContextAndWaitCursorAreRestoredWhenAnExceptionLeaves)
{
    EXPECT_THROW(
        {
            ModuleContextGuard guard(TestModule());
            CWaitCursor wait;
            EXPECT_TRUE(IsWaitCursorShown());
            throw std::runtime_error("leave");
        },
        std::runtime_error);
    EXPECT_EQ(&CurrentModuleContext(), &ApplicationContext());
    EXPECT_FALSE(IsWaitCursorShown());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        CWaitCursor outer;
        {
            CWaitCursor inner;
        }
        EXPECT_TRUE(IsWaitCursorShown());
    }
    EXPECT_FALSE(IsWaitCursorShown());
}

class AskDialog : public CDialog {
public:
    explicit AskDialog(CWnd* parent) : CDialog(kAsk, parent) {}
    CString value;
    void OnOK() override
    {
        value = GetDlgItemText(kCount);
        CDialog::OnOK();
    }
};

TEST(ModalDialogs, EndWithTheButtonPressed)
{
    ModuleContextGuard guard(TestModule());
    CWnd host;
    test::CreateHost(host);
    ScriptedInteraction script;
    script.QueueModalAction([](CDialog& dialog) {
        dialog.SetDlgItemText(kCount, "37");
        QTest::mouseClick(dialog.GetDlgItem(IDOK)->m_hWnd, Qt::LeftButton);
    });
    AskDialog ok(&host);
    EXPECT_EQ(ok.DoModal(), IDOK);
    EXPECT_EQ(ok.value, "37");
    EXPECT_EQ(ok.m_hWnd, nullptr);

    script.QueueModalAction([](CDialog& dialog) { QTest::mouseClick(dialog.GetDlgItem(IDCANCEL)->m_hWnd, Qt::LeftButton); });
    AskDialog cancel(&host);
    EXPECT_EQ(cancel.DoModal(), IDCANCEL);
    EXPECT_EQ(cancel.value, "");

    script.QueueModalAction([](CDialog& dialog) { dialog.EndDialog(17); });
    AskDialog custom(&host);
    EXPECT_EQ(custom.DoModal(), 17);
}

TEST(ModalDialogs, EscapeCancelsAndEnterConfirms)
{
    ModuleContextGuard guard(TestModule());
    PreTranslateFilter filter;
    ScriptedInteraction script;
    script.QueueModalAction([](CDialog& dialog) { QTest::keyClick(dialog.GetDlgItem(kCount)->m_hWnd, Qt::Key_Escape); });
    AskDialog escape(nullptr);
    EXPECT_EQ(escape.DoModal(), IDCANCEL);
    script.QueueModalAction([](CDialog& dialog) {
        QTest::keyClicks(dialog.GetDlgItem(kCount)->m_hWnd, "5");
        QTest::keyClick(dialog.GetDlgItem(kCount)->m_hWnd, Qt::Key_Return);
    });
    AskDialog enter(nullptr);
    EXPECT_EQ(enter.DoModal(), IDOK);
    EXPECT_EQ(enter.value, "5");
}

TEST(ModalDialogs, BlockTheWindowsBeneathWhileTheirLoopRuns)
{
    ModuleContextGuard guard(TestModule());
    CWnd host;
    test::CreateHost(host);
    ScriptedInteraction script;
    QWidget* modalInLoop = nullptr;
    QWidget* dialogWindow = nullptr;
    script.QueueModalAction([&](CDialog& dialog) {
        dialogWindow = dialog.m_hWnd;
        QTimer::singleShot(0, [&] {
            modalInLoop = QApplication::activeModalWidget();
            dialog.EndDialog(IDCANCEL);
        });
    });
    AskDialog ask(&host);
    EXPECT_EQ(ask.DoModal(), IDCANCEL);
    ASSERT_NE(dialogWindow, nullptr);
    EXPECT_EQ(modalInLoop, dialogWindow);
}

// A modal dialog run from a handler is gone when DoModal returns: the caller
// may unload the component whose code the dialog's widgets run.
TEST(ModalDialogs, AreDeletedWhenDoModalReturnsEvenInsideAHandler)
{
    ModuleContextGuard guard(TestModule());
    CWnd host;
    test::CreateHost(host);
    ScriptedInteraction script;
    QPointer<QWidget> dialogWindow;
    bool goneOnReturn = false;
    script.QueueModalAction([&](CDialog& dialog) {
        dialogWindow = dialog.m_hWnd;
        QTimer::singleShot(0, [&dialog] { dialog.EndDialog(IDOK); });
    });
    host.HandleMessage(WM_USER + 5, [&](WPARAM, LPARAM) -> LRESULT {
        AskDialog ask(&host);
        ask.DoModal();
        goneOnReturn = dialogWindow.isNull();
        return 0;
    });
    host.SendMessage(WM_USER + 5);
    EXPECT_TRUE(goneOnReturn);
}

TEST(ModalDialogs, MissingTemplateFailsWithoutShowingAnything)
{
    AskDialog missing(nullptr); // application context holds no kAsk
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_EQ(missing.m_hWnd, nullptr);
}

TEST(ModelessDialogs, PopupIsOwnedAndHidesOnCancel)
{
    ModuleContextGuard guard(TestModule());
    CWnd host;
    test::CreateHost(host);
    AskDialog dialog(&host);
    ASSERT_TRUE(dialog.Create(kAsk, &host));
    dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(dialog.GetOwner()->m_hWnd, host.m_hWnd);
    EXPECT_TRUE(dialog.m_hWnd->isWindow());
    // A captioned pop-up has the standard frame around its client.
    CRect window;
    CRect client;
    dialog.GetWindowRect(&window);
    dialog.GetClientRect(&client);
    EXPECT_EQ(window.Width() - client.Width(), 2 * GetSystemMetrics(SM_CXDLGFRAME));
    EXPECT_EQ(window.Height() - client.Height(), 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION));
    QTest::mouseClick(dialog.GetDlgItem(IDCANCEL)->m_hWnd, Qt::LeftButton);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.IsWindow());
}

} // namespace
} // namespace vesk
