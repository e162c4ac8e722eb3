#pragma once
// Where row 1's families come from: the tree leaf's sub-code resolved
// through the workbench module's catalogue, the built-in families and the
// user's own items; and the families 偏态搜索 looks through. No Qt.

#include "components/features/analysis/omission/catalogue_items.h"
#include "components/features/analysis/omission/custom_items.h"
#include "components/features/analysis/family.h"

#include "host/module_interface.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vesk::omission {

struct SourcedFamily {
    std::uint32_t subCode = 0;             // what opens it again
    std::unique_ptr<analysis::Family> family; // null when the sub-code names none
    std::vector<std::string> unmapped;     // catalogue items the table cannot map
    std::size_t selected = 0;              // the family item of the picked leaf
    std::string error;                     // e.g. a damaged custom items file
};

class FamilySource {
public:
    // module: the workbench module that lends its catalogue (may be null);
    // configFolder: where the user's items file lies ("" for none).
    FamilySource(IModule* module, int length, std::string configFolder);

    int Length() const { return m_length; }

    // The family of a leaf's sub-code: a catalogue item (category << 16 |
    // item), 0x1030-0x1035, an N码遗漏 leaf or 0x1020-0x1022.
    SourcedFamily FamilyOf(std::uint32_t subCode) const;

    // Every mapped catalogue category, then 单选单码, 组选单码, 组选两码: the
    // families of 偏态搜索, each with the sub-code that opens it.
    std::vector<SourcedFamily> SkewFamilies() const;

private:
    std::vector<std::uint16_t> CategoryKeys() const;
    SourcedFamily CatalogueFamily(std::uint16_t category, std::uint16_t item) const;

    IModule* m_module;
    int m_length;
    std::string m_configFolder;
};

} // namespace vesk::omission
