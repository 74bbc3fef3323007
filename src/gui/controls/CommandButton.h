#pragma once

#include <QPushButton>

// A standard push button named after its control. It never becomes the
// default button by taking the focus: only the button a dialog names as its
// default (isDefault) answers Enter.
inline QPushButton* CommandButton(QWidget* parent, const QString& name, const QString& caption, bool isDefault = false)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(isDefault);
    return button;
}
