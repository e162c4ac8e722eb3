#include "components/features/pick/pick_feature.h"

#include "components/features/kit/feature_look.h"
#include "components/features/pick/method_list.h"
#include "components/features/pick/method_window.h"
#include "components/features/pick/pick_options.h"
#include "components/features/pick/position_window.h"

#include <QStackedWidget>

namespace vesk::pick {

QWidget* PickFeature::MakeWindow(QWidget* parent)
{
    m_pages = new QStackedWidget(parent);
    m_pages->setObjectName(QStringLiteral("pickWindow"));
    features::PaintFeatureBackground(m_pages);
    m_list = new MethodList(m_pages);
    m_method = new MethodWindow(m_pages);
    m_position = new PositionWindow(m_pages);
    m_pages->addWidget(m_list);
    m_pages->addWidget(m_method);
    m_pages->addWidget(m_position);

    m_list->openMethod = [this](analysis::PickMethod method) {
        HistoryChanged();
        ShowMethod(method);
    };
    m_method->windowChanged = [this](std::size_t last) { WriteHistoryWindow(Host(), m_method->Method(), last); };
    m_method->parametersChanged = [this](const analysis::PickParameters& parameters) {
        WriteParameters(Host(), m_method->Method(), parameters);
    };
    m_position->windowChanged = [this](std::size_t last) {
        WriteHistoryWindow(Host(), analysis::PickMethod::Position, last);
    };
    m_position->countWindowChanged = [this](std::size_t window) {
        analysis::PickParameters parameters = analysis::DefaultParameters(analysis::PickMethod::Position);
        parameters.window = window;
        WriteParameters(Host(), analysis::PickMethod::Position, parameters);
    };
    const auto send = [this](const std::vector<std::uint32_t>& numbers, analysis::HandOffMode mode) { SendToWorkbench(numbers, mode); };
    m_method->sendNumbers = send;
    m_position->sendNumbers = send;
    return m_pages;
}

void PickFeature::Opened()
{
    HistoryChanged();
    const std::optional<analysis::PickMethod> method = analysis::PickMethodOfCode(Code());
    if (!method) {
        m_pages->setCurrentWidget(m_list);
        return;
    }
    ShowMethod(*method);
}

void PickFeature::HistoryChanged()
{
    const features::HistoryDraws draws = Host().LoadHistory();
    const std::string missing = Host().MissingHistoryText();
    m_method->SetHistory(draws, Host().Length(), missing);
    m_position->SetHistory(draws, Host().Length(), missing);
}

void PickFeature::ShowMethod(analysis::PickMethod method)
{
    const std::size_t last = ReadHistoryWindow(Host(), method);
    const analysis::PickParameters parameters = ReadParameters(Host(), method);
    if (method == analysis::PickMethod::Position) {
        m_position->Show(last, parameters.window);
        m_pages->setCurrentWidget(m_position);
        return;
    }
    m_method->ShowMethod(method, parameters, last);
    m_pages->setCurrentWidget(m_method);
}

} // namespace vesk::pick
