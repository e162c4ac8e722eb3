#pragma once
// Scalar types, handles and packing helpers of the window framework. Window
// code written against the framework reads like the message-driven code it
// was designed as: UINT messages, WPARAM/LPARAM arguments, COLORREF colours.

#include "host/win_types.h"

#include <cstdint>
#include <string>

class QWidget;

namespace vesk {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using BOOL = int;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ULONG_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t; // 0x00BBGGRR
using LPCSTR = const char*;

// Text is UTF-8 throughout.
using CString = std::string;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// A window handle is the QWidget of the window (the outer widget of a
// top-level window). Across slot interfaces it travels as WindowHandle.
using HWND = QWidget*;

class CDC;
using HDC = CDC*; // a DC is its own handle

struct GdiObject;
struct GdiBitmap;
struct GdiPen;
struct GdiBrush;
struct GdiFont;
struct GdiRegion;
struct GdiIcon;
struct MenuData;
using HGDIOBJ = GdiObject*;
using HBITMAP = GdiBitmap*;
using HPEN = GdiPen*;
using HBRUSH = GdiBrush*;
using HFONT = GdiFont*;
using HRGN = GdiRegion*;
using HICON = GdiIcon*;
using HMENU = MenuData*;
using HANDLE = void*;

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr DWORD MAKELONG(WORD low, WORD high) { return static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) { return MAKELONG(low, high); }
constexpr LPARAM MAKELPARAM(WORD low, WORD high) { return static_cast<LPARAM>(MAKELONG(low, high)); }
// Signed coordinates packed into an LPARAM (mouse messages).
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lp))); }
constexpr LPARAM MakePointLParam(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<std::int16_t>(x)), static_cast<WORD>(static_cast<std::int16_t>(y)));
}

inline WindowHandle ToWindowHandle(HWND hwnd) { return reinterpret_cast<WindowHandle>(hwnd); }
inline HWND FromWindowHandle(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

} // namespace vesk
