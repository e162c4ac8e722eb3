#pragma once
// Shared pieces of the skinned-control tests: the generated skins as the
// resource folder, a modeless dialog that records what its controls report,
// and pixel helpers.

#include "framework/framework.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

namespace skintest {

// Points relative image paths at <build>/Skin, where the build drew the skins.
void UseGeneratedSkins();
QImage SkinImage(const char* name);
// For fixtures whose members load skins while being constructed: declare first.
struct GeneratedSkins {
    GeneratedSkins() { UseGeneratedSkins(); }
};

struct Report {
    vesk::UINT message;
    vesk::UINT code; // notification code, or the scroll code
    int value;       // control id, or the scroll position
};

// A modeless pop-up dialog made from a template; it records the commands and
// scroll messages it receives, and what its hooks read at that moment.
class RecordingDialog : public vesk::CDialog {
public:
    RecordingDialog() = default;
    // Registers the template (id 9100 + n) and creates the dialog, shown.
    bool CreateWith(vesk::DialogTemplate dialogTemplate);

    vesk::LRESULT WindowProc(vesk::UINT message, vesk::WPARAM wParam, vesk::LPARAM lParam) override;

    std::vector<Report> reports;
    std::function<void(const Report&)> onReport;
    QWidget* Client() const { return ClientWidget(); }
};

// A visible pop-up template of cx x cy dialog units holding the controls.
vesk::DialogTemplate Popup(int cx, int cy, std::vector<vesk::DialogControl> controls = {});

vesk::DialogControl Control(int id, const char* windowClass, const char* text, int x, int y, int cx, int cy,
                            vesk::DWORD style = 0);

// The widget painted now, as an image in device pixels.
QImage Grab(QWidget* widget);
QColor PixelOf(const QImage& image, int x, int y);
QColor Rgb(vesk::COLORREF colour);

// Lets queued paints, posted messages and timers run.
void Settle();

} // namespace skintest
