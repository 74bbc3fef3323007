#pragma once

// What the parts of the web window share: small builders that name every
// widget by its control name, and the disabled window around a call.

#include "gui/controls/CommandButton.h"
#include "gui/controls/Named.h"
#include "gui/controls/ctlButton.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace webpage {

inline QLabel* label(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = named(new QLabel(text, parent), name);
    l->setWordWrap(true);
    return l;
}

inline QLineEdit* textBox(QWidget* parent, const QString& name, QLineEdit::EchoMode echo = QLineEdit::Normal)
{
    auto* t = named(new QLineEdit(parent), name);
    t->setEchoMode(echo);
    t->setMinimumWidth(260);
    return t;
}

inline ctlButton* captionButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = named(new ctlButton(parent), name);
    b->setCaption(caption);
    b->setBackColor(0x00F5E6D6);
    b->setMinimumSize(320, 30);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

inline QFrame* page(QWidget* parent, const QString& name)
{
    auto* f = named(new QFrame(parent), name);
    f->setFrameShape(QFrame::StyledPanel);
    new QVBoxLayout(f);
    return f;
}

inline QVBoxLayout* column(QFrame* frame) { return static_cast<QVBoxLayout*>(frame->layout()); }

// An option added at the foot of its group's layout.
inline QRadioButton* option(QWidget* group, const QString& name, const QString& caption)
{
    auto* o = named(new QRadioButton(caption, group), name);
    group->layout()->addWidget(o);
    return o;
}

// Runs the handler when the option is selected, by the user or by code.
template <typename Window>
void onSelected(QRadioButton* option, Window* window, void (Window::*handler)())
{
    QObject::connect(option, &QRadioButton::toggled, window, [window, handler](bool on) {
        if (on)
            (window->*handler)();
    });
}

// The window disabled for as long as the guard lives, on every way out.
template <typename Window>
class ScreenDisabled {
public:
    explicit ScreenDisabled(Window& window)
        : m_window(window)
    {
        m_window.DisableScreen();
    }
    ~ScreenDisabled() { m_window.EnableScreen(); }
    ScreenDisabled(const ScreenDisabled&) = delete;
    ScreenDisabled& operator=(const ScreenDisabled&) = delete;

private:
    Window& m_window;
};

} // namespace webpage
