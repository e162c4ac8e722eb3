// Feeds arbitrary bytes to the catalogue loader under each game's mask and
// walks whatever it retained, so out-of-bounds reads show up under ASan.
#include "module/catalogue/catalogue.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vesk::catalogue;
    for (std::uint32_t mask : {kMaskThreeDigits, kMaskFiveDigits, 0u}) {
        Catalogue catalogue;
        if (!catalogue.Parse({data, size}, mask))
            continue;
        std::size_t sum = 0;
        for (const Category& category : catalogue.Categories()) {
            for (const Group& group : std::span(category.groups, category.record.groupCount)) {
                for (const ItemRecord& item : std::span(group.items, group.record.itemCount))
                    sum += item.key + FieldText(item.text).size();
            }
            catalogue.FindItem(category.record.key, 0);
        }
        if (sum == 1)
            catalogue.CategoryAt(0);
    }
    return 0;
}
