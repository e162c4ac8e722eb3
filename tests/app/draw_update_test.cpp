// 检查开奖数据 and 在线更新开奖号码 driven as a user would, each beside what
// vesk-cli says of the same file; the online update against a server on the
// loopback address, the history unchanged on every failure.
#include "app/services/host_object.h"
#include "application/option_ids.h"
#include "app/window/draw_check_dialog.h"
#include "app/window/draw_fetch_dialog.h"
#include "app/window/draw_history_actions.h"
#include "app/window/draw_report_dialog.h"
#include "app/window/main_window.h"
#include "framework/module_context.h"
#include "tests/app/text_files.h"
#include "tests/support/build_folders.h"
#include "tests/support/loopback_http_server.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace vesk::app {
namespace {

using test::ReadText;
using test::WriteText;
using test::HttpAnswer;

void Snap(QWidget* widget, const char* name)
{
    if (const char* folder = std::getenv("VESK_SCREENSHOTS"))
        widget->grab().save(QString::fromUtf8(folder) + QLatin1Char('/') + QLatin1String(name));
}

bool WaitFor(const std::function<bool()>& done, int milliseconds = 15000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QTest::qWait(10);
    return done();
}

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

CliRun RunCli(const QStringList& args)
{
    QProcess process;
    process.start(QString::fromStdString(test::BuildFolder() + "bin/vesk-cli"), args);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

class DrawUpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<HostObject>(HostConfig{HostPaths::UnderRoot(root.Path()), root.Path(), "", ""});
        window.resize(600, 400);
        window.show();
        actions = new DrawHistoryActions(*host, &window, [this](std::optional<DrawHistory> history, const QString& text) {
            applied = history ? static_cast<int>(history->Size()) : 0;
            status = text;
        });
        actions->FetchLimits().idleMilliseconds = 1000;
        history = host->DrawHistoryPath();
        WriteText(history, kBefore);
        server.Answer("/good.csv", {200, "期号,开奖日期,开奖号码,试机号\n2025218,2025-08-16,123,456\n"
                                         "2025217,2025-08-15,894,111\n"});
        server.Answer("/bad.txt", {200, "2025218 123\n2025219 1234\n2025220 456\n"});
        HttpAnswer slow{200, "2025218 123\n"};
        slow.stall = true;
        server.Answer("/slow.txt", slow);
        HttpAnswer huge{200, "x"};
        huge.declaredLength = 17 << 20;
        huge.sendBytes = 1;
        server.Answer("/huge.txt", huge);
        server.Answer("/to-ftp", {302, "", "ftp://127.0.0.1/good.csv"});
        HttpAnswer half{200, "2025218 123\n2025219 456\n"};
        half.sendBytes = 10;
        server.Answer("/half.txt", half);
    }

    // Opens the update, types the address and starts; waits for the end.
    DrawFetchDialog* FetchFrom(const std::string& path)
    {
        actions->Fetch();
        DrawFetchDialog* dialog = actions->FetchWindow();
        if (!dialog)
            return nullptr;
        dialog->Address()->setText(Q(server.Url(path)));
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        WaitFor([&] { return !actions->FetchWindow() || !actions->FetchWindow()->Downloading(); });
        return actions->FetchWindow();
    }

    static constexpr const char* kBefore = "2025216 625\n2025217 894\n";
    test::TempFolder root;
    std::unique_ptr<HostObject> host;
    QWidget window;
    DrawHistoryActions* actions = nullptr;
    std::string history;
    int applied = -1;
    QString status;
    test::LoopbackHttpServer server;
};

TEST_F(DrawUpdateTest, AGoodFileIsImportedWithTheReportAndTheAddressIsRemembered)
{
    FetchFrom("/good.csv");
    QApplication::processEvents();
    EXPECT_EQ(actions->FetchWindow(), nullptr); // closed once downloaded
    EXPECT_EQ(ReadText(history), "2025216 625\n2025217,2025-08-15,894\n2025218,2025-08-16,123\n");
    EXPECT_EQ(applied, 3);
    ASSERT_NE(actions->Report(), nullptr);
    EXPECT_EQ(actions->Report()->windowTitle(), QStringLiteral("在线更新开奖号码"));
    EXPECT_TRUE(actions->Report()->SummaryText().startsWith(QStringLiteral("新增 1 期，跳过 0 期，补上日期 1 期")));

    // The command says the same of the same file.
    const std::string other = root.Path() + "other.txt";
    WriteText(other, kBefore);
    const CliRun cli = RunCli({QStringLiteral("draws"), QStringLiteral("fetch"), Q(server.Url("/good.csv")),
                               QStringLiteral("--into"), Q(other)});
    EXPECT_EQ(cli.status, 0) << cli.err.toStdString();
    EXPECT_EQ(ReadText(other), ReadText(history));
    EXPECT_TRUE(cli.err.contains(QStringLiteral("新增 1 期，跳过 0 期，补上日期 1 期，拒绝 0 行")));

    actions->Fetch();
    ASSERT_NE(actions->FetchWindow(), nullptr);
    EXPECT_EQ(actions->FetchWindow()->Address()->text(), Q(server.Url("/good.csv")));
    const std::optional<Bytes> kept = host->Environment().Options().Read(DrawAddressOption(kThreeDigitGame));
    ASSERT_TRUE(kept);
    EXPECT_EQ(std::string(kept->begin(), kept->end()), server.Url("/good.csv"));
}

TEST_F(DrawUpdateTest, BadLinesAreNamedByTheAddressAsTheCommandNamesThem)
{
    FetchFrom("/bad.txt");
    ASSERT_NE(actions->Report(), nullptr);
    EXPECT_EQ(actions->Report()->RefusedText(), Q(server.Url("/bad.txt")) + QStringLiteral(" 第 2 行：没有 3 位的开奖号码"));
    EXPECT_EQ(ReadText(history), std::string(kBefore) + "2025218 123\n2025220 456\n");
    Snap(actions->Report(), "draw-fetch-report.png");

    const std::string other = root.Path() + "other.txt";
    WriteText(other, kBefore);
    const CliRun cli = RunCli({QStringLiteral("draws"), QStringLiteral("fetch"), Q(server.Url("/bad.txt")),
                               QStringLiteral("--into"), Q(other)});
    EXPECT_EQ(cli.status, 1);
    EXPECT_TRUE(cli.err.contains(Q(server.Url("/bad.txt")) + QStringLiteral(":2: 没有 3 位的开奖号码")));
    EXPECT_EQ(ReadText(other), ReadText(history));
}

TEST_F(DrawUpdateTest, FailedDownloadsChangeNothingAndKeepTheDialogForAnotherTry)
{
    const std::pair<const char*, const char*> failures[] = {
        {"/missing.txt", "HTTP 404"}, {"/slow.txt", "1 秒没有收到数据"}, {"/huge.txt", "16 MiB"},
        {"/to-ftp", "ftp://"},        {"/half.txt", "断开"},
    };
    for (const auto& [path, message] : failures) {
        DrawFetchDialog* dialog = FetchFrom(path);
        ASSERT_NE(dialog, nullptr) << path;
        EXPECT_TRUE(dialog->isVisible()) << path;
        EXPECT_TRUE(dialog->StatusText().contains(QString::fromUtf8(message))) << path << ": "
                                                                             << dialog->StatusText().toStdString();
        EXPECT_TRUE(dialog->StatusText().endsWith(QStringLiteral("开奖号码没有改动"))) << path;
        EXPECT_TRUE(dialog->StartButton()->isEnabled());
        EXPECT_EQ(ReadText(history), kBefore) << path;
        EXPECT_EQ(applied, -1) << path;
    }
    Snap(actions->FetchWindow(), "draw-fetch-failed.png");

    // An address that is not http or https is not fetched at all.
    DrawFetchDialog* dialog = actions->FetchWindow();
    dialog->Address()->setText(QStringLiteral("ftp://127.0.0.1/draws.txt"));
    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->Downloading());
    EXPECT_TRUE(dialog->StatusText().startsWith(QStringLiteral("只能从 http 或 https 地址下载")));
}

TEST_F(DrawUpdateTest, CancelStopsADownloadAndASecondPressCloses)
{
    actions->FetchLimits().idleMilliseconds = 30000;
    actions->Fetch();
    DrawFetchDialog* dialog = actions->FetchWindow();
    ASSERT_NE(dialog, nullptr);
    dialog->Address()->setText(Q(server.Url("/slow.txt")));
    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->Downloading());
    EXPECT_FALSE(dialog->StartButton()->isEnabled());
    QTest::qWait(100);
    Snap(dialog, "draw-fetch-running.png");
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->Downloading());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->StatusText().startsWith(QStringLiteral("已取消下载"))) << dialog->StatusText().toStdString();
    EXPECT_EQ(ReadText(history), kBefore);
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(actions->FetchWindow(), nullptr);
}

// The check window's rows, each beside the command's line for the same file.
TEST_F(DrawUpdateTest, TheCheckWindowListsWhatTheCommandPrints)
{
    WriteText(history, "2025100 111\n2025103 222\n2025103 222\n2025104 333\n2025104 334\n2025099 444\n"
                       "2025105 8 9 4 5\n合计\n");
    actions->Check();
    DrawCheckDialog* check = actions->CheckWindow();
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->SummaryText().contains(QStringLiteral("发现 7 处问题")));
    const CliRun cli = RunCli({QStringLiteral("draws"), QStringLiteral("check"), Q(history)});
    ASSERT_EQ(cli.status, 0);
    QStringList lines = cli.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 9); // header, seven findings, the count
    EXPECT_EQ(lines.takeLast(), QStringLiteral("findings 7"));
    lines.removeFirst();
    const QStringList kinds = {QStringLiteral("缺期"), QStringLiteral("缺期"), QStringLiteral("重复"),
                               QStringLiteral("冲突"), QStringLiteral("期号倒序"), QStringLiteral("位数不符"),
                               QStringLiteral("无法读取")};
    QTableWidget* table = check->Table();
    ASSERT_EQ(table->rowCount(), lines.size());
    for (int row = 0; row < table->rowCount(); ++row) {
        const QStringList fields = lines[row].split(QLatin1Char('\t'));
        // The command's detail starts with the lines; the window's line is the last of them.
        const QString where = fields[2].section(QLatin1Char(':'), 0, 0);
        EXPECT_EQ(table->item(row, 0)->text(), where.section(QLatin1Char(' '), -1)) << row;
        EXPECT_EQ(table->item(row, 1)->text(), kinds[row]) << row;
        EXPECT_EQ(table->item(row, 2)->text(), fields[1]) << row;
    }
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("第 1 行第 2025100 期与第 2 行第 2025103 期之间缺少这一期"));
    EXPECT_EQ(ReadText(history).substr(0, 12), "2025100 111\n");
    check->resize(720, 420);
    Snap(check, "draw-check.png");
}

TEST_F(DrawUpdateTest, TheCheckOfTheSampleFindsNothingAndAMissingFileIsSaid)
{
    WriteText(history, ReadText(test::BuildFolder() + "data/draws-3d.txt"));
    actions->Check();
    ASSERT_NE(actions->CheckWindow(), nullptr);
    EXPECT_TRUE(actions->CheckWindow()->SummaryText().endsWith(QStringLiteral("没有发现问题")));
    EXPECT_EQ(actions->CheckWindow()->Table()->rowCount(), 0);
    Snap(actions->CheckWindow(), "draw-check-clean.png");

    std::remove(history.c_str());
    actions->Check();
    EXPECT_TRUE(actions->CheckWindow()->SummaryText().startsWith(QStringLiteral("没有开奖号码文件")));
}

// The host: where the data ends stays in the status bar, and the menu's new
// items reach the update and the check.
TEST(DrawUpdateHost, TheStatusBarSaysWhereTheDataEnds)
{
    const std::string build = test::BuildFolder();
    SetResourceFolder(build);
    test::TempFolder root;
    test::LoopbackHttpServer server;
    server.Answer("/new.csv", {200, "期号,日期,号码\n2025218,2025-08-16,123\n"});
    HostObject host(HostConfig{HostPaths::UnderRoot(root.Path()), build + "plugins/", build + "data/S3Cdt.dat",
                               build + "data/draws-3d.txt"});
    MainWindow window(host);
    ASSERT_TRUE(window.StartModule());
    EXPECT_EQ(window.DataEndText(), QStringLiteral("数据截至第 2025217 期"));

    window.FetchDrawsAction()->trigger();
    DrawFetchDialog* dialog = window.DrawActions().FetchWindow();
    ASSERT_NE(dialog, nullptr);
    dialog->Address()->setText(Q(server.Url("/new.csv")));
    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return window.DataEndText() != QStringLiteral("数据截至第 2025217 期"); }));
    EXPECT_EQ(window.DataEndText(), QStringLiteral("数据截至第 2025218 期（2025-08-16）"));

    window.CheckDrawsAction()->trigger();
    ASSERT_NE(window.DrawActions().CheckWindow(), nullptr);
    EXPECT_TRUE(window.DrawActions().CheckWindow()->SummaryText().endsWith(QStringLiteral("没有发现问题")));
    for (QSize size : {QSize(1000, 640), QSize(1280, 900)}) {
        window.resize(size);
        QApplication::processEvents();
        Snap(&window, size.width() == 1000 ? "host-data-end-1000.png" : "host-data-end-1280.png");
    }
}

} // namespace
} // namespace vesk::app
