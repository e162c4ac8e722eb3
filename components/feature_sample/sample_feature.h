#pragma once
// A sibling feature module: the reference for anyone writing one.
//
// How such a module is reached
// ----------------------------
// The workbench module names a sibling module by a 32-byte ModuleNameRecord
// (file "VeskFeature.dll", an interface name such as "IVeskLookup") and asks
// the host to load it. The host maps the file name to lib<stem>.so in its
// plug-in folder (here libveskfeature.so), calls the library's exported
// DllCreateInstance with the record and hands the interface back. The library
// must refuse (return 0) any record it does not serve, byte for byte. When the
// feature is closed the host calls DllReleaseInstance with a pointer to the
// interface pointer; the library frees the instance and clears the pointer.
//
// The calls a feature receives (IFeatureModule, by slot)
// -----------------------------------------------------
//   2 Initialize(host, parent)  before every opening; create windows as
//                               children of parent (a QWidget* as handle)
//   7 Open(a, b, c, d)          the arguments depend on the feature's row:
//                               rows 6-8:  (code)
//                               rows 2-5, 9, 10: (code, module, analysis)
//                               row 1:     (code, sub-code, module, analysis)
//                               "module" is the workbench's IModule,
//                               "analysis" the host's service 10
//   5 GetWindow()               the window the caller places over the area
//   3 Show(command)             0 hides, 5 shows
//   6 FilterMessage(message)    an input message (framework MSG) before it is
//                               dispatched; non-zero consumes it
//   8 Refresh()                 the data changed; recompute what is shown
// Rows 6-8 get Open before Initialize; the others Initialize before Open.
//
// This sample serves all ten rows with one window that shows the feature's
// name and the arguments it was last opened with. F5 refreshes it.

#include "host/feature_module_interface.h"
#include "host/module_name_record.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>

class QLabel;
class QWidget;

namespace vesk::sample {

class SampleFeature final : public IFeatureModule {
public:
    // row: 1-based row of the sibling module table the record names.
    SampleFeature(const ModuleNameRecord& name, int row);
    ~SampleFeature();
    SampleFeature(const SampleFeature&) = delete;
    SampleFeature& operator=(const SampleFeature&) = delete;

    SlotInt Initialize(IHostObject* host, WindowHandle parent) override;
    SlotInt Show(SlotInt showCommand) override;
    WindowHandle GetWindow() override;
    // Counts the messages offered; consumes F5 pressed anywhere while the
    // feature is open, and refreshes.
    SlotInt FilterMessage(void* message) override;
    SlotInt Open(SlotInt a, SlotInt b, SlotInt c, SlotInt d) override;
    SlotInt Refresh() override;

    const ModuleNameRecord& Name() const { return m_name; }

private:
    void EnsureWindow();
    void UpdateText();
    QStringList ArgumentLines() const;
    // Row 1: the name of the list its sub-code picks, from the catalogue
    // through the workbench module when it is a catalogue item.
    QString ListName() const;

    ModuleNameRecord m_name;
    int m_row;
    IHostObject* m_host = nullptr;
    QWidget* m_parent = nullptr;
    QPointer<QWidget> m_window;
    QLabel* m_title = nullptr;
    QLabel* m_details = nullptr;
    std::array<SlotInt, 4> m_arguments{};
    int m_initializeCount = 0;
    int m_openCount = 0;
    int m_refreshCount = 0;
    int m_offeredCount = 0;
};

} // namespace vesk::sample
