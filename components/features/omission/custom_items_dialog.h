#pragma once
// The editor of the user's own items: the items file's text, saved only when
// it reads without a fault (the fault is shown, in Chinese with its place,
// and the dialog stays open with the focus in the text); leaving it with
// edits not saved asks first.

#include <QDialog>
#include <QString>

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
    void reject() override;

private:
    std::string m_path;
    int m_length;
    QPlainTextEdit* m_editor = nullptr;
    QString m_saved; // the text as last read or saved
};

} // namespace vesk::omission
