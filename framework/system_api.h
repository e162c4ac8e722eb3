#pragma once
// System queries: cursor position, key state, screen metrics, work area.

#include "framework/geometry.h"
#include "framework/win_types.h"

namespace vesk {

// The cursor in screen coordinates (the last position the framework saw for
// synthetic input, the pointer otherwise).
BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
// High bit set (negative) while the key or mouse button is down.
short GetKeyState(int virtualKey);
short GetAsyncKeyState(int virtualKey);
int GetSystemMetrics(int index);
// The screen less task bars and panels.
BOOL GetWorkArea(RECT* rect);
DWORD GetTickCount();
void Sleep(DWORD milliseconds);
// Runs pending events (for loops that wait while staying responsive).
void PumpMessages();

// Fonts: "宋体" and the other CJK faces resolve to the installed CJK font.
// Called by the framework before its first window; harmless to repeat.
void InstallFontSubstitutions();

} // namespace vesk
