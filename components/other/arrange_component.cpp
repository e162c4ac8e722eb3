#include "components/other/arrange_component.h"

#include "components/other/arrange_dialog.h"
#include "framework/cwnd.h"
#include "framework/gdi_objects.h"
#include "framework/interaction.h"
#include "framework/module_context.h"
#include "framework/styles.h"
#include "framework/system_api.h"

#include <vector>

namespace vesk::other {
namespace {

constexpr SlotInt kHostShownColumnsRecord = 4204;

QImage ImageOf(void* handle)
{
    const auto* object = static_cast<const GdiObject*>(handle);
    if (!object || object->kind != GdiObject::Kind::Bitmap)
        return {};
    return static_cast<const GdiBitmap*>(object)->image;
}

std::vector<std::uint8_t> ReadRecord(IEnvironmentService& environment, SlotInt id)
{
    const SlotInt length = environment.ReadOption(id, nullptr);
    if (length <= 0)
        return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    // The record may have changed in between; only what both reads agree on counts.
    const SlotInt again = environment.ReadOption(id, bytes.data());
    bytes.resize(static_cast<std::size_t>(std::clamp<SlotInt>(again, 0, length)));
    return bytes;
}

} // namespace

SlotInt ArrangeComponent::Initialize(IHostObject* host, WindowHandle owner)
{
    m_environment = host ? static_cast<IEnvironmentService*>(host->GetService(kServiceEnvironment)) : nullptr;
    m_owner = owner;
    return m_environment ? 1 : 0;
}

SlotInt ArrangeComponent::SetCaption(const char* caption)
{
    m_caption = caption ? caption : "";
    return 1;
}

SlotInt ArrangeComponent::SetAreaCaptions(const char* shown, const char* hidden)
{
    m_shownCaption = shown ? shown : "";
    m_hiddenCaption = hidden ? hidden : "";
    return 1;
}

SlotInt ArrangeComponent::SetShownRecord(SlotInt optionId)
{
    m_shownRecord = optionId;
    return 1;
}

SlotInt ArrangeComponent::SetHiddenRecord(SlotInt optionId)
{
    m_hiddenRecord = optionId;
    return 1;
}

SlotInt ArrangeComponent::SetImages(void* normal, void* selected, void* dragged, void* hint)
{
    m_images = {ImageOf(normal), ImageOf(selected), ImageOf(dragged), ImageOf(hint)};
    return 1;
}

SlotInt ArrangeComponent::Run()
{
    if (!m_environment || m_shownRecord == 0 || m_hiddenRecord == 0)
        return 0;
    ModuleContextGuard context(OtherResources());
    InstallFontSubstitutions();
    const std::vector<std::uint8_t> shownBytes = ReadRecord(*m_environment, m_shownRecord);
    const std::vector<std::uint8_t> hiddenBytes = ReadRecord(*m_environment, m_hiddenRecord);
    Arrangement before = Arrangement::FromRecords(shownBytes, hiddenBytes);
    // The host's own column records hold 11 columns at most; a caller's
    // records of more columns (the state table's 14) keep them all movable.
    if (m_shownRecord != kHostShownColumnsRecord)
        before.RaiseCapacityToItems();
    // A handle that is no window (any more) gets no owner rather than a wrapper around nothing.
    const HWND owner = FromWindowHandle(m_owner);
    ArrangeDialog dialog(before, m_images, {m_caption, m_shownCaption, m_hiddenCaption},
                         IsWindow(owner) ? CWnd::FromHandle(owner) : nullptr);
    if (dialog.DoModal() != IDOK || dialog.Current() == before)
        return 0;
    const Arrangement& after = dialog.Current();
    const auto shown = SerializeColumnRecords(after.Items(Area::Shown));
    const auto hidden = SerializeColumnRecords(after.Items(Area::Hidden));
    bool stored = false;
    bool failed = false;
    for (const auto& [id, bytes] : {std::pair{m_shownRecord, &shown}, std::pair{m_hiddenRecord, &hidden}}) {
        const bool same = (id == m_shownRecord ? shownBytes : hiddenBytes) == *bytes;
        if (same)
            continue;
        if (m_environment->WriteOption(id, static_cast<SlotInt>(bytes->size()), bytes->data()) == 1)
            stored = true;
        else
            failed = true;
    }
    if (failed) {
        MessageBoxRequest request;
        request.text = "表头设置未能全部保存。";
        request.caption = m_caption.empty() ? "提示信息" : m_caption;
        request.type = MB_OK | MB_ICONWARNING;
        Interaction().MessageBox(request);
    }
    return stored ? 1 : 0;
}

} // namespace vesk::other
