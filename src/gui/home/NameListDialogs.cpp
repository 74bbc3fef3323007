#include "gui/home/NameListDialogs.h"

#include "core/platform/ReportFailures.h"
#include "gui/controls/CommandButton.h"
#include "gui/shared/HomeWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

NamePromptDialog::NamePromptDialog(const QString& name, const QString& caption, const QString& label, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(label, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    Label1->setBuddy(txtName);
    layout->addWidget(Label1);
    layout->addWidget(txtName);
    layout->addLayout(OkCancelRow(this, cmdOK, QStringLiteral("OK"), cmdCancel));
    connect(cmdOK, &QPushButton::clicked, this, &NamePromptDialog::cmdOK_Click);
    setMinimumWidth(340);
}

void NamePromptDialog::cmdOK_Click()
{
    txtName->setText(txtName->text().trimmed());
    ReportFailures([this] {
        if (validate(txtName->text())) {
            mbOKed = true;
            accept();
        }
    });
}

NameListDialog::NameListDialog(const QString& name, const QString& caption, const QString& listName, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    auto* layout = new QHBoxLayout(this);
    mList = new QListWidget(this);
    mList->setObjectName(listName);
    layout->addWidget(mList, 1);
    auto* buttons = new QVBoxLayout;
    cmdRename = CommandButton(this, QStringLiteral("cmdRename"), QStringLiteral("Rename"));
    cmdDelete = CommandButton(this, QStringLiteral("cmdDelete"), QStringLiteral("Delete"));
    cmdCancel = CommandButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Close"));
    buttons->addWidget(cmdRename);
    buttons->addWidget(cmdDelete);
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    connect(cmdRename, &QPushButton::clicked, this, [this] { cmdRename_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(420, 300);
}

int NameListDialog::renameSelected(NamePromptDialog& prompt)
{
    const int row = mList->currentRow();
    if (row < 0)
        return -1;
    prompt.txtName->setText(mList->item(row)->text());
    prompt.exec();
    return prompt.mbOKed ? row : -1;
}
