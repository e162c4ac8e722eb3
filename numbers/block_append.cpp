#include "numbers/block_append.h"

namespace vesk {

AppendedBlock AppendBlock(std::size_t areaLength, std::string_view block)
{
    constexpr std::string_view kSeparator = "\r\n\r\n";
    AppendedBlock result;
    result.tail.reserve(kSeparator.size() + block.size());
    if (areaLength > 0)
        result.tail = kSeparator;
    result.caret = areaLength + result.tail.size();
    result.tail += block;
    return result;
}

} // namespace vesk
