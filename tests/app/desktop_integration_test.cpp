// The host on the user's desktop: Qt's dialogs in the user's language and
// file dialogs that open where the user last went for that kind of file,
// also on the next run.
#include "application/option_ids.h"
#include "app/services/option_store.h"
#include "app/window/desktop_integration.h"
#include "framework/dialog_folders.h"
#include "framework/interaction.h"
#include "framework/qt_translations.h"
#include "tests/app/text_files.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>

#include <filesystem>
#include <functional>

namespace vesk::app {
namespace {

struct ShownDialog {
    QStringList buttons;
    QString folder;
};

// Runs the default provider's file dialog; act sees the dialog once it is up
// and must close it.
FileDialogResult RunFileDialog(const FileDialogRequest& request, ShownDialog& shown,
                               const std::function<void(QFileDialog&)>& act)
{
    QTimer::singleShot(0, [&shown, act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (QPushButton* button : dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
            shown.buttons << button->text();
        shown.folder = dialog->directory().absolutePath();
        act(*dialog);
    });
    return Interaction().FileDialog(request);
}

FileDialogRequest TextOpenRequest()
{
    FileDialogRequest request;
    request.open = true;
    request.filter = "文本文件(*.txt)|*.txt|所有文件(*.*)|*.*||";
    return request;
}

QString Canonical(const std::string& path) { return QDir(QString::fromStdString(path)).canonicalPath(); }

TEST(DesktopIntegration, FileDialogButtonsSpeakChineseUnderAChineseLocale)
{
    test::TempFolder root;
    OptionStore options(root.Path() + "options/");
    ShownDialog chinese;
    {
        const DesktopIntegration desktop(*qApp, options, QLocale(QLocale::Chinese, QLocale::China));
        ASSERT_TRUE(desktop.Translated()) << "Qt's translations for zh_CN are missing";
        RunFileDialog(TextOpenRequest(), chinese, [](QFileDialog& dialog) { dialog.reject(); });
    }
    EXPECT_TRUE(chinese.buttons.filter(QStringLiteral("打开")).size() == 1) << chinese.buttons.join(u'|').toStdString();
    EXPECT_TRUE(chinese.buttons.filter(QStringLiteral("取消")).size() == 1) << chinese.buttons.join(u'|').toStdString();

    // Gone with the integration: the next dialog is English again.
    ShownDialog english;
    RunFileDialog(TextOpenRequest(), english, [](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_TRUE(english.buttons.filter(QStringLiteral("Cancel")).size() == 1) << english.buttons.join(u'|').toStdString();
}

TEST(DesktopIntegration, NoCatalogueForTheLocaleKeepsQtsOwnTexts)
{
    test::TempFolder empty;
    EXPECT_EQ(InstallQtTranslations(*qApp, QLocale(QLocale::Chinese, QLocale::China), QString::fromStdString(empty.Path())),
              nullptr);
}

TEST(DesktopIntegration, DialogOpensInTheFolderLastUsedForItsKindAlsoNextRun)
{
    test::TempFolder root;
    const std::string bets = root.Path() + "投注/";
    const std::string sheets = root.Path() + "sheets/";
    std::filesystem::create_directories(bets);
    std::filesystem::create_directories(sheets);
    test::WriteText(bets + "a.txt", "123\n");
    {
        OptionStore options(root.Path() + "options/");
        const DesktopIntegration desktop(*qApp, options, QLocale::c());
        ShownDialog first;
        const FileDialogResult chosen = RunFileDialog(TextOpenRequest(), first, [&bets](QFileDialog& dialog) {
            dialog.selectFile(QString::fromStdString(bets + "a.txt"));
            static_cast<QDialog&>(dialog).accept(); // QFileDialog hides it
        });
        ASSERT_TRUE(chosen.accepted);
        // Another kind of file keeps its own folder.
        DialogFolders().Remember("xls", sheets);
    }
    OptionStore nextRun(root.Path() + "options/");
    const DesktopIntegration desktop(*qApp, nextRun, QLocale::c());
    ShownDialog second;
    RunFileDialog(TextOpenRequest(), second, [](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(second.folder, Canonical(bets));

    FileDialogRequest save;
    save.open = false;
    save.filter = "Excel 工作簿(*.xls)|*.xls||";
    save.fileName = "结果.xls";
    EXPECT_EQ(StartPathFor(save, DialogFolders()), (Canonical(sheets) + "/结果.xls").toStdString());
}

TEST(DesktopIntegration, WithoutAUsableRememberedFolderTheDialogOpensInDocuments)
{
    test::TempFolder root;
    OptionStore options(root.Path() + "options/");
    const std::string gone = root.Path() + "gone";
    const std::string record = "txt\t" + gone + "\nflt\trelative/folder\n";
    ASSERT_TRUE(options.Write(kOptionDialogFolders, std::span(reinterpret_cast<const std::uint8_t*>(record.data()), record.size())).ok);
    const DesktopIntegration desktop(*qApp, options, QLocale::c());

    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir())
        documents = QDir::homePath();
    FileDialogRequest request = TextOpenRequest();
    EXPECT_EQ(StartPathFor(request, DialogFolders()), documents.toStdString());
    request.filter = "数据文件(*.flt)|*.flt||";
    EXPECT_EQ(StartPathFor(request, DialogFolders()), documents.toStdString());
    // A caller's own absolute place wins over the memory.
    request.fileName = gone + "/x.flt";
    EXPECT_EQ(StartPathFor(request, DialogFolders()), gone + "/x.flt");
}

TEST(DesktopIntegration, AFailedRecordWriteStillKeepsTheFolderForTheRun)
{
    test::TempFolder root;
    OptionStore options(root.Path() + "options/");
    InjectedFileFailure failing(FileStep::Write, EIO);
    const DesktopIntegration desktop(*qApp, options, QLocale::c());
    DialogFolders().Remember("txt", root.Path());
    EXPECT_EQ(DialogFolders().FolderFor("txt"), root.Path());
    EXPECT_FALSE(options.Read(kOptionDialogFolders));
}

} // namespace
} // namespace vesk::app
