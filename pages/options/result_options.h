#pragma once
// ResultOptions: the result page's 7 bytes kept by the host as option record
// 4206. Byte 0 keeps the result numbers with saved conditions, byte 1 turns
// the match character on for transfers into the result list, byte 2 is that
// character, byte 3 is 覆盖 (a transfer first empties the result list);
// bytes 4-6 are not used and are written back as read.

#include "host/host_services.h"

#include <array>
#include <cstdint>
#include <string>

namespace vesk::options {

inline constexpr SlotInt kResultOptionsRecord = 4206;
inline constexpr std::size_t kResultOptionsSize = 7;

struct ResultOptions {
    std::array<std::uint8_t, kResultOptionsSize> bytes{};

    bool KeepWithConditions() const { return bytes[0] == 1; }
    bool MatchActive() const { return bytes[1] == 1; }
    char MatchCharacter() const { return static_cast<char>(bytes[2]); }
    bool Overwrite() const { return bytes[3] == 1; }
    void SetKeepWithConditions(bool on) { bytes[0] = on ? 1 : 0; }
    void SetMatchActive(bool on) { bytes[1] = on ? 1 : 0; }
    void SetMatchCharacter(char c) { bytes[2] = static_cast<std::uint8_t>(c); }
    void SetOverwrite(bool on) { bytes[3] = on ? 1 : 0; }
};

// Reads record 4206; bytes the record does not hold stay 0 (a missing record
// reads as all zero).
ResultOptions ReadResultOptions(IEnvironmentService& environment);
// Writes all 7 bytes; false when the host did not store them.
bool WriteResultOptions(IEnvironmentService& environment, const ResultOptions& options);

// The message for a match text the options dialog refuses, or empty when it
// is acceptable: it must not be empty nor begin with a digit.
std::string MatchTextError(const std::string& text);

inline constexpr const char* kMatchEmptyMessage = "匹配字符输入错误，匹配字符不允许为空";
inline constexpr const char* kMatchDigitMessage = "匹配字符输入错误，匹配字符不允许为数字";

} // namespace vesk::options
