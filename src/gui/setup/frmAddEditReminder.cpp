#include "gui/setup/frmAddEditReminder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAddEditReminder::frmAddEditReminder(QWidget* parent)
    : QDialog(parent)
    , lblAward(new QLabel(QStringLiteral("Select a standard reminder or enter your own."), this))
    , cmbReminder(new QComboBox(this))
    , chkPause(new QCheckBox(QStringLiteral("Pause Game Until Reminder is OK'd"), this))
    , cmdOK(new QPushButton(QStringLiteral("OK"), this))
    , cmdCancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("frmAddEditReminder"));
    setWindowTitle(QStringLiteral("Add/Edit Reminder"));
    lblAward->setObjectName(QStringLiteral("lblAward"));
    cmbReminder->setObjectName(QStringLiteral("cmbReminder"));
    chkPause->setObjectName(QStringLiteral("chkPause"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmbReminder->setEditable(true);
    cmbReminder->setInsertPolicy(QComboBox::NoInsert);
    cmbReminder->addItems({QStringLiteral("Change Card Decks"), QStringLiteral("Rotate Dealers"),
                           QStringLiteral("Serve Snacks"), QStringLiteral("Chip Color Up"),
                           QStringLiteral("Special Announcement"), QStringLiteral("Open Concessions"),
                           QStringLiteral("Close Concessions")});
    cmbReminder->setMinimumWidth(260);
    cmdOK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblAward);
    layout->addWidget(cmbReminder);
    layout->addWidget(chkPause);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmAddEditReminder::edit(QWidget* parent, QString& reminder, bool& pause)
{
    frmAddEditReminder editor(parent);
    editor.cmbReminder->setEditText(reminder);
    editor.chkPause->setChecked(pause);
    if (editor.exec() != QDialog::Accepted)
        return false;
    reminder = editor.cmbReminder->currentText();
    pause = editor.chkPause->isChecked();
    return true;
}
