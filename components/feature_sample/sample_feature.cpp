#include "components/feature_sample/sample_feature.h"

#include "components/feature_sample/feature_names.h"
#include "framework/messages.h"
#include "framework/win_structs.h"
#include "host/catalogue_records.h"
#include "host/module_interface.h"
#include "numbers/gbk_text.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace vesk::sample {
namespace {

// Handles come from the host; only a widget that exists is used as parent.
QWidget* LiveWidget(WindowHandle handle)
{
    auto* candidate = reinterpret_cast<QWidget*>(handle);
    return handle && QApplication::allWidgets().contains(candidate) ? candidate : nullptr;
}

QString Hex(SlotInt value) { return QStringLiteral("0x") + QString::number(static_cast<qulonglong>(value), 16).toUpper(); }

} // namespace

SampleFeature::SampleFeature(const ModuleNameRecord& name, int row) : m_name(name), m_row(row) {}

SampleFeature::~SampleFeature() { delete m_window.data(); }

SlotInt SampleFeature::Initialize(IHostObject* host, WindowHandle parent)
{
    m_host = host;
    QWidget* newParent = LiveWidget(parent);
    if (m_window && newParent != m_parent)
        m_window->setParent(newParent);
    m_parent = newParent;
    ++m_initializeCount;
    UpdateText();
    return 1;
}

SlotInt SampleFeature::Open(SlotInt a, SlotInt b, SlotInt c, SlotInt d)
{
    m_arguments = {a, b, c, d};
    ++m_openCount;
    UpdateText();
    return 1;
}

SlotInt SampleFeature::Refresh()
{
    ++m_refreshCount;
    UpdateText();
    return 1;
}

SlotInt SampleFeature::FilterMessage(void* message)
{
    const auto* msg = static_cast<const MSG*>(message);
    if (!msg)
        return 0;
    ++m_offeredCount;
    if (m_window)
        m_window->setProperty("offeredMessages", m_offeredCount);
    if (msg->message == WM_KEYDOWN && msg->wParam == static_cast<WPARAM>(VK_F1 + 4)) {
        Refresh();
        return 1;
    }
    return 0;
}

SlotInt SampleFeature::Show(SlotInt showCommand)
{
    EnsureWindow();
    m_window->setVisible(showCommand != 0);
    return 1;
}

WindowHandle SampleFeature::GetWindow()
{
    EnsureWindow();
    return reinterpret_cast<WindowHandle>(m_window.data());
}

void SampleFeature::EnsureWindow()
{
    if (m_window)
        return;
    m_window = new QWidget(m_parent);
    m_window->setObjectName(QStringLiteral("sampleFeature"));
    m_window->setAutoFillBackground(true);
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, QColor(250, 252, 254));
    m_window->setPalette(palette);
    auto* layout = new QVBoxLayout(m_window);
    m_title = new QLabel(m_window);
    m_title->setObjectName(QStringLiteral("featureTitle"));
    QFont font = m_title->font();
    font.setPointSize(font.pointSize() + 6);
    font.setBold(true);
    m_title->setFont(font);
    m_details = new QLabel(m_window);
    m_details->setObjectName(QStringLiteral("featureDetails"));
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_title);
    layout->addWidget(m_details);
    layout->addStretch();
    UpdateText();
}

void SampleFeature::UpdateText()
{
    if (!m_window)
        return;
    const auto code = static_cast<std::uint32_t>(m_arguments[0]);
    const std::string_view name = FeatureName(code);
    m_title->setText(name.empty() ? QStringLiteral("功能 %1").arg(Hex(code))
                                  : QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    const QString iface = QString::fromLatin1(m_name.interfaceName, static_cast<qsizetype>(
                                                  qstrnlen(m_name.interfaceName, sizeof m_name.interfaceName)));
    QStringList lines;
    lines << QStringLiteral("接口：%1（第 %2 行）").arg(iface).arg(m_row);
    if (const QString list = ListName(); !list.isEmpty())
        lines << QStringLiteral("列表：%1").arg(list);
    lines << ArgumentLines();
    lines << QStringLiteral("初始化 %1 次，打开 %2 次，刷新 %3 次")
                 .arg(m_initializeCount).arg(m_openCount).arg(m_refreshCount);
    m_details->setText(lines.join(QLatin1Char('\n')));
}

QString SampleFeature::ListName() const
{
    const auto subCode = static_cast<std::uint32_t>(m_arguments[1]);
    if (m_row != 1 || subCode == 0)
        return {};
    auto* module = reinterpret_cast<IModule*>(m_arguments[2]);
    const auto categoryKey = static_cast<std::uint16_t>(subCode >> 16);
    if (module && categoryKey != 0) {
        const void* category = nullptr;
        const void* group = nullptr;
        const auto* item = static_cast<const catalogue::ItemRecord*>(
            module->FindCatalogueItem(categoryKey, static_cast<std::uint16_t>(subCode), &group, &category));
        if (item && category) {
            const auto* categoryRecord = static_cast<const catalogue::CategoryRecord*>(category);
            const std::string text = GbkToUtf8(
                std::string_view(categoryRecord->text, qstrnlen(categoryRecord->text, sizeof categoryRecord->text)));
            const std::string itemText =
                GbkToUtf8(std::string_view(item->text, qstrnlen(item->text, sizeof item->text)));
            return QString::fromStdString(text + " / " + itemText);
        }
    }
    return QString::fromStdString(OmissionListName(subCode));
}

QStringList SampleFeature::ArgumentLines() const
{
    // The open call's form depends on the row (see the header).
    QStringList names;
    if (m_row == 1)
        names = {QStringLiteral("功能代码"), QStringLiteral("子代码"), QStringLiteral("模块"), QStringLiteral("号码分析服务")};
    else if (m_row >= 6 && m_row <= 8)
        names = {QStringLiteral("功能代码")};
    else
        names = {QStringLiteral("功能代码"), QStringLiteral("模块"), QStringLiteral("号码分析服务")};
    QStringList lines;
    for (qsizetype i = 0; i < names.size(); ++i)
        lines << QStringLiteral("%1：%2").arg(names[i], Hex(m_arguments[static_cast<std::size_t>(i)]));
    return lines;
}

} // namespace vesk::sample
