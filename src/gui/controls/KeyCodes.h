#pragma once

#include <Qt>

class QKeyEvent;

// The key and mouse figures that the program's controls hand to their
// windows: key codes (65 "A", 13 Enter, 37-40 the arrows, 46 Delete...), the
// character code of a typed key (Ctrl+C gives 3), the shift state (1 Shift,
// 2 Ctrl, 4 Alt, added) and the buttons (1 left, 2 right, 4 middle, added).
int KeyCodeOf(const QKeyEvent* event); // 0 for keys without a code
int KeyAsciiOf(const QKeyEvent* event); // 0 when the key types no character
int ShiftStateOf(Qt::KeyboardModifiers modifiers);
int MouseButtonsOf(Qt::MouseButtons buttons);

constexpr int EscapeKeyAscii = 27;
