// The omission lists over the whole sample history (8,374 draws): every
// family's table, from a click (the family built, its space counted) and the
// table alone, and 偏态搜索 over all its items. Goals: a table within 20 ms
// of CPU, the skew search within 50 ms.
#include "components/features/analysis/omission/catalogue_items.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/omission/skew_search.h"

#include "module/catalogue/catalogue_source.h"
#include "numbers/draw_history.h"
#include "numbers/gbk_text.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace vesk::bench {
namespace {

constexpr int kLength = 3;

std::string ReadSource(const std::string& relative)
{
    std::ifstream file(std::string(VESK_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const std::vector<std::uint32_t>& SampleDraws()
{
    static const std::vector<std::uint32_t> draws = [] {
        const std::string text = ReadSource("data/draws-3d.txt");
        const DrawHistory history = DrawHistory::Parse({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, kLength);
        return std::vector<std::uint32_t>(history.Codes().begin(), history.Codes().end());
    }();
    return draws;
}

struct CatalogueCategory {
    std::string name;
    std::uint16_t key;
    std::vector<analysis::CatalogueEntry> items;
};

// The categories of our catalogue the 3-digit game's tree shows.
const std::vector<CatalogueCategory>& Categories()
{
    static const std::vector<CatalogueCategory> categories = [] {
        std::vector<CatalogueCategory> result;
        const auto parsed = catalogue::ParseSource(ReadSource("data/catalogue/s3cdt.txt"));
        const std::uint32_t mask = catalogue::MaskForDigits(kLength);
        const auto text = [](const char* field, std::size_t size) {
            return GbkToUtf8(std::string_view(field, strnlen(field, size)));
        };
        for (const auto& category : parsed.source->categories) {
            if ((category.record.flags & catalogue::kHiddenFlag) || catalogue::DroppedByMask(category.record.gameFlags, mask))
                continue;
            CatalogueCategory made{text(category.record.text, sizeof category.record.text), category.record.key, {}};
            for (const auto& group : category.groups) {
                if ((group.record.flags & catalogue::kHiddenFlag) || catalogue::DroppedByMask(group.record.gameFlags, mask))
                    continue;
                for (const auto& item : group.items)
                    if (!(item.flags & catalogue::kHiddenFlag) && !catalogue::DroppedByMask(item.gameFlags, mask))
                        made.items.push_back({item.key, text(item.text, sizeof item.text)});
            }
            result.push_back(std::move(made));
        }
        return result;
    }();
    return categories;
}

std::unique_ptr<analysis::Family> MakeFamily(const std::string& id)
{
    if (id.starts_with("catalogue:")) {
        const std::uint16_t key = static_cast<std::uint16_t>(std::stoi(id.substr(10)));
        for (const CatalogueCategory& category : Categories())
            if (category.key == key)
                return analysis::MakeCatalogueFamily(category.name, key, category.items, kLength).family;
    }
    return analysis::FamilyOfId(id, kLength).family;
}

// From a click: the family built and its table over the default window.
void FamilyAndTable(benchmark::State& state, const std::string& id)
{
    const auto& draws = SampleDraws();
    for (auto _ : state) {
        const auto family = MakeFamily(id);
        benchmark::DoNotOptimize(analysis::ComputeOmissions(*family, draws, analysis::kDefaultWindow));
    }
}

// The table alone, as after a change of window.
void TableOnly(benchmark::State& state, const std::string& id)
{
    const auto& draws = SampleDraws();
    const auto family = MakeFamily(id);
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::ComputeOmissions(*family, draws, 0));
    state.counters["items"] = static_cast<double>(family->Size());
}

std::vector<std::unique_ptr<analysis::Family>> SkewFamilies()
{
    std::vector<std::unique_ptr<analysis::Family>> families;
    for (const CatalogueCategory& category : Categories())
        families.push_back(analysis::MakeCatalogueFamily(category.name, category.key, category.items, kLength).family);
    families.push_back(analysis::MakeSingle1(kLength));
    families.push_back(analysis::MakeGroup1(kLength));
    families.push_back(analysis::MakeGroup2(kLength));
    return families;
}

void SkewSearch(benchmark::State& state)
{
    const auto& draws = SampleDraws();
    std::size_t items = 0;
    for (auto _ : state) {
        const auto families = SkewFamilies();
        std::vector<const analysis::Family*> pointers;
        for (const auto& family : families)
            pointers.push_back(family.get());
        const analysis::SkewResult result = analysis::SearchSkew(pointers, draws, analysis::kDefaultWindow);
        items = result.searched;
        benchmark::DoNotOptimize(result);
    }
    state.counters["items"] = static_cast<double>(items);
}

const std::vector<std::string>& FamilyIds()
{
    static const std::vector<std::string> ids = [] {
        std::vector<std::string> result = {"single-1", "single-2", "single-3", "group-1", "group-2", "group-3"};
        for (int n = 1; n <= 9; ++n)
            result.push_back("cover-" + std::to_string(n));
        for (int t = 0; t < filter::kConditionTypeCount; ++t) {
            const auto type = static_cast<filter::ConditionType>(t);
            if (analysis::IsFamilyType(type))
                result.push_back(std::string(filter::InfoOf(type).id));
        }
        for (const CatalogueCategory& category : Categories())
            result.push_back("catalogue:" + std::to_string(category.key));
        return result;
    }();
    return ids;
}

const bool kRegistered = [] {
    for (const std::string& id : FamilyIds()) {
        benchmark::RegisterBenchmark(("Click/" + id).c_str(), FamilyAndTable, id)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Table/" + id).c_str(), TableOnly, id)->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("SkewSearch/all", SkewSearch)->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
} // namespace vesk::bench
