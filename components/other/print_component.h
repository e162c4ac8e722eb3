#pragma once
// Our IRyxPrint. What the slots mean here:
//
// - Slot 2 Begin(host, count, kind): starts a new job of count items
//   (1..10^7) and forgets any earlier one. kind is the job kind: 3 is a list
//   of lottery numbers, the only kind we print; any other kind is refused.
//   host may be null; when given, its text service's file-name prefix ("3D")
//   begins the printed title. 1 when started, 0 when refused.
// - Slot 3 SetItem(index, text): item index (UTF-8) of the job; 0 for an
//   index outside the job, a null text or no job.
// - Slot 4 Print(): asks where to print through the framework's interaction
//   provider (the system's print dialog, or a test's scripted answer), then
//   prints every item in order on as many pages as needed: title, count and
//   date at the head of each page, the numbers in columns, the page number at
//   the foot. 1 when printed; 0 without a job, when the user cancels, or when
//   the printer or file cannot be written (the user is told so).

#include "components/other/print_job.h"
#include "host/other_interfaces.h"

#include <QString>

namespace vesk::other {

class PrintComponent final : public IRyxPrint {
public:
    SlotInt Begin(IHostObject* host, SlotInt count, SlotInt kind) override;
    SlotInt SetItem(SlotInt index, const char* text) override;
    SlotInt Print() override;

private:
    QString Title() const;

    IHostObject* m_host = nullptr;
    PrintJob m_job;
};

} // namespace vesk::other
