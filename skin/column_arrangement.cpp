#include "skin/column_arrangement.h"

#include "framework/gdi_objects.h"
#include "host/other_interfaces.h"

namespace vesk {
namespace {

constexpr ModuleNameRecord kArrangeComponent = ModuleNameRecord::Make("RyxOther.dll", "IArrange");

} // namespace

bool RunColumnArrangement(IHostObject& host, WindowHandle owner, const ColumnArrangementCall& call)
{
    // The images outlive the component's run and go when this returns.
    CBitmap images[4];
    const char* files[4] = {"Skin\\ArrDml75.bmp", "Skin\\ArrSel75.bmp", "Skin\\ArrDrg75.bmp", "Skin\\ArrHnt75.bmp"};
    for (int i = 0; i < 4; ++i)
        images[i].LoadFromFile(files[i]);
    void* holder = nullptr;
    if (host.LoadComponent(&kArrangeComponent, &holder) == 0 || !holder)
        return false;
    auto* arrange = static_cast<IArrange*>(holder);
    arrange->Initialize(&host, owner);
    const auto image = [&](int i) { return static_cast<void*>(static_cast<HBITMAP>(images[i])); };
    arrange->SetImages(image(0), image(1), image(2), image(3));
    arrange->SetCaption(call.caption);
    arrange->SetAreaCaptions(call.shownCaption, call.hiddenCaption);
    arrange->SetShownRecord(call.shownRecord);
    arrange->SetHiddenRecord(call.hiddenRecord);
    const bool changed = arrange->Run() == 1;
    for (CBitmap& bitmap : images)
        bitmap.DeleteObject();
    host.ReleaseComponent(&holder);
    return changed;
}

} // namespace vesk
