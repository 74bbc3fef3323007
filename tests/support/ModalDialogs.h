#pragma once

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>

// Closes the next modal dialog as soon as it shows, with Cancel, noting its
// name in the list; for commands that open one and wait for it.
inline void CancelNextModal(QStringList& opened)
{
    QTimer::singleShot(0, qApp, [&opened] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            opened << dialog->objectName();
            dialog->reject();
        }
    });
}
