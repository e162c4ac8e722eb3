// The host's option records as found on disk, each a file a crash or a hand
// edit may have left any length. The first input byte picks the record, the
// rest is the file. The host hands a record only into buffers of the size
// its id allows (each one here is exactly that size, so a longer copy is a
// sanitizer report), a refused record answers the defaults, and every reader
// of a record (settings, result options, the grid's and the arrangement's
// column records, the dialog folders) stays inside the bytes it was given.
#include "application/column_defaults.h"
#include "app/services/dialog_folder_record.h"
#include "app/services/environment_service.h"
#include "application/number_attributes.h"
#include "application/option_ids.h"
#include "components/other/arrangement.h"
#include "pages/options/result_options.h"
#include "pages/result/grid_columns.h"
#include "tests/support/fuzz_folder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

namespace {

using namespace vesk;

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

constexpr std::array<std::int32_t, 7> kIds = {
    kOptionKeepConditions, kOptionEditorColumns, kOptionShownColumns, kOptionHiddenColumns,
    kOptionResultOptions,  kOptionHostVariant,   kOptionDialogFolders,
};
constexpr std::uint8_t kUntouched = 0xEE;

std::optional<Bytes> DefaultOf(std::int32_t id)
{
    if (id == kOptionShownColumns)
        return DefaultShownColumns();
    if (id == kOptionHiddenColumns)
        return DefaultHiddenColumns();
    return std::nullopt;
}

// What the host answers into a buffer of exactly the size the id allows.
Bytes Answer(app::EnvironmentService& environment, std::int32_t id)
{
    const std::size_t limit = MaxOptionLength(id);
    const SlotInt announced = environment.ReadOption(id, nullptr);
    std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[limit]);
    std::memset(buffer.get(), kUntouched, limit);
    const SlotInt length = environment.ReadOption(id, buffer.get());
    Require(length == announced && length >= 0 && std::size_t(length) <= limit);
    if (id == kOptionKeepConditions)
        return {buffer[0]};
    Require(std::all_of(buffer.get() + length, buffer.get() + limit, [](std::uint8_t b) { return b == kUntouched; }));
    return Bytes(buffer.get(), buffer.get() + length);
}

void CheckColumnRecords(const Bytes& record)
{
    const std::vector<ColumnItem> items = ParseColumnRecords(record);
    Require(items.size() == record.size() / kColumnRecordBytes);
    // What the arrangement writes back reads as the same columns; a title
    // that filled its field loses only whole characters to the terminator.
    const std::vector<ColumnItem> back = ParseColumnRecords(SerializeColumnRecords(items));
    Require(back.size() == items.size());
    for (std::size_t k = 0; k < items.size(); ++k) {
        Require(back[k].attribute == items[k].attribute);
        if (items[k].gbkTitle.size() < kColumnTitleBytes) {
            Require(back[k].gbkTitle == items[k].gbkTitle);
        } else {
            Require(back[k].gbkTitle.size() >= kColumnTitleBytes - 2);
            Require(items[k].title.compare(0, back[k].title.size(), back[k].title) == 0);
        }
    }
}

void CheckReaders(app::EnvironmentService& environment, std::int32_t id, const Bytes& answer)
{
    switch (id) {
    case kOptionResultOptions: {
        const options::ResultOptions read = options::ReadResultOptions(environment);
        for (std::size_t i = 0; i < read.bytes.size(); ++i)
            Require(read.bytes[i] == (i < answer.size() ? answer[i] : 0));
        break;
    }
    case kOptionShownColumns:
    case kOptionHiddenColumns: {
        CheckColumnRecords(answer);
        const bool shown = id == kOptionShownColumns;
        const Bytes counterpart = shown ? DefaultHiddenColumns() : DefaultShownColumns();
        const other::Arrangement arrangement =
            shown ? other::Arrangement::FromRecords(answer, counterpart)
                  : other::Arrangement::FromRecords(counterpart, answer);
        // No column of the host's set stands in both areas.
        for (const ColumnItem& item : arrangement.Items(other::Area::Hidden))
            if (item.attribute >= 0 && item.attribute < kAttributeCount)
                for (const ColumnItem& seen : arrangement.Items(other::Area::Shown))
                    Require(seen.attribute != item.attribute);
        if (shown) {
            const std::vector<result::GridColumn> columns = result::ReadShownColumns(environment);
            const std::vector<ColumnItem> items = ParseColumnRecords(answer);
            Require(columns.size() == std::min(items.size(), result::kMaxColumnRecords));
            for (std::size_t k = 0; k < columns.size(); ++k)
                Require(columns[k].attribute == items[k].attribute && columns[k].title == items[k].title);
        }
        break;
    }
    case kOptionDialogFolders: {
        const app::DialogFolderRecord record =
            app::DialogFolderRecord::Parse(std::string(answer.begin(), answer.end()));
        const std::string written = record.Serialize(MaxOptionLength(id));
        Require(written.size() <= MaxOptionLength(id));
        // Whole lines only, so what reads back is the newest of the entries.
        const auto& all = record.Entries();
        const std::vector<app::DialogFolderEntry> back = app::DialogFolderRecord::Parse(written).Entries();
        Require(back.size() <= all.size() && std::equal(back.begin(), back.end(), all.begin()));
        break;
    }
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::int32_t id = kIds[data[0] % kIds.size()];
    const Bytes stored(data + 1, data + size);
    const app::HostPaths paths = app::HostPaths::UnderRoot(vesk::test::FuzzFolder());
    Require(app::EnsureFolder(paths.options));
    const std::string path = app::OptionStore(paths.options).PathOf(id);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(stored.data()), static_cast<std::streamsize>(stored.size()));

    const bool fits = stored.size() <= MaxOptionLength(id);
    const std::optional<Bytes> record = app::OptionStore(paths.options).Read(id);
    Require(fits ? record == stored : !record);

    app::EnvironmentService environment(paths, "");
    const Bytes answer = Answer(environment, id);
    if (id == kOptionKeepConditions) {
        const bool keep = stored.size() == 1 ? stored[0] == 1 : true;
        Require(environment.KeepConditions() == keep && answer == Bytes{std::uint8_t(keep ? 1 : 0)});
    } else if (id == kOptionHostVariant) {
        std::int32_t variant = 0;
        if (stored.size() == 4)
            std::memcpy(&variant, stored.data(), 4);
        Require(environment.GetHostVariant() == variant);
    }
    if (id != kOptionKeepConditions)
        Require(answer == (fits ? stored : DefaultOf(id).value_or(Bytes{})));
    CheckReaders(environment, id, answer);
    std::remove(path.c_str());
    return 0;
}
