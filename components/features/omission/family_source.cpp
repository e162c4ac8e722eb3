#include "components/features/omission/family_source.h"

#include "components/features/analysis/family_builders.h"

#include "host/catalogue_records.h"
#include "numbers/gbk_text.h"

#include <cstring>

namespace vesk::omission {

namespace {

std::string TextOf(const char* field, std::size_t size)
{
    return GbkToUtf8(std::string_view(field, strnlen(field, size)));
}

} // namespace

FamilySource::FamilySource(IModule* module, int length, std::string configFolder)
    : m_module(module)
    , m_length(length)
    , m_configFolder(std::move(configFolder))
{
}

SourcedFamily FamilySource::CatalogueFamily(std::uint16_t categoryKey, std::uint16_t itemKey) const
{
    SourcedFamily result;
    result.subCode = std::uint32_t(categoryKey) << 16 | itemKey;
    const auto* category = m_module ? static_cast<const catalogue::Category*>(m_module->GetCategory(categoryKey, -1)) : nullptr;
    if (!category)
        return result;
    std::vector<analysis::CatalogueEntry> entries;
    for (int g = 0; g < category->record.groupCount; ++g) {
        const catalogue::Group& group = category->groups[g];
        if (group.record.flags & catalogue::kHiddenFlag)
            continue;
        for (int i = 0; i < group.record.itemCount; ++i) {
            const catalogue::ItemRecord& item = group.items[i];
            if (!(item.flags & catalogue::kHiddenFlag))
                entries.push_back({item.key, TextOf(item.text, sizeof item.text)});
        }
    }
    analysis::CatalogueFamily made = analysis::MakeCatalogueFamily(
        TextOf(category->record.text, sizeof category->record.text), categoryKey, entries, m_length);
    for (std::size_t k = 0; k < made.keys.size(); ++k)
        if (made.keys[k] == itemKey)
            result.selected = k;
    result.family = std::move(made.family);
    result.unmapped = std::move(made.unmapped);
    return result;
}

std::vector<std::uint16_t> FamilySource::CategoryKeys() const
{
    std::vector<std::uint16_t> keys;
    if (!m_module)
        return keys;
    const SlotInt count = m_module->GetCategoryCount();
    for (SlotInt i = 0; i < count; ++i) {
        const auto* category = static_cast<const catalogue::Category*>(m_module->GetCategory(0, i));
        if (category && !(category->record.flags & catalogue::kHiddenFlag))
            keys.push_back(category->record.key);
    }
    return keys;
}

SourcedFamily FamilySource::FamilyOf(std::uint32_t subCode) const
{
    const auto categoryKey = static_cast<std::uint16_t>(subCode >> 16);
    if (categoryKey != 0)
        return CatalogueFamily(categoryKey, static_cast<std::uint16_t>(subCode));
    SourcedFamily result;
    result.subCode = subCode;
    if (subCode >= analysis::kCustomCombinationCode && subCode <= analysis::kCustomListCode) {
        analysis::CustomItems items;
        if (!m_configFolder.empty()) {
            analysis::CustomItemsLoad load =
                analysis::LoadCustomItems(analysis::CustomItemsPath(m_configFolder, m_length), m_length);
            items = std::move(load.items);
            result.error = load.error;
            if (!load.setAsidePath.empty())
                result.error += "（已移至 " + load.setAsidePath + "）";
        }
        result.family = analysis::MakeCustomFamily(subCode, items, m_length);
        return result;
    }
    result.family = analysis::FamilyOfLeaf(subCode, m_length);
    return result;
}

std::vector<SourcedFamily> FamilySource::SkewFamilies() const
{
    std::vector<SourcedFamily> families;
    for (std::uint16_t key : CategoryKeys()) {
        SourcedFamily family = CatalogueFamily(key, 0);
        const auto* category = static_cast<const catalogue::Category*>(m_module->GetCategory(key, -1));
        // Open the category at its first item.
        if (category && category->record.groupCount > 0 && category->groups[0].record.itemCount > 0)
            family.subCode = std::uint32_t(key) << 16 | category->groups[0].items[0].key;
        family.selected = 0;
        if (family.family && family.family->Size() > 0)
            families.push_back(std::move(family));
    }
    for (std::uint32_t code : {0x1030u, 0x1033u, 0x1034u})
        families.push_back(FamilyOf(code));
    return families;
}

} // namespace vesk::omission
