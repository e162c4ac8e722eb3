#include "pages/editor/print_numbers.h"

namespace vesk {

std::vector<PrintedNumber> PrintedNumbers(std::string_view text)
{
    std::vector<PrintedNumber> numbers;
    PrintedNumber current {};
    int filled = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            continue;
        current[filled++] = c;
        if (filled == 3) {
            numbers.push_back(current);
            filled = 0;
        }
    }
    return numbers;
}

} // namespace vesk
