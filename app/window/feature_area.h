#pragma once
// The right-hand area that feature windows live in. Features are created as
// its children and placed over its client rectangle; they follow its size.
// It answers the messages a feature sends to ask the host to close it and to
// show a line in the status bar.

#include "host/module_messages.h"

#include <QWidget>

#include <cstdint>
#include <functional>

namespace vesk::app {

// wParam: the feature's code.
inline constexpr unsigned kFeatureCloseMessage = kMessageFeatureClose;

class FeatureArea final : public QWidget {
public:
    explicit FeatureArea(QWidget* parent = nullptr);

    // Called with the code of the feature that asked to be closed.
    void SetCloseHandler(std::function<void(std::int32_t code)> handler) { m_onClose = std::move(handler); }
    // Called with the text a feature asks the host to show in its status bar.
    void SetStatusHandler(std::function<void(const QString& text)> handler) { m_onStatus = std::move(handler); }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::function<void(std::int32_t)> m_onClose;
    std::function<void(const QString&)> m_onStatus;
};

} // namespace vesk::app
