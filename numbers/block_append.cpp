#include "numbers/block_append.h"

namespace vesk {

AppendedBlock AppendBlock(std::string_view area, std::string_view block)
{
    AppendedBlock result;
    result.text.reserve(area.size() + 4 + block.size());
    result.text = area;
    if (!area.empty())
        result.text += "\r\n\r\n";
    result.caret = result.text.size();
    result.text += block;
    return result;
}

} // namespace vesk
