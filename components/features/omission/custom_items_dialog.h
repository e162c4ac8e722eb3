#pragma once
// The editor of the user's own items: the items file's text, saved only when
// it reads without a fault (the fault is shown and the dialog stays open).

#include <QDialog>

#include <string>

class QPlainTextEdit;

namespace vesk::omission {

class CustomItemsDialog final : public QDialog {
public:
    // path: the items file; its text, or an example when there is none.
    CustomItemsDialog(std::string path, int length, QWidget* parent = nullptr);

    QPlainTextEdit* Editor() const { return m_editor; }
    // Saves the text; false (after telling the user why) when it was refused.
    bool Save();

private:
    std::string m_path;
    int m_length;
    QPlainTextEdit* m_editor = nullptr;
};

} // namespace vesk::omission
