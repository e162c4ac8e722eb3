// The user's own items file, which users edit by hand. As the text of the
// editing dialog: a refused text leaves the saved items as they were and
// names its fault. As the file read when a family opens: a refused file is
// set aside whole (nothing of it lost) and the fault named; an accepted one
// saves and reloads equal.
#include "components/features/analysis/omission/custom_items.h"
#include "tests/support/fuzz_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace vesk::analysis;

constexpr int kLength = 3;

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

// Saving the edited text over the items in use.
void CheckEditedText(const std::string& input, const std::string& path)
{
    const CustomItems inUse = ExampleCustomItems(kLength);
    Require(SaveCustomItems(path, inUse, kLength).empty());
    const std::string saved = ReadAll(path);
    const CustomItemsParse parsed = ParseCustomItems(input, kLength);
    const std::string error = SaveCustomItemsText(path, input, kLength);
    Require(parsed.ok == error.empty());
    if (!parsed.ok) {
        Require(error == parsed.error && parsed.items == CustomItems{});
        Require(ReadAll(path) == saved);
        Require(LoadCustomItems(path, kLength).items == inUse);
        return;
    }
    Require(ReadAll(path) == WriteCustomItems(parsed.items, kLength));
    const CustomItemsLoad reloaded = LoadCustomItems(path, kLength);
    Require(reloaded.error.empty() && reloaded.items == parsed.items);
}

// Reading the file as found, whatever a crash or an editor left in it.
void CheckFileAsFound(const std::string& input, const std::string& path)
{
    WriteAll(path, input);
    const CustomItemsLoad load = LoadCustomItems(path, kLength);
    if (!load.error.empty()) {
        Require(load.items == CustomItems{});
        Require(load.error.size() > path.size() + 2 && load.error.compare(0, path.size(), path) == 0);
        Require(load.setAsidePath == path + ".damaged" && ReadAll(load.setAsidePath) == input);
        Require(!std::filesystem::exists(path));
        std::filesystem::remove(load.setAsidePath);
        return;
    }
    Require(SaveCustomItems(path, load.items, kLength).empty());
    const CustomItemsLoad again = LoadCustomItems(path, kLength);
    Require(again.error.empty() && again.items == load.items);
    for (std::uint32_t code : {kCustomCombinationCode, kCustomCompoundCode, kCustomListCode})
        Require(MakeCustomFamily(code, load.items, kLength) != nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string path = CustomItemsPath(vesk::test::FuzzFolder(), kLength);
    CheckEditedText(input, path);
    CheckFileAsFound(input, path);
    std::filesystem::remove(path);
    return 0;
}
