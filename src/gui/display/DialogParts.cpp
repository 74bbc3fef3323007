#include "gui/display/DialogParts.h"

#include "gui/controls/CommandButton.h"
#include "gui/controls/Named.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
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
