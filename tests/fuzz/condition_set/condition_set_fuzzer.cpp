// The condition-set reader: any bytes are read or refused with a message,
// never crash; a set it reads writes back to a text that reads as the same
// set, and compiles (for short numbers) into a table of sane size.
#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_set_file.h"
#include "numbers/number_length.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vesk::filter;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SetReadResult read = ReadConditionSet(text);
    if (!read.set) {
        if (read.error.empty())
            std::abort();
        return 0;
    }
    const SetReadResult again = ReadConditionSet(WriteConditionSet(*read.set), read.set->digits);
    if (!again.set || !(*again.set == *read.set))
        std::abort();
    const int length = read.set->digits;
    if (length <= 4) {
        const std::uint32_t top = vesk::PowerOfTen(length) - 1;
        const std::uint32_t draws[] = {0, top, top / 3, top};
        const HistoryIndex history(draws, length);
        const CompileResult compiled = Compile(*read.set, length, &history);
        if (compiled.compiled && compiled.compiled->KeptCount() > compiled.compiled->Space().Size())
            std::abort();
    }
    return 0;
}
