// Combo boxes over QComboBox.
#include "framework/ccombobox.h"

#include "framework/control_classes.h"
#include "framework/quiet_change.h"
#include "framework/window_internal.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>


namespace vesk {

namespace {

class ComboWidget : public detail::FrameworkWidget<QComboBox> {
public:
    using FrameworkWidget::FrameworkWidget;
    // The application's focus changes reach the combo until it stops being
    // one: Qt moves the focus away inside ~QWidget, when this part is gone.
    ~ComboWidget() override { QObject::disconnect(focusFollower); }

    bool dropped = false;
    QMetaObject::Connection focusFollower;

    void showPopup() override
    {
        detail::NotifyCommand(this, CBN_DROPDOWN);
        dropped = true;
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (dropped) {
            dropped = false;
            detail::NotifyCommand(this, CBN_CLOSEUP);
        }
    }
};

using detail::Quietly;

constexpr const char* kFocused = "vesk.focused";

bool InsideOf(const QWidget* outer, const QWidget* widget)
{
    return widget && outer && (widget == outer || outer->isAncestorOf(widget));
}

// Reports the combo's focus changes to its parent. Its own dropped list takes
// the keyboard for a while without taking the focus, as on the system.
void FollowFocus(QComboBox* combo, QWidget* now)
{
    const QWidget* list = combo->view() ? combo->view()->window() : nullptr;
    if (list && list != combo->window() && InsideOf(list, now))
        return;
    const bool has = InsideOf(combo, now);
    if (has == combo->property(kFocused).toBool())
        return;
    combo->setProperty(kFocused, has);
    detail::NotifyCommand(combo, has ? CBN_SETFOCUS : CBN_KILLFOCUS);
}

QWidget* MakeCombo(const WindowCreateParams& params)
{
    auto* combo = new ComboWidget(params.parent);
    const DWORD type = params.style & CBS_TYPEMASK;
    combo->setEditable(type == CBS_DROPDOWN || type == CBS_SIMPLE);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo](int) {
        if (!detail::IsQuiet(combo))
            detail::NotifyCommand(combo, CBN_SELCHANGE);
    });
    combo->focusFollower = QObject::connect(qApp, &QApplication::focusChanged, combo,
                                           [combo](QWidget*, QWidget* now) { FollowFocus(combo, now); });
    if (combo->lineEdit())
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [combo] {
            detail::NotifyCommand(combo, CBN_EDITUPDATE);
            detail::NotifyCommand(combo, CBN_EDITCHANGE);
        });
    return combo;
}

int FindItem(QComboBox* combo, int startAfter, const QString& text, bool exact)
{
    const int count = combo->count();
    for (int n = 0; n < count; ++n) {
        const int i = (startAfter + 1 + n + count) % count;
        const QString item = combo->itemText(i);
        if (exact ? item.compare(text, Qt::CaseInsensitive) == 0 : item.startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return CB_ERR;
}

// Inserts like the system's list: adding never selects an item.
int InsertKeepingSelection(QComboBox* combo, int at, const QString& text)
{
    const bool none = combo->currentIndex() < 0;
    combo->insertItem(at, text);
    if (none)
        combo->setCurrentIndex(-1);
    return at;
}

int SortedIndex(QComboBox* combo, const QString& text)
{
    int i = 0;
    while (i < combo->count() && QString::compare(combo->itemText(i), text, Qt::CaseInsensitive) <= 0)
        ++i;
    return i;
}

bool ComboProc(QWidget* widget, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (!combo)
        return false;
    const auto text = [lParam] { return detail::TextArgument(lParam); };
    const int index = static_cast<int>(static_cast<LPARAM>(wParam));
    *result = 0;
    // A drop-down list has no text of its own to set.
    if (message == WM_SETTEXT && !combo->isEditable())
        return true;
    if (detail::AnswerTextMessage(message, wParam, lParam, result, [combo] { return combo->currentText(); },
                                  [combo](const QString& value) { combo->setEditText(value); }))
        return true;
    switch (message) {
    case CB_ADDSTRING: {
        const int at = (detail::StyleOf(widget) & CBS_SORT) ? SortedIndex(combo, text()) : combo->count();
        *result = Quietly(combo, [&] { return InsertKeepingSelection(combo, at, text()); });
        return true;
    }
    case CB_INSERTSTRING: {
        const int at = (index < 0 || index > combo->count()) ? combo->count() : index;
        *result = Quietly(combo, [&] { return InsertKeepingSelection(combo, at, text()); });
        return true;
    }
    case CB_DELETESTRING:
        if (index < 0 || index >= combo->count()) {
            *result = CB_ERR;
            return true;
        }
        *result = Quietly(combo, [&] {
            // Deleting the selected item leaves none selected.
            const bool selected = combo->currentIndex() == index;
            combo->removeItem(index);
            if (selected)
                combo->setCurrentIndex(-1);
            return combo->count();
        });
        return true;
    case CB_RESETCONTENT:
        Quietly(combo, [&] { combo->clear(); return 0; });
        return true;
    case CB_GETCOUNT:
        *result = combo->count();
        return true;
    case CB_GETCURSEL:
        *result = combo->currentIndex();
        return true;
    case CB_SETCURSEL:
        if (index < -1 || index >= combo->count()) {
            Quietly(combo, [&] { combo->setCurrentIndex(-1); return 0; });
            *result = CB_ERR;
            return true;
        }
        *result = Quietly(combo, [&] { combo->setCurrentIndex(index); return index; });
        if (index == -1)
            *result = CB_ERR;
        return true;
    case CB_GETLBTEXT:
        // The caller's buffer holds CB_GETLBTEXTLEN bytes and the terminator.
        *result = (index < 0 || index >= combo->count())
                      ? CB_ERR
                      : detail::CopyTextOut(combo->itemText(index).toStdString(), combo->itemText(index).toUtf8().size() + 1, lParam);
        return true;
    case CB_GETLBTEXTLEN:
        *result = (index < 0 || index >= combo->count()) ? CB_ERR : combo->itemText(index).toUtf8().size();
        return true;
    case CB_SETITEMDATA:
        if (index < 0 || index >= combo->count()) {
            *result = CB_ERR;
            return true;
        }
        combo->setItemData(index, QVariant::fromValue<qulonglong>(static_cast<qulonglong>(lParam)));
        return true;
    case CB_GETITEMDATA:
        *result = (index < 0 || index >= combo->count()) ? CB_ERR
                                                         : static_cast<LRESULT>(combo->itemData(index).toULongLong());
        return true;
    case CB_FINDSTRINGEXACT:
    case CB_FINDSTRING:
        *result = FindItem(combo, index, text(), message == CB_FINDSTRINGEXACT);
        return true;
    case CB_SELECTSTRING: {
        const int found = FindItem(combo, index, text(), false);
        if (found != CB_ERR)
            Quietly(combo, [&] { combo->setCurrentIndex(found); return 0; });
        *result = found;
        return true;
    }
    case CB_SHOWDROPDOWN:
        if (wParam)
            combo->showPopup();
        else
            combo->hidePopup();
        *result = TRUE;
        return true;
    case CB_GETDROPPEDSTATE:
        *result = static_cast<ComboWidget*>(combo)->dropped ? TRUE : FALSE;
        return true;
    case CB_LIMITTEXT:
        if (combo->lineEdit())
            combo->lineEdit()->setMaxLength(wParam == 0 ? 32767 : static_cast<int>(wParam));
        *result = TRUE;
        return true;
    default:
        return false;
    }
}

} // namespace

namespace detail {

WindowClass ComboBoxClass() { return {"ComboBox", MakeCombo, ComboProc}; }

} // namespace detail

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("ComboBox", nullptr, style, rect, parent, id);
}

int CComboBox::AddString(const CString& text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()))); }
int CComboBox::InsertString(int index, const CString& text)
{
    return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}
int CComboBox::DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::GetCount() const { return static_cast<int>(const_cast<CComboBox*>(this)->SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(const_cast<CComboBox*>(this)->SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }

int CComboBox::GetLBText(int index, CString& text) const
{
    const int length = GetLBTextLen(index);
    if (length < 0) {
        text.clear();
        return CB_ERR;
    }
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    const_cast<CComboBox*>(this)->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<size_t>(length));
    text = buffer;
    return length;
}

CString CComboBox::GetLBText(int index) const
{
    CString text;
    GetLBText(index, text);
    return text;
}

int CComboBox::GetLBTextLen(int index) const
{
    return static_cast<int>(const_cast<CComboBox*>(this)->SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
}
int CComboBox::SetItemData(int index, ULONG_PTR data)
{
    return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}
ULONG_PTR CComboBox::GetItemData(int index) const
{
    return static_cast<ULONG_PTR>(const_cast<CComboBox*>(this)->SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}
int CComboBox::FindStringExact(int startAfter, const CString& text) const
{
    return static_cast<int>(const_cast<CComboBox*>(this)->SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter),
                                                                      reinterpret_cast<LPARAM>(text.c_str())));
}
int CComboBox::SelectString(int startAfter, const CString& text)
{
    return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(startAfter), reinterpret_cast<LPARAM>(text.c_str())));
}
void CComboBox::ShowDropDown(BOOL show) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(show)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(const_cast<CComboBox*>(this)->SendMessage(CB_GETDROPPEDSTATE)); }
BOOL CComboBox::LimitText(int maxChars) { return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(maxChars))); }

} // namespace vesk
