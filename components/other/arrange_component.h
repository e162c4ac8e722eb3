#pragma once
// Our IArrange. What the slots mean here:
//
// - Slot 2 Initialize(host, owner): the host whose environment service holds
//   the records, and the window the dialog is modal to (0: none). 1 when the
//   host offers an environment service.
// - Slots 7, 8: the dialog's caption and the captions of the shown and hidden
//   areas (UTF-8); null keeps the text empty.
// - Slots 12, 13: the option records of the shown and the hidden columns.
// - Slot 14: the item images as the framework's HBITMAPs (normal, selected,
//   dragged, hint), copied at once; a null or foreign handle leaves that
//   image out and the item is drawn as a plain box.
// - Slot 15 Run(): reads both records, shows the dialog modally and, on OK
//   with an arrangement that differs from the one read, writes the shown
//   record and then the hidden one. Returns 1 when it stored a change, 0
//   after Cancel, an OK without change, or when it could not run (no host,
//   no record ids) or store (the user is told).

#include "components/other/arrange_board.h"
#include "host/other_interfaces.h"

#include <string>

namespace vesk::other {

class ArrangeComponent final : public IArrange {
public:
    SlotInt Initialize(IHostObject* host, WindowHandle owner) override;
    SlotInt SetCaption(const char* caption) override;
    SlotInt SetAreaCaptions(const char* shown, const char* hidden) override;
    SlotInt SetShownRecord(SlotInt optionId) override;
    SlotInt SetHiddenRecord(SlotInt optionId) override;
    SlotInt SetImages(void* normal, void* selected, void* dragged, void* hint) override;
    SlotInt Run() override;

private:
    IEnvironmentService* m_environment = nullptr;
    WindowHandle m_owner = 0;
    std::string m_caption;
    std::string m_shownCaption;
    std::string m_hiddenCaption;
    SlotInt m_shownRecord = 0;
    SlotInt m_hiddenRecord = 0;
    ItemImages m_images;
};

} // namespace vesk::other
