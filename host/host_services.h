#pragma once
// The host object handed to the module's Initialize, and the service
// interfaces it hands out by index. Only the slots the module calls are
// named; every other slot is a reserved placeholder so the order holds.
//
// Ownership: the host owns the host object and every service; the module and
// the components only borrow them for the lifetime of the host.

#include "host/module_name_record.h"
#include "host/reserved_slot.h"
#include "host/win_types.h"

#include <cstdint>

namespace vesk {

enum ServiceIndex : SlotInt {
    kServiceEnvironment = 1,
    kServiceGame = 2,
    kServiceDigitPad = 3,
    kServiceText = 4,
    kServiceAnalysis = 10,
};

// Host object.
class IHostObject {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    // Slot 2: the service interface of the index (ServiceIndex), or null.
    virtual void* GetService(SlotInt index) = 0;
    // Slot 3: loads the component the record names and writes its interface
    // pointer into the first pointer-sized word of holder (null on failure).
    virtual SlotInt LoadComponent(const ModuleNameRecord* name, void* holder) = 0;
    // Slot 4: releases the component whose interface the holder's first word holds.
    virtual SlotInt ReleaseComponent(void* holder) = 0;
    // Slot 5: the window of the feature opened by slot 6 (which = 1), or 0.
    virtual WindowHandle GetFeatureWindow(SlotInt which) = 0;
    // Slot 6: opens one of the host's own features by name (e.g. "Kelpo").
    virtual SlotInt OpenFeatureByName(const char* name, SlotInt arg) = 0;

protected:
    ~IHostObject() = default;
};

// The directories GetDirectory hands out.
enum DirectoryKind : SlotInt {
    kDataDirectory = 2,  // draws, the catalogue, the user's data
    kStateDirectory = 6, // condition state files and the user's own items
};

// Service 1: directories, option records, host variant.
class IEnvironmentService {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    VESK_RESERVED_SLOT(2)
    // Slot 3: the directory of kind n (DirectoryKind), UTF-8, ending in "/".
    // The text stays valid for the host's lifetime.
    virtual const char* GetDirectory(SlotInt n) = 0;
    // Slot 4: stores option record id (length bytes). Returns 1 when stored.
    virtual SlotInt WriteOption(SlotInt id, SlotInt length, const void* data) = 0;
    VESK_RESERVED_SLOT(5)
    // Slot 6: copies option record id into buffer and returns its length; a
    // null buffer only returns the length (option 130: 1 = keep conditions).
    // The buffer must hold the record's largest size (396 bytes for 4204).
    virtual SlotInt ReadOption(SlotInt id, void* buffer) = 0;
    VESK_RESERVED_SLOT(7)
    VESK_RESERVED_SLOT(8)
    VESK_RESERVED_SLOT(9)
    VESK_RESERVED_SLOT(10)
    VESK_RESERVED_SLOT(11)
    VESK_RESERVED_SLOT(12)
    VESK_RESERVED_SLOT(13)
    VESK_RESERVED_SLOT(14)
    // Slot 15: host variant; 12 selects the short tree.
    virtual SlotInt GetHostVariant() = 0;

protected:
    ~IEnvironmentService() = default;
};

// What GetNumberLength and GetNEnd are asked for.
enum LengthSelector : SlotInt {
    kFirstOfNCodes = 0,   // the smallest N of the N-code items (GetNEnd: the end, exclusive)
    kDigitsPerNumber = 1, // the game's digits per number
};

// Service 2: the game.
class IGameService {
public:
    VESK_RESERVED_SLOT(0)
    // Slot 1: (0) → the value v passed on to slot 18.
    virtual SlotInt GetAttributeContext(SlotInt which) = 0;
    VESK_RESERVED_SLOT(2)
    VESK_RESERVED_SLOT(3)
    // Slot 4: key of the shared list pair and of the state files.
    virtual SlotInt GetListKey() = 0;
    VESK_RESERVED_SLOT(5)
    VESK_RESERVED_SLOT(6)
    VESK_RESERVED_SLOT(7)
    VESK_RESERVED_SLOT(8)
    VESK_RESERVED_SLOT(9)
    // Slot 10: low byte is the sub-key of the shared list pair.
    virtual SlotInt GetListSubKey() = 0;
    // Slot 11: (kDigitsPerNumber) → digits per number; (kFirstOfNCodes) →
    // first N of the N-code items. Ask GameNumberLength (game_length.h) for
    // the digits: it applies the one fallback.
    virtual SlotInt GetNumberLength(SlotInt which) = 0;
    VESK_RESERVED_SLOT(12)
    // Slot 13: (kFirstOfNCodes) → end, exclusive, of N.
    virtual SlotInt GetNEnd(SlotInt which) = 0;
    VESK_RESERVED_SLOT(14)
    VESK_RESERVED_SLOT(15)
    VESK_RESERVED_SLOT(16)
    VESK_RESERVED_SLOT(17)
    // Slot 18: (attribute, 9, v, digit bytes) → attribute value of the number.
    virtual SlotInt GetAttribute(SlotInt attribute, SlotInt kind, SlotInt context,
                                 const std::uint8_t* digits) = 0;

protected:
    ~IGameService() = default;
};

// Service 3: the digit pad that types into an edit.
class IDigitPadService {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    VESK_RESERVED_SLOT(2)
    // Slot 3: shows or hides the pad (show command, 5 = show).
    virtual SlotInt Show(SlotInt showCommand) = 0;
    VESK_RESERVED_SLOT(4)
    VESK_RESERVED_SLOT(5)
    VESK_RESERVED_SLOT(6)
    VESK_RESERVED_SLOT(7)
    // Slot 8: adds a key that types insertText and shows caption.
    virtual SlotInt AddKey(const char* caption, const char* insertText) = 0;
    // Slot 9: non-zero while the pad is already active.
    virtual SlotInt IsActive() = 0;
    // Slot 10: attaches the pad to an edit of a dialog.
    virtual SlotInt Attach(WindowHandle dialog, WindowHandle edit, SlotInt a, SlotInt b) = 0;
    VESK_RESERVED_SLOT(11)
    // Slot 12: lays the keys out (columns, flags); the module passes (4, 0).
    virtual SlotInt Arrange(SlotInt columns, SlotInt flags) = 0;

protected:
    ~IDigitPadService() = default;
};

// Service 4: texts of the host.
class ITextService {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    VESK_RESERVED_SLOT(2)
    VESK_RESERVED_SLOT(3)
    VESK_RESERVED_SLOT(4)
    VESK_RESERVED_SLOT(5)
    VESK_RESERVED_SLOT(6)
    VESK_RESERVED_SLOT(7)
    VESK_RESERVED_SLOT(8)
    VESK_RESERVED_SLOT(9)
    VESK_RESERVED_SLOT(10)
    VESK_RESERVED_SLOT(11)
    VESK_RESERVED_SLOT(12)
    // Slot 13: the UTF-8 text put in front of default file names.
    virtual const char* GetFileNamePrefix() = 0;

protected:
    ~ITextService() = default;
};

// Service 10: number analysis. Slot 5 makes a number current; the attribute
// slots answer for the current number.
class IAnalysisService {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    VESK_RESERVED_SLOT(2)
    // Slot 3: attribute of the current number by selector (0xFFFF0010, ...).
    virtual SlotInt GetAttribute(SlotInt selector) = 0;
    VESK_RESERVED_SLOT(4)
    // Slot 5: makes the number with these digit values current.
    virtual SlotInt SetCurrentNumber(const std::uint8_t* digits) = 0;
    VESK_RESERVED_SLOT(6)
    VESK_RESERVED_SLOT(7)
    VESK_RESERVED_SLOT(8)
    VESK_RESERVED_SLOT(9)
    VESK_RESERVED_SLOT(10)
    VESK_RESERVED_SLOT(11)
    VESK_RESERVED_SLOT(12)
    VESK_RESERVED_SLOT(13)
    VESK_RESERVED_SLOT(14)
    VESK_RESERVED_SLOT(15)
    VESK_RESERVED_SLOT(16)
    // Slot 17: (flag) attribute of the current number.
    virtual SlotInt GetAttribute17(SlotInt flag) = 0;
    // Slot 18: (flag) attribute of the current number.
    virtual SlotInt GetAttribute18(SlotInt flag) = 0;
    VESK_RESERVED_SLOT(19)
    VESK_RESERVED_SLOT(20)
    VESK_RESERVED_SLOT(21)
    VESK_RESERVED_SLOT(22)
    VESK_RESERVED_SLOT(23)
    VESK_RESERVED_SLOT(24)
    VESK_RESERVED_SLOT(25)
    // Slot 26: copies the current number's digit values into digits (room
    // for 8) and returns how many it wrote; 0 for a null buffer. Components
    // that judge the current number (the filter engine) read it here.
    virtual SlotInt GetCurrentNumber(std::uint8_t* digits) = 0;
    VESK_RESERVED_SLOT(27)
    // Slot 28: (flag) attribute of the current number.
    virtual SlotInt GetAttribute28(SlotInt flag) = 0;
    VESK_RESERVED_SLOT(29)
    VESK_RESERVED_SLOT(30)
    VESK_RESERVED_SLOT(31)
    VESK_RESERVED_SLOT(32)
    VESK_RESERVED_SLOT(33)
    VESK_RESERVED_SLOT(34)
    VESK_RESERVED_SLOT(35)
    // Slot 36: converts count number codes to group codes, writing at most
    // 220 of them into out; returns how many were written.
    virtual SlotInt ToGroupCodes(const std::uint32_t* codes, SlotInt count, std::uint32_t* out) = 0;

protected:
    ~IAnalysisService() = default;
};

} // namespace vesk
