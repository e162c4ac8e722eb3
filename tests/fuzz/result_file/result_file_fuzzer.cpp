// Filter data files of either version: a refused file changes nothing, a
// loaded one survives a write and a read unchanged.
#include "storage/files/filter_data_file.h"
#include "storage/files/number_text_file.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vesk::NumberList list(3);
    list.ParseText("123 456", 3);
    const std::string before = list.ToBinary();
    const vesk::files::FilterDataResult read = vesk::files::ReadFilterData({data, size}, list);
    if (!vesk::IsLoaded(read.status)) {
        if (list.ToBinary() != before || read.error.empty())
            std::abort();
        return 0;
    }
    const std::string saved = vesk::files::EncodeFilterData(list);
    vesk::NumberList back(3);
    const vesk::files::FilterDataResult reread = vesk::files::ReadFilterData(
        {reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size()}, back);
    if (list.Count() > 0 && (reread.status != vesk::ReadStatus::Complete || back.ToBinary() != saved))
        std::abort();
    vesk::files::FormatNumberText(list, 1 + size % 7);
    return 0;
}
