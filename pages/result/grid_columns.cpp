#include "pages/result/grid_columns.h"

#include "numbers/gbk_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vesk::result {
namespace {

constexpr SlotInt kShownColumnsRecord = 4204;
constexpr std::size_t kTitleSize = 32;

std::int32_t ReadInt32(const std::uint8_t* bytes)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return static_cast<std::int32_t>(value);
}

void ApplyGridLook(IRyxGridCtrl& grid)
{
    grid.SetMode(1, 0);
    grid.SetMetrics(6, 20, 10000);
}

} // namespace

std::vector<GridColumn> ParseColumnRecords(std::span<const std::uint8_t> bytes, SlotInt returnedLength)
{
    const std::size_t announced = static_cast<std::size_t>(std::llabs(returnedLength)) / kColumnRecordSize;
    const std::size_t count = std::min({announced, kMaxColumnRecords, bytes.size() / kColumnRecordSize});
    std::vector<GridColumn> columns;
    for (std::size_t k = 0; k < count; ++k) {
        const std::uint8_t* record = bytes.data() + k * kColumnRecordSize;
        const char* title = reinterpret_cast<const char*>(record + 4);
        const std::size_t length = strnlen(title, kTitleSize);
        columns.push_back({ReadInt32(record), GbkToUtf8(std::string_view(title, length))});
    }
    return columns;
}

std::vector<GridColumn> ReadShownColumns(IEnvironmentService& environment)
{
    std::array<std::uint8_t, kColumnRecordSize * kMaxColumnRecords> buffer{};
    const SlotInt length = environment.ReadOption(kShownColumnsRecord, buffer.data());
    return ParseColumnRecords(buffer, length);
}

void AttributeTable::Compute(IGameService& game, IAnalysisService& analysis)
{
    const SlotInt context = game.GetAttributeContext(0);
    std::int32_t* entry = m_values.data();
    for (std::uint8_t h = 0; h < 10; ++h)
        for (std::uint8_t t = 0; t < 10; ++t)
            for (std::uint8_t u = 0; u < 10; ++u) {
                const std::uint8_t digits[3] = {h, t, u};
                analysis.SetCurrentNumber(digits);
                const auto value = [](SlotInt v) { return static_cast<std::int32_t>(v); };
                entry[0] = value(analysis.GetAttribute(SlotInt(0xFFFF0010)));
                entry[1] = value(game.GetAttribute(SlotInt(0x80000001), 9, context, digits));
                entry[2] = value(game.GetAttribute(SlotInt(0x80000010), 9, context, digits));
                entry[3] = value(analysis.GetAttribute17(1));
                entry[4] = value(analysis.GetAttribute17(0));
                entry[5] = value(analysis.GetAttribute18(1));
                entry[6] = value(analysis.GetAttribute18(0));
                entry[7] = value(analysis.GetAttribute28(1));
                entry[8] = value(analysis.GetAttribute(SlotInt(0xFFFF0012)));
                entry[9] = value(analysis.GetAttribute(SlotInt(0xFFFF1100)));
                entry[10] = value(analysis.GetAttribute(SlotInt(0xFFFF1110)));
                entry += kAttributeCount;
            }
}

void SetupGridColumns(IRyxGridCtrl& grid, const std::vector<GridColumn>& columns, const char* numberTitle)
{
    grid.SetSize(0, static_cast<SlotInt>(columns.size()) + 2);
    grid.SetMode(1, 0);
    grid.SetColumnTitle(0, "序号");
    grid.SetColumnTitle(1, numberTitle);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const SlotInt column = static_cast<SlotInt>(k) + 2;
        grid.SetColumnTitle(column, columns[k].title.c_str());
        grid.SetColumnTag(column, columns[k].attribute);
    }
    grid.SetMetrics(6, 20, 10000);
}

void FillGrid(IRyxGridCtrl& grid, NumberList& list, const std::vector<GridColumn>& columns,
              const AttributeTable& table, ColorRef numberColour)
{
    const std::uint32_t count = list.Count();
    const int length = list.Length();
    const bool attributes = length == 3;
    grid.SetSize(static_cast<SlotInt>(count), 0);
    char text[NumberList::kTextBufferSize];
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* digits = list.GetAt(i);
        for (int d = 0; d < length; ++d)
            text[d] = static_cast<char>('0' + digits[d]);
        text[length] = '\0';
        grid.SetCellNumber(i, 0, SlotInt(i) + 1, kNumberFormat);
        grid.SetCellText(i, 1, text);
        if (!attributes)
            continue;
        const std::uint32_t code = list.ToValue(i);
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const int attribute = columns[k].attribute;
            if (!AttributeTable::Covers(code, attribute))
                continue;
            const SlotInt format = attribute == kRoadAttribute ? kNumberFormat + length : kNumberFormat;
            grid.SetCellNumber(i, SlotInt(k) + 2, table.At(code, attribute), format);
        }
    }
    grid.SetColumnColor(1, numberColour, -1);
    for (std::size_t k = 0; k < columns.size(); ++k)
        if (AttributeTable::Covers(0, columns[k].attribute))
            grid.SetColumnColor(SlotInt(k) + 2, kAttributeColours[std::size_t(columns[k].attribute)], -1);
    ApplyGridLook(grid);
    grid.Redraw();
}

} // namespace vesk::result
