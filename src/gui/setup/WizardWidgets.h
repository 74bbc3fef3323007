#pragma once

// Small builders the wizard's page parts share: every widget gets its
// control name, texts wrap, buttons never take Enter from the boxes.

#include "gui/controls/CommandButton.h"
#include "gui/controls/Named.h"
#include "gui/controls/OleColor.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace wizard {

// The file pickers of the chip and custom pictures.
inline const QString PictureFilter = QStringLiteral("Pictures (*.bmp *.jpg *.gif *.ico)");

inline QLabel* text(QWidget* parent, const QString& caption, const QString& name = QString())
{
    auto* l = new QLabel(caption, parent);
    l->setWordWrap(true);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

inline QLineEdit* box(QWidget* parent, const QString& name, int width = 90)
{
    auto* t = named(new QLineEdit(parent), name);
    t->setMaximumWidth(width);
    return t;
}

inline QComboBox* list(QWidget* parent, const QString& name, const QStringList& items = {})
{
    auto* c = named(new QComboBox(parent), name);
    c->addItems(items);
    c->setMaxVisibleItems(15);
    return c;
}

inline void setTextColor(QWidget* w, OleColor color) { SetPaletteColor(w, QPalette::WindowText, color); }

} // namespace wizard
