// The interaction provider: scripted message boxes, file dialogs and menu
// choices, and owner-drawn menus measured and drawn by their owner.
#include "test_windows.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(Scripted, AnswersInOrderAndRecordsWhatWasAsked)
{
    CWnd host;
    test::CreateHost(host);
    ScriptedInteraction script;
    script.QueueMessageBoxAnswer(IDYES);
    EXPECT_EQ(host.MessageBox("删除?", "提示信息", MB_YESNO | MB_ICONINFORMATION), IDYES);
    EXPECT_EQ(AfxMessageBox("再来"), IDCANCEL); // nothing queued
    ASSERT_EQ(script.MessageBoxes().size(), 2u);
    EXPECT_EQ(script.MessageBoxes()[0].caption, "提示信息");
    EXPECT_EQ(script.MessageBoxes()[0].type, MB_YESNO | MB_ICONINFORMATION);
    EXPECT_EQ(script.MessageBoxes()[0].parent, host.m_hWnd);
    EXPECT_EQ(script.UnexpectedRequests(), 1);
}

TEST(Scripted, ProviderIsRestoredWhenTheScriptEnds)
{
    InteractionProvider* before = &Interaction();
    {
        ScriptedInteraction script;
        EXPECT_EQ(&Interaction(), &script);
    }
    EXPECT_EQ(&Interaction(), before);
}

TEST(FileDialogs, SaveAddsTheDefaultExtensionAndOpenTakesSeveralFiles)
{
    ScriptedInteraction script;
    script.QueueFileSelection({"/tmp/结果"});
    CFileDialog save(FALSE, "*.txt", "数据", OFN_OVERWRITEPROMPT, "文本文件(*.txt)|*.txt||");
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "/tmp/结果.txt");
    EXPECT_EQ(save.GetFileName(), "结果.txt");
    EXPECT_EQ(save.GetFileExt(), "txt");
    const FileDialogRequest& asked = script.FileDialogs().at(0);
    EXPECT_FALSE(asked.open);
    EXPECT_EQ(asked.fileName, "数据");
    EXPECT_TRUE(asked.flags & OFN_OVERWRITEPROMPT);

    script.QueueFileSelection({"/tmp/a.flt", "/tmp/b.flt"});
    CFileDialog open(TRUE, "flt", nullptr, OFN_ALLOWMULTISELECT, "数据文件(*.flt)|*.flt|所有文件(*.*)|*.*||");
    ASSERT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetPathNames().size(), 2u);

    script.QueueFileCancel();
    CFileDialog cancelled(TRUE);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetPathName(), "");
}

TEST(FileDialogs, FiltersBecomeQtNameFilters)
{
    EXPECT_EQ(QtFileFilter("文本文件(*.txt)|*.txt||"), "文本文件(*.txt)");
    EXPECT_EQ(QtFileFilter("Data|*.flt;*.dat|All (*.*)|*.*||"), "Data (*.flt *.dat);;All (*.*)");
    EXPECT_EQ(QtFileFilter(""), "");
    EXPECT_EQ(WithDefaultExtension("/a/b", "*.xls"), "/a/b.xls");
    EXPECT_EQ(WithDefaultExtension("/a/b.txt", "xls"), "/a/b.txt");
}

// A menu that draws its items itself and records the calls.
class OwnerMenu : public CMenu {
public:
    std::vector<UINT> measured;
    std::vector<UINT> drawn;
    void MeasureItem(MEASUREITEMSTRUCT* item) override
    {
        measured.push_back(item->itemID);
        item->itemWidth = 100;
        item->itemHeight = item->itemID ? 22 : 7;
    }
    void DrawItem(DRAWITEMSTRUCT* item) override
    {
        drawn.push_back(item->itemID);
        CDC* dc = CDC::FromHandle(item->hDC);
        dc->FillSolidRect(item->rcItem, RGB(246, 246, 246));
    }
};

TEST(Menus, ChoiceIsPostedToTheOwnerAsACommand)
{
    CWnd host;
    test::CreateHost(host);
    int saved = 0;
    host.HandleCommand(301, 0, [&] { ++saved; });
    ScriptedInteraction script;
    script.QueueMenuChoice(301);
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 300, "复制");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, 301, "保存(&V)...\tCtrl+S");
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 10, 20, &host));
    EXPECT_EQ(saved, 0); // posted, not sent
    test::Pump();
    EXPECT_EQ(saved, 1);
    ASSERT_EQ(script.Menus().size(), 1u);
    EXPECT_EQ(script.Menus()[0].texts[2], "保存(&V)...\tCtrl+S");
    EXPECT_EQ(script.Menus()[0].ids[1], 0u);
    EXPECT_EQ(menu.GetMenuState(2, MF_BYPOSITION) & MF_GRAYED, MF_GRAYED);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &host), 0); // dismissed
}

TEST(Menus, ItemsConvertedToOwnerDrawKeepIdAndData)
{
    CMenu menu;
    menu.CreatePopupMenu();
    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, 410, "子项");
    menu.AppendMenu(MF_STRING, 400, "一");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), "更多");
    EXPECT_EQ(menu.GetMenuItemCount(), 2u);
    EXPECT_EQ(menu.GetMenuItemID(1), static_cast<UINT>(-1));
    CMenu subView;
    subView.Attach(menu.GetSubMenuHandle(1));
    EXPECT_EQ(subView.GetMenuItemID(0), 410u);
    subView.Detach();
    int data = 5;
    EXPECT_TRUE(menu.ModifyMenu(0, MF_BYPOSITION | MF_OWNERDRAW, 400, &data));
    EXPECT_EQ(menu.GetMenuItemID(0), 400u);
    EXPECT_TRUE(menu.GetMenuState(0, MF_BYPOSITION) & MF_OWNERDRAW);
    EXPECT_EQ(CMenu::FindItem(menu, 0, MF_BYPOSITION)->itemData, reinterpret_cast<ULONG_PTR>(&data));
    EXPECT_TRUE(menu.ModifyMenu(1, MF_BYPOSITION | MF_POPUP | MF_OWNERDRAW, 0, &data));
    EXPECT_NE(menu.GetSubMenuHandle(1), nullptr); // the submenu stays
    EXPECT_EQ(CMenu::FindItem(menu, 410, MF_BYCOMMAND)->text, "子项");
    EXPECT_TRUE(menu.CheckMenuItem(400, MF_CHECKED) == 0);
    EXPECT_TRUE(menu.GetMenuState(400, MF_BYCOMMAND) & MF_CHECKED);
}

TEST(Menus, ShownPopupMeasuresAndDrawsThroughTheOwner)
{
    CWnd host;
    test::CreateHost(host);
    OwnerMenu menu;
    menu.CreatePopupMenu();
    int one = 1;
    int gap = 0;
    menu.AppendMenu(MF_OWNERDRAW, 500, reinterpret_cast<LPCSTR>(&one));
    menu.AppendMenu(MF_OWNERDRAW | MF_SEPARATOR, 0, reinterpret_cast<LPCSTR>(&gap));
    // Close the real popup as soon as it has been painted.
    QTimer::singleShot(50, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->grab();
            QTest::keyClick(popup, Qt::Key_Escape);
        }
    });
    const BOOL chosen = menu.TrackPopupMenu(TPM_RETURNCMD, 100, 100, &host);
    EXPECT_EQ(chosen, 0);
    EXPECT_EQ(menu.measured, (std::vector<UINT>{500, 0}));
    EXPECT_FALSE(menu.drawn.empty());
}

} // namespace
} // namespace vesk

namespace vesk {
namespace {

TEST(Menus, RealPopupChoosesWithTheKeyboardAndSkipsGreyedItems)
{
    CWnd host;
    test::CreateHost(host);
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING | MF_GRAYED, 600, "不可用");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, 601, "复制");
    QTimer::singleShot(30, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
        }
    });
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 60, 60, &host), 601);
}

} // namespace
} // namespace vesk
