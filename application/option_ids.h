#pragma once
// Ids of the option records the host keeps, and the largest size each may
// have. Readers hand the host fixed buffers, so a record longer than its
// limit is refused when written rather than overrunning a reader later.

#include <cstddef>
#include <cstdint>

namespace vesk {

inline constexpr std::int32_t kOptionKeepConditions = 130;   // 1 byte: 1 keeps conditions
inline constexpr std::int32_t kOptionEditorColumns = 4202;   // 8 bytes
inline constexpr std::int32_t kOptionShownColumns = 4204;    // up to 11 ColumnRecords
inline constexpr std::int32_t kOptionHiddenColumns = 4205;   // up to 11 ColumnRecords
inline constexpr std::int32_t kOptionResultOptions = 4206;   // 7 bytes
// The host's own setting, kept beside the module's records.
inline constexpr std::int32_t kOptionHostVariant = 0x7FFF0001; // 4 bytes, little-endian
// The folder last used per kind of file (dialog_folder_record.h).
inline constexpr std::int32_t kOptionDialogFolders = 0x7FFF0002; // up to the default limit

// The web address of the online draw update, UTF-8, one record per game: the
// game's index added to the base (the 3-digit game is 0).
inline constexpr std::int32_t kOptionDrawAddressBase = 0x7FFF0100; // up to the default limit
constexpr std::int32_t DrawAddressOption(int game) { return kOptionDrawAddressBase + game; }
inline constexpr int kThreeDigitGame = 0;

inline constexpr std::size_t kColumnRecordSize = 36;
inline constexpr std::size_t kMaxColumnRecords = 11;
inline constexpr std::size_t kDefaultOptionLimit = 4096;

// The largest length a record of this id may have.
constexpr std::size_t MaxOptionLength(std::int32_t id)
{
    switch (id) {
    case kOptionKeepConditions:
        return 1;
    case kOptionEditorColumns:
        return 8;
    case kOptionShownColumns:
    case kOptionHiddenColumns:
        return kColumnRecordSize * kMaxColumnRecords;
    case kOptionResultOptions:
        return 7;
    case kOptionHostVariant:
        return 4;
    default:
        return kDefaultOptionLimit;
    }
}

} // namespace vesk
