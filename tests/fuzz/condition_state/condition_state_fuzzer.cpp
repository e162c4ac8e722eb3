// A condition page's state file, read whole from its path when the page
// opens, through the filter component, into a component that already holds
// conditions. A refused file changes none of them and says why; an accepted
// one is what the component then saves, and that reads back equal.
#include "components/filter/component/filter_component.h"
#include "components/filter/engine/condition_set_file.h"
#include "tests/support/fuzz_folder.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace vesk;
using namespace vesk::filter;

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

// Answers the game's length; no other service, so no draw history is read.
class LengthHost final : public IHostObject, public IGameService {
public:
    explicit LengthHost(int length) : m_length(length) {}
    void* GetService(SlotInt index) override
    {
        return index == kServiceGame ? static_cast<IGameService*>(this) : nullptr;
    }
    SlotInt LoadComponent(const ModuleNameRecord*, void*) override { return 0; }
    SlotInt ReleaseComponent(void*) override { return 0; }
    WindowHandle GetFeatureWindow(SlotInt) override { return 0; }
    SlotInt OpenFeatureByName(const char*, SlotInt) override { return 0; }

    SlotInt GetAttributeContext(SlotInt) override { return 0; }
    SlotInt GetListKey() override { return 0; }
    SlotInt GetListSubKey() override { return 0; }
    SlotInt GetNumberLength(SlotInt) override { return m_length; }
    SlotInt GetNEnd(SlotInt) override { return 0; }
    SlotInt GetAttribute(SlotInt, SlotInt, SlotInt, const std::uint8_t*) override { return 0; }

private:
    int m_length;
};

constexpr const char* kHeld = R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": [
    {"name": "甲", "errors": [0, 1], "conditions": [{"type": "sum", "values": [6, 7]},
                                                  {"type": "span", "values": [0], "mode": "exclude"}]}]})";

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

SlotInt LoadFrom(FilterComponent& component, const std::string& path, char* message)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    Require(file != nullptr);
    const SlotInt loaded = component.LoadState(file, message, 0, -1);
    std::fclose(file);
    return loaded;
}

void Check(const std::string& input, int length, SlotInt kind)
{
    LengthHost host(length);
    FilterComponent component;
    Require(component.Setup(&host, nullptr, kind) == 1);
    if (length == 3) {
        SetReadResult held = ReadConditionSet(kHeld, 3);
        Require(held.set.has_value());
        component.SetSet(std::move(*held.set));
    }
    const ConditionSet before = component.Set();
    const std::string path = vesk::test::FuzzFolder() + (kind == 0 ? "TS0-0.gfc" : "TS0-0.zfc");
    Require(WriteFile(path, input));

    char message[256];
    std::memset(message, 'x', sizeof message);
    if (LoadFrom(component, path, message) == 0) {
        const std::size_t shown = ::strnlen(message, sizeof message);
        Require(component.Set() == before);
        Require(shown > 0 && shown < sizeof message);
        Require(component.StateProblem().compare(0, shown, message) == 0);
        return;
    }
    Require(component.StateProblem().empty());
    Require(component.Set().digits == length && !component.Set().results);
    Require(component.CombinedConditionCount() == component.FixedConditionCount(0));

    const std::string saved = vesk::test::FuzzFolder() + "saved";
    std::FILE* file = std::fopen(saved.c_str(), "wb");
    Require(file != nullptr);
    Require(component.SaveState(file, message, -1) == 1);
    Require(std::fclose(file) == 0);
    FilterComponent again;
    again.Setup(&host, nullptr, kind);
    Require(LoadFrom(again, saved, message) == 1);
    Require(again.Set() == component.Set());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    Check(input, 3, 0);
    Check(input, 3, 1);
    Check(input, 5, 1);
    return 0;
}
