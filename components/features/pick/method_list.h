#pragma once
// The list of the seven smart-pick methods (the library's help entry, row
// 7): each with what it does; a double click or 打开 opens it.

#include "components/features/analysis/pick/pick_method.h"

#include <QWidget>

#include <functional>

class QListWidget;

namespace vesk::pick {

class MethodList final : public QWidget {
public:
    explicit MethodList(QWidget* parent = nullptr);

    std::function<void(analysis::PickMethod)> openMethod;

    QListWidget* List() const { return m_list; }
    void OpenCurrent();

private:
    QListWidget* m_list;
};

} // namespace vesk::pick
