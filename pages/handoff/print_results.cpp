#include "pages/handoff/print_results.h"

#include "host/other_interfaces.h"

#include <string>

namespace vesk::handoff {
namespace {

constexpr ModuleNameRecord kPrintComponent = ModuleNameRecord::Make("RyxOther.dll", "IRyxPrint");
constexpr SlotInt kPrintKind = 3;

} // namespace

PrintOutcome PrintResults(IHostObject& host, NumberList& list)
{
    if (list.IsEmpty())
        return PrintOutcome::EmptyList;
    void* holder = nullptr;
    if (host.LoadComponent(&kPrintComponent, &holder) == 0 || !holder)
        return PrintOutcome::NoComponent;
    auto* print = static_cast<IRyxPrint*>(holder);
    print->Begin(&host, static_cast<SlotInt>(list.Count()), kPrintKind);
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        // ToText's buffer changes with the next call; the component copies it.
        const std::string text(list.ToText(i));
        print->SetItem(static_cast<SlotInt>(i), text.c_str());
    }
    print->Print();
    host.ReleaseComponent(&holder);
    return PrintOutcome::Printed;
}

} // namespace vesk::handoff
