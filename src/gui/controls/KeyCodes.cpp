#include "gui/controls/KeyCodes.h"

#include <QKeyEvent>

int KeyCodeOf(const QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key; // Qt's letters are their upper-case codes
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (event->modifiers() & Qt::KeypadModifier) ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
        return 190;
    case Qt::Key_Comma:
        return 188;
    case Qt::Key_Slash:
        return 191;
    default:
        return 0;
    }
}

int KeyAsciiOf(const QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods & Qt::AltModifier)
        return 0;
    if (mods & Qt::ControlModifier)
        return (key >= Qt::Key_A && key <= Qt::Key_Z) ? key - Qt::Key_A + 1 : 0;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Delete: // some platforms give it the DEL character
        return 0;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127)
        return 0;
    return text.at(0).unicode();
}

int ShiftStateOf(Qt::KeyboardModifiers modifiers)
{
    return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0)
        | ((modifiers & Qt::AltModifier) ? 4 : 0);
}

int MouseButtonsOf(Qt::MouseButtons buttons)
{
    return ((buttons & Qt::LeftButton) ? 1 : 0) | ((buttons & Qt::RightButton) ? 2 : 0)
        | ((buttons & Qt::MiddleButton) ? 4 : 0);
}
