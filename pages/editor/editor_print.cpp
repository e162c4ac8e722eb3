#include "pages/editor/editor_print.h"

#include "host/other_interfaces.h"
#include "pages/editor/print_numbers.h"

namespace vesk {

PrintOutcome PrintNumbers(IHostObject* host, std::string_view text)
{
    const std::vector<PrintedNumber> numbers = PrintedNumbers(text);
    if (numbers.empty())
        return PrintOutcome::NothingToPrint;
    void* holder = nullptr;
    if (!host || !host->LoadComponent(&kPrintComponentName, &holder) || !holder)
        return PrintOutcome::NoComponent;
    auto* print = static_cast<IRyxPrint*>(holder);
    constexpr SlotInt kDigitsPerNumber = 3;
    print->Begin(host, static_cast<SlotInt>(numbers.size()), kDigitsPerNumber);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        print->SetItem(static_cast<SlotInt>(i), numbers[i].data());
    print->Print();
    host->ReleaseComponent(&holder);
    return PrintOutcome::Printed;
}

} // namespace vesk
