#include "tools/cli/default_columns.h"

#include "application/column_defaults.h"
#include "application/number_attributes.h"

namespace vesk::cli {

void MakeDefaultColumns(DefaultColumns& made)
{
    made.table.assign(std::size_t(files::kTableCodes) * files::kTableAttributes, 0);
    for (int code = 0; code < files::kTableCodes; ++code) {
        const Digits3 digits{static_cast<std::uint8_t>(code / 100), static_cast<std::uint8_t>(code / 10 % 10),
                                  static_cast<std::uint8_t>(code % 10)};
        for (int k = 0; k < files::kTableAttributes; ++k)
            made.table[std::size_t(code) * files::kTableAttributes + std::size_t(k)]
                = AttributeValue(static_cast<Attribute>(k), digits, nullptr);
    }
    made.columns = {};
    for (int k : DefaultShownAttributes())
        made.columns.attributes.push_back({std::string(AttributeTitle(k)), k});
    made.columns.table = made.table;
}

} // namespace vesk::cli
