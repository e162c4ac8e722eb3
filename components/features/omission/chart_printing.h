#pragma once
// 打印 of the trend chart through Qt's print dialog (the framework's
// interaction path, so tests answer it): the whole window of draws, scaled to
// the page's width, as many draws a page as fit, the header repeated on every
// page and the summary rows after the last draw; a line above each page names
// the chart and the page.

#include <string>

class QWidget;

namespace vesk::omission {

class TrendView;

// The error, for the user; empty when printed or when the user cancelled.
std::string PrintChart(const TrendView& chart, const std::string& title, QWidget* parent);

} // namespace vesk::omission
