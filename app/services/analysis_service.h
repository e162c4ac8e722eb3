#pragma once
// Service 10: number analysis. Slot 5 makes a number current and the
// attribute slots answer for it (attribute_selectors.h); slot 36 turns number
// codes into group codes.

#include "app/services/draw_history_file.h"
#include "application/number_attributes.h"
#include "host/host_services.h"

#include <optional>

namespace vesk::app {

class AnalysisService final : public IAnalysisService {
public:
    // history: the user's draws, if any; omissions are -1 without.
    explicit AnalysisService(std::optional<DrawHistory> history = std::nullopt);

    void SetHistory(std::optional<DrawHistory> history) { m_history = std::move(history); }
    const std::optional<DrawHistory>& History() const { return m_history; }
    const Digits3& Current() const { return m_current; }

    SlotInt GetAttribute(SlotInt selector) override;
    // Returns 1; 0 (current number unchanged) when digits is null or a digit exceeds 9.
    SlotInt SetCurrentNumber(const std::uint8_t* digits) override;
    // Writes the three digits of the current number; 3, or 0 for a null buffer.
    SlotInt GetCurrentNumber(std::uint8_t* digits) override;
    SlotInt GetAttribute17(SlotInt flag) override;
    SlotInt GetAttribute18(SlotInt flag) override;
    SlotInt GetAttribute28(SlotInt flag) override;
    // At most 220 group codes into out; 0 for null pointers or a negative count.
    SlotInt ToGroupCodes(const std::uint32_t* codes, SlotInt count, std::uint32_t* out) override;

private:
    SlotInt Answer(std::optional<Attribute> attribute) const;

    Digits3 m_current{};
    std::optional<DrawHistory> m_history;
};

} // namespace vesk::app
