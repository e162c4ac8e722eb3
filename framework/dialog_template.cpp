// Dialog templates and dialog units.
#include "framework/dialog_template.h"

#include "framework/system_api.h"

#include <QFontMetrics>

namespace vesk {

void TemplateRegistry::Register(DialogTemplate dialog)
{
    const UINT id = dialog.id;
    m_templates.insert_or_assign(id, std::move(dialog));
}

const DialogTemplate* TemplateRegistry::Find(UINT id) const
{
    auto it = m_templates.find(id);
    return it == m_templates.end() ? nullptr : &it->second;
}

DialogUnits DialogUnits::ForFont(const QFont& font)
{
    // The average width of the Latin letters, rounded, and the font height.
    const QFontMetrics metrics(font);
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    DialogUnits units;
    units.baseX = std::max(1, (metrics.horizontalAdvance(letters) / 26 + 1) / 2);
    units.baseY = std::max(1, metrics.height());
    return units;
}

int DialogUnits::Horizontal(int units) const { return (units * baseX) / 4; }
int DialogUnits::Vertical(int units) const { return (units * baseY) / 8; }

CRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const
{
    const int left = Horizontal(x);
    const int top = Vertical(y);
    return CRect(left, top, left + Horizontal(cx), top + Vertical(cy));
}

QFont DialogFont(const DialogTemplate& dialog)
{
    InstallFontSubstitutions();
    QFont font(QString::fromStdString(dialog.fontFace));
    font.setPointSize(std::max(1, dialog.fontPointSize));
    return font;
}

} // namespace vesk
