#include "pages/options/arrange_columns.h"

#include "framework/gdi_objects.h"
#include "host/other_interfaces.h"

namespace vesk::options {
namespace {

constexpr ModuleNameRecord kArrangeComponent = ModuleNameRecord::Make("RyxOther.dll", "IArrange");

} // namespace

bool RunColumnArrangement(IHostObject& host, WindowHandle owner)
{
    return RunColumnArrangement(host, owner,
                                {"缩水器选项", "显示的缩水器表头（可以拖动改变位置，也可以拖动到隐藏区域以不显示该表头）",
                                 "隐藏的缩水器表头，可以拖动到显示区域以显示该表头", 4204, 4205});
}

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

} // namespace vesk::options
