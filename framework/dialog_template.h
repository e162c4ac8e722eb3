#pragma once
// Dialog templates as data in code: the dialog's rectangle, style, caption and
// font, and its controls by id, window class, text, rectangle and style.
// Rectangles are in dialog units (left, top, width, height), converted to
// pixels with the dialog font's average character size.

#include "framework/geometry.h"
#include "framework/win_types.h"

#include <QFont>

#include <map>
#include <string>
#include <vector>

namespace vesk {

struct DialogControl {
    int id = 0;
    std::string windowClass; // "Button", "Edit", "ComboBox", "Static", "SysTabControl32", ...
    std::string text;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    DWORD style = 0; // WS_CHILD is always added, WS_VISIBLE unless hidden
    DWORD exStyle = 0;
    bool hidden = false;
};

struct DialogTemplate {
    UINT id = 0;
    std::string caption;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string fontFace = "宋体";
    int fontPointSize = 9;
    std::vector<DialogControl> controls;
};

// Templates by id. Each module context holds one registry.
class TemplateRegistry {
public:
    // Replaces a template with the same id.
    void Register(DialogTemplate dialog);
    // Null when the id is not registered.
    const DialogTemplate* Find(UINT id) const;
    bool Contains(UINT id) const { return Find(id) != nullptr; }

private:
    std::map<UINT, DialogTemplate> m_templates;
};

// Dialog units to pixels for a dialog font: x * averageWidth / 4, y * height / 8.
struct DialogUnits {
    int baseX = 6;
    int baseY = 12;
    static DialogUnits ForFont(const QFont& font);
    CRect ToPixels(int x, int y, int cx, int cy) const;
    int Horizontal(int units) const;
    int Vertical(int units) const;
};

// The dialog font of a template; the face resolves through the font
// substitutions (a CJK face to the installed CJK font).
QFont DialogFont(const DialogTemplate& dialog);

} // namespace vesk
