#include "app/window/main_window.h"

#include "app/session/tree_request.h"
#include "app/window/draw_history_actions.h"
#include "app/window/feature_area.h"
#include "app/window/tree_icons.h"
#include "framework/cwnd.h"
#include "numbers/draw_import.h"
#include "module/catalogue/catalogue.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>

#include <filesystem>

namespace vesk::app {

namespace {

// The workbench's feature code in the tree.
constexpr std::uint32_t kWorkbenchCode = 1;

} // namespace

inline constexpr SlotInt kShortTreeVariant = 12;
inline constexpr UINT kTreeControlId = 1001;

MainWindow::MainWindow(HostObject& host, QWidget* parent)
    : QMainWindow(parent), m_host(host),
      m_session(std::make_unique<ModuleSession>(host.Loader(), host))
{
    setWindowTitle(QStringLiteral("3DVesk 选号软件"));
    auto* splitter = new QSplitter(this);
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);

    // A splitter takes up the widgets created inside it, in creation order.
    m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                  RECT{}, CWnd::FromHandle(splitter), kTreeControlId);
    m_tree.GetTreeWidget()->setObjectName(QStringLiteral("navigationTree"));
    m_tree.GetTreeWidget()->setMinimumWidth(180);
    m_images.Create(16, 16, 0, 3, 0);
    for (const QImage& icon : DrawTreeIcons())
        m_images.AddImage(icon);
    m_tree.SetImageList(&m_images);
    m_tree.SetSelectionCallback([this](TreeItem item) { OnTreeSelection(item); });
    // A click, a double click or Enter on the item already highlighted changes
    // no selection; it still brings its feature back when another took its place.
    QTreeWidget* treeWidget = m_tree.GetTreeWidget();
    const auto activated = [this](QTreeWidgetItem* item) { OnTreeActivation(reinterpret_cast<TreeItem>(item)); };
    connect(treeWidget, &QTreeWidget::itemClicked, this, activated);
    connect(treeWidget, &QTreeWidget::itemActivated, this, activated);

    m_area = new FeatureArea(splitter);
    m_area->SetCloseHandler([this](std::int32_t code) { OnFeatureClose(code); });
    m_area->SetStatusHandler([this](const QString& text) { ShowStatus(text); });
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 780});

    m_status = new QLabel(this);
    statusBar()->addWidget(m_status, 1);
    // Kept in sight so that a stale history is seen at a glance.
    m_dataEnd = new QLabel(this);
    m_dataEnd->setObjectName(QStringLiteral("dataEnd"));
    statusBar()->addPermanentWidget(m_dataEnd);
    ShowDataEnd();
    BuildMenu();
    resize(1000, 640);
}

MainWindow::~MainWindow()
{
    m_preTranslate.reset();
    // What the user copied may point at a plug-in's constant texts; the
    // clipboard outlives the plug-ins the shutdown unloads, so it takes a copy.
    if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard && !clipboard->text().isEmpty()) {
        const QString text = clipboard->text();
        clipboard->setText(QString(text.constData(), text.size()));
    }
    m_session->Shutdown();
}

void MainWindow::BuildMenu()
{
    QMenu* settings = menuBar()->addMenu(QStringLiteral("设置(&S)"));
    m_keepConditions = settings->addAction(QStringLiteral("保存缩水条件(&K)"));
    m_keepConditions->setCheckable(true);
    m_keepConditions->setChecked(m_host.Environment().KeepConditions());
    m_keepConditions->setStatusTip(QStringLiteral("关闭组号缩水时保存各条件页的条件，下次打开时恢复"));
    connect(m_keepConditions, &QAction::toggled, this, [this](bool on) {
        if (!m_host.Environment().SetKeepConditions(on))
            ShowStatus(QString::fromStdString(m_host.Environment().LastError()));
    });

    m_shortTree = settings->addAction(QStringLiteral("精简功能列表(&V)"));
    m_shortTree->setCheckable(true);
    m_shortTree->setChecked(m_host.Environment().GetHostVariant() == kShortTreeVariant);
    m_shortTree->setStatusTip(QStringLiteral("只列出胆杀验证与公式功能"));
    connect(m_shortTree, &QAction::toggled, this, [this](bool on) { OnShortTreeToggled(on); });

    m_drawActions = new DrawHistoryActions(m_host, this, [this](std::optional<DrawHistory> history,
                                                                const QString& status) {
        ApplyDraws(std::move(history), status);
    });
    m_importDraws = settings->addAction(QStringLiteral("导入开奖号码(&I)..."));
    m_importDraws->setStatusTip(QStringLiteral("从文本或 CSV 文件读入开奖号码，按期号并入开奖号码历史"));
    connect(m_importDraws, &QAction::triggered, m_drawActions, [this] { m_drawActions->Import(); });
    m_enterDraw = settings->addAction(QStringLiteral("录入开奖号码(&E)..."));
    m_enterDraw->setStatusTip(QStringLiteral("录入新一期的开奖号码"));
    connect(m_enterDraw, &QAction::triggered, m_drawActions, [this] { m_drawActions->Enter(); });
    m_fetchDraws = settings->addAction(QStringLiteral("在线更新开奖号码(&U)..."));
    m_fetchDraws->setStatusTip(QStringLiteral("从给定的网址下载开奖号码文件，按导入的规则并入开奖号码历史"));
    connect(m_fetchDraws, &QAction::triggered, m_drawActions, [this] { m_drawActions->Fetch(); });
    m_checkDraws = settings->addAction(QStringLiteral("检查开奖数据(&C)..."));
    m_checkDraws->setStatusTip(QStringLiteral("列出开奖号码文件中缺期、重复、冲突、顺序和位数的问题，不做改动"));
    connect(m_checkDraws, &QAction::triggered, m_drawActions, [this] { m_drawActions->Check(); });
    m_reloadDraws = settings->addAction(QStringLiteral("重新载入开奖号码(&R)"));
    m_reloadDraws->setStatusTip(QStringLiteral("读入数据目录中的 draws.txt，重算遗漏"));
    connect(m_reloadDraws, &QAction::triggered, this, [this] { ReloadDraws(); });

    settings->addSeparator();
    QAction* quit = settings->addAction(QStringLiteral("退出(&X)"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

QString MainWindow::ReadyStatus() const
{
    if (m_session->CatalogueLoaded())
        return QStringLiteral("就绪");
    // The module refuses a damaged catalogue as it does a missing one; the user
    // needs to know which.
    std::error_code error;
    const std::string file = m_host.Environment().Paths().data + catalogue::kFileName;
    return std::filesystem::exists(file, error) ? QStringLiteral("就绪（条件目录 S3Cdt.dat 已损坏，未能载入）")
                                                : QStringLiteral("就绪（未找到条件目录 S3Cdt.dat）");
}

bool MainWindow::StartModule()
{
    const QScopedValueRollback filling(m_fillingTree, true);
    if (!m_session->Start(reinterpret_cast<WindowHandle>(m_area), m_tree)) {
        ShowStatus(QStringLiteral("无法载入功能模块：%1").arg(QString::fromStdString(m_session->Error())));
        return false;
    }
    m_preTranslate = std::make_unique<PreTranslateFilter>(
        [this](MSG* message) { return m_session->PreTranslate(message); });
    // The sample history was installed on this start: say so once, with how to go on.
    const std::string sample = SampleDrawsMessage(m_host.SampleDraws());
    ShowStatus(sample.empty() ? ReadyStatus() : ReadyStatus() + QStringLiteral("。") + QString::fromStdString(sample));
    return true;
}

bool MainWindow::OpenByCode(std::uint32_t code)
{
    const TreeItem item = FindItemByCode(m_tree, code);
    if (!item)
        return false;
    m_tree.SelectCaret(item);
    return true;
}

void MainWindow::OnTreeSelection(TreeItem item)
{
    if (m_fillingTree || !item)
        return;
    const OpenRequest request = RequestForItem(m_tree, item);
    const WindowHandle opened = m_session->Open(request);
    if (opened > 0) {
        m_openCode = request.code;
        m_openWindow = opened;
        m_openItem = item;
        m_openWidget = reinterpret_cast<QWidget*>(opened);
        if (request.code == kWorkbenchCode)
            m_workbench = reinterpret_cast<QWidget*>(opened);
        ShowStatus(QString::fromStdString(m_tree.GetItemText(item)));
    }
}

void MainWindow::OnTreeActivation(TreeItem item)
{
    if (m_fillingTree || !item || item != m_tree.GetCaret())
        return;
    const bool shown = m_openItem == item && m_openWidget && m_openWidget->isVisible();
    if (!shown)
        OnTreeSelection(item);
}

WindowHandle MainWindow::OpenWorkbench()
{
    if (!OpenByCode(kWorkbenchCode))
        return 0;
    return m_openCode == kWorkbenchCode ? m_openWindow : 0;
}

WindowHandle MainWindow::ExistingWorkbench() const
{
    return reinterpret_cast<WindowHandle>(m_workbench.data());
}

void MainWindow::OnFeatureClose(std::int32_t code)
{
    m_session->CloseFeature(code);
    m_openCode = 0;
    m_openWindow = 0;
    m_openItem = 0;
    m_openWidget.clear();
    // Back on the root, so picking the same item again opens it again.
    const QScopedValueRollback quiet(m_fillingTree, true);
    m_tree.SelectCaret(m_tree.GetRoot());
    ShowStatus(QStringLiteral("就绪"));
}

void MainWindow::OnShortTreeToggled(bool on)
{
    if (!m_host.Environment().SetHostVariant(on ? kShortTreeVariant : 0))
        ShowStatus(QString::fromStdString(m_host.Environment().LastError()));
    const QScopedValueRollback filling(m_fillingTree, true);
    m_session->RebuildTree();
}

void MainWindow::ReloadDraws()
{
    const std::string path = m_host.DrawHistoryPath();
    std::optional<DrawHistory> history = LoadDrawHistory(path);
    const QString message = history ? QStringLiteral("开奖号码 %1 期").arg(history->Size())
                                    : QStringLiteral("没有开奖号码：%1").arg(QString::fromStdString(path));
    ApplyDraws(std::move(history), message);
}

void MainWindow::ApplyDraws(std::optional<DrawHistory> history, const QString& status)
{
    m_host.Analysis().SetHistory(std::move(history));
    m_session->Refresh();
    ShowStatus(status);
    ShowDataEnd();
}

QString MainWindow::DataEndText() const { return m_dataEnd->text(); }

void MainWindow::ShowDataEnd()
{
    const std::optional<DrawHistory>& history = m_host.Analysis().History();
    m_dataEnd->setText(QString::fromStdString(history ? vesk::DataEndText(*history) : std::string("没有开奖数据")));
}

void MainWindow::ShowStatus(const QString& text) { m_status->setText(text); }

bool MainWindow::FeaturesLetQuit()
{
    // The session manager ending the session (a logout) is no end the user
    // chose here: nothing is asked, and the recovery copy stays.
    if (qApp->isSavingSession())
        return true;
    for (QWidget* feature : m_area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (SendMessage(feature, kMessageQueryQuit, 0, 0) == kQuitRefused)
            return false;
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_session->IsRunning() && !FeaturesLetQuit()) {
        event->ignore();
        return;
    }
    // Features save their state while their windows still exist.
    m_preTranslate.reset();
    m_session->Shutdown();
    QMainWindow::closeEvent(event);
}

} // namespace vesk::app
