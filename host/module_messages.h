#pragma once
// Window messages that cross between the host, the module and the sibling
// features, with the records they carry. Values are fixed: senders and
// receivers are built apart.

#include <cstddef>
#include <cstdint>

namespace vesk {

// workbench → host's feature area: close the feature whose code is wParam (1).
inline constexpr std::uint32_t kMessageFeatureClose = 1125; // WM_FEATURE_CLOSE, WM_USER + 101
// host or sibling features → workbench: numbers handed in (wParam: the kind).
inline constexpr std::uint32_t kMessageTransferNumbers = 1126; // WM_TRANSFER_NUMBERS, WM_USER + 102
// a sibling feature → workbench: copy the result list into lParam, a
// ListSnapshot* whose buffer the caller then owns (ReleaseSnapshot); unlike
// the snapshot requests below, whatever the host's options. Returns 1 when
// copied.
inline constexpr std::uint32_t kMessageCopyResults = 1127; // WM_USER + 103
// a sibling feature → the host's feature area (the workbench's parent): show
// lParam, a NUL-terminated UTF-8 text valid during the call, in the host's
// status bar. Returns 1 when shown.
inline constexpr std::uint32_t kMessageShowStatus = 1128; // WM_USER + 104
// host → each window of its feature area: the user asked to end the program.
// A window with unsaved work asks whether to save it first. Returns
// kQuitRefused to keep the program open; anything else lets it end.
inline constexpr std::uint32_t kMessageQueryQuit = 1129; // WM_USER + 105
inline constexpr std::intptr_t kQuitRefused = 2;
// outside → workbench → result page: wParam 101 take, 102 restore; lParam a ListSnapshot*.
inline constexpr std::uint32_t kMessageResultSnapshot = 2104; // WM_RESULT_SNAPSHOT
inline constexpr std::uintptr_t kSnapshotTake = 101;
inline constexpr std::uintptr_t kSnapshotRestore = 102;
// result page → the chart feature's window: wParam 100, lParam a ChartRecord*,
// valid only during the call (SendMessage).
inline constexpr std::uint32_t kMessageChartNumbers = 34052; // WM_CHART_NUMBERS, 0x8504
inline constexpr std::uintptr_t kChartNumbersTag = 100;

// The platform library's pointer array as another module reads it in place.
struct PointerArrayRecord {
    const void* ownTable;  // the sender's object header; receivers do not use it
    void** data;           // size elements
    std::int32_t size;
    std::int32_t allocated;
    std::int32_t growBy;
};

// What WM_TRANSFER_NUMBERS hands in (wParam), and what lParam points to.
inline constexpr std::uintptr_t kTransferPointerList = 1;  // NumberPointerListRecord
inline constexpr std::uintptr_t kTransferPackedDigits = 10; // PackedDigitsRecord
inline constexpr std::uintptr_t kTransferPresence = 11;     // a presence array (C3DUIntArray, numbers/uint_array.h)
inline constexpr std::uintptr_t kTransferPresenceToo = 12;  // the same as 11

// Kind 1: an object whose pointer list's element i points to the digit bytes
// (values 0..9) of number i.
struct NumberPointerListRecord {
    const void* ownTable; // the sender's object header; receivers do not use it
    PointerArrayRecord numbers;
};

// Kind 10: the platform library's byte array; size bytes of packed digits,
// one number every game-length bytes.
struct PackedDigitsRecord {
    const void* ownTable;
    const std::uint8_t* data;
    std::int32_t size;
    std::int32_t allocated;
    std::int32_t growBy;
};

// The numbers a chart is drawn from: one 8-byte block per number holding its
// `digits` digit values (0..9, first digit first), then zero bytes, in the
// result list's order. The sender owns the blocks; a receiver copies what it
// needs during the message call and keeps no pointer.
struct ChartRecord {
    const void* ownTable; // the sender's object header; receivers do not use it
    PointerArrayRecord numbers;
    std::uint8_t reserved[32]; // not set by the sender
    std::int32_t digits;       // digits per number
    std::int32_t listKey;      // the key under which the workbench keeps its lists
    std::int32_t zero;         // always 0
};
inline constexpr std::size_t kChartBlockSize = 8;

static_assert(sizeof(void*) == 8, "the layouts below are those of a 64-bit build");
static_assert(sizeof(PointerArrayRecord) == 32 && offsetof(PointerArrayRecord, size) == 16);
static_assert(offsetof(NumberPointerListRecord, numbers) == 8 && sizeof(NumberPointerListRecord) == 40);
static_assert(offsetof(PackedDigitsRecord, data) == 8 && offsetof(PackedDigitsRecord, size) == 16);
static_assert(offsetof(ChartRecord, numbers) == 8 && offsetof(ChartRecord, reserved) == 40);
static_assert(offsetof(ChartRecord, digits) == 72 && offsetof(ChartRecord, listKey) == 76);
static_assert(offsetof(ChartRecord, zero) == 80 && sizeof(ChartRecord) == 88);

} // namespace vesk
