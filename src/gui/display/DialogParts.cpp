#include "gui/display/DialogParts.h"

#include "gui/controls/CommandButton.h"
#include "gui/controls/Named.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& caption)
{
    return named(new QLabel(caption, parent), name);
}

QHBoxLayout* OkCancelRow(QDialog* dialog, QPushButton*& cmdOK, QPushButton*& cmdCancel)
{
    cmdOK = CommandButton(dialog, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdCancel = CommandButton(dialog, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cmdOK);
    row->addWidget(cmdCancel);
    return row;
}

void ShowEveryRow(QListWidget* list)
{
    const int frame = 2 * list->frameWidth();
    int height = frame;
    for (int r = 0; r < list->count(); ++r)
        height += list->sizeHintForRow(r) + 2 * list->spacing();
    list->setMinimumHeight(height);
    list->setMinimumWidth(list->sizeHintForColumn(0) + frame);
}
