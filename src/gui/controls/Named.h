#pragma once

#include <QString>

// Gives a widget its control name, the name code and tests find it by, and
// hands it back, so a window can name a control where it makes it.
template <typename W>
inline W* named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

template <typename W>
inline W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
