#pragma once
// The seven smart-pick methods: what each is called, which digit classes it
// sorts the ten digits into and which parameters it takes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vesk::analysis {

// In the order of their tree codes 0x30..0x36.
enum class PickMethod { Neighbour, RepeatSkip, HotCold, Pyramid, Follow, Magic, Position };
inline constexpr int kPickMethodCount = 7;
inline constexpr std::uint32_t kFirstPickCode = 0x30;

struct PickMethodInfo {
    std::string_view name;  // vesk-cli's --method word
    std::string_view title; // as the tree names it
    int classCount;         // 0 for the positional pick
    std::array<std::string_view, 4> classNames;
    std::size_t drawsNeeded;   // draws before a place its classes read
    std::size_t defaultWindow; // W; 0 when the method has none
    int defaultTop;            // K; 0 when the method has none
    bool formulas;             // the magic formulas can be switched
};

const PickMethodInfo& InfoOf(PickMethod method);
std::optional<PickMethod> PickMethodOfName(std::string_view name);
// The method a tree code opens; nullopt outside 0x30..0x36.
std::optional<PickMethod> PickMethodOfCode(std::uint32_t code);
constexpr std::uint32_t CodeOf(PickMethod method) { return kFirstPickCode + static_cast<std::uint32_t>(method); }

// W and K limits: a window longer than this reads more than any ranking
// needs; K keeps at least one digit on each side.
inline constexpr std::size_t kMaxPickWindow = 1000;
inline constexpr int kMaxPickTop = 9;

struct PickParameters {
    std::size_t window = 0;   // W
    int top = 0;              // K
    std::uint8_t formulas = 0; // MagicFormula bits
};

PickParameters DefaultParameters(PickMethod method);

// "" when the parameters suit the method and the game's length, else why not.
std::string ParameterError(PickMethod method, const PickParameters& parameters, int length);

} // namespace vesk::analysis
