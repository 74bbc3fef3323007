#pragma once

#include "gui/controls/ctlButton.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// A click on the flat button's caption, as the director gives it.
inline void ClickButton(ctlButton* button)
{
    QTest::mouseClick(button->findChild<QLabel*>(QStringLiteral("lbl")), Qt::LeftButton);
}

// The texts of the entries, in order.
inline QStringList EntryTexts(const QComboBox* combo)
{
    QStringList all;
    for (int i = 0; i < combo->count(); ++i)
        all << combo->itemText(i);
    return all;
}

inline QStringList EntryTexts(const QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

// Runs the step on the modal dialog that opens next (exec() holds the test
// until it closes); a dialog the step leaves open is then cancelled.
template <typename Dialog>
void OnNextDialog(std::function<void(Dialog&)> step)
{
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " opened";
            return;
        }
        step(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}
