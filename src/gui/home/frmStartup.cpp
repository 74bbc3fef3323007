#include "gui/home/frmStartup.h"

#include "core/platform/ReportFailures.h"
#include "core/store/NameValidation.h"
#include "gui/platform/BusyPointer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmStartup::frmStartup(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStartup"));
    setWindowTitle(QStringLiteral("Welcome"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(12);
    Label1 = new QLabel(QStringLiteral("To help you get started as quickly as possible, please provide a league "
                                       "name so that Zorvane can setup your first league!"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    layout->addWidget(Label1);

    auto* row = new QHBoxLayout;
    Label2 = new QLabel(QStringLiteral("League name"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    Label2->setBuddy(txtName);
    row->addWidget(Label2);
    row->addWidget(txtName, 1);
    layout->addLayout(row);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmStartup::cmdOK_Click);
    setMinimumWidth(420);
}

void frmStartup::showEvent(QShowEvent* event)
{
    ShowDefaultPointer(); // start-up had the busy pointer up
    QDialog::showEvent(event);
}

void frmStartup::cmdOK_Click()
{
    txtName->setText(txtName->text().trimmed());
    // -1 excludes no league: the name must differ from every league's.
    ReportFailures([this] {
        if (ValidateLeagueName(txtName->text(), -1))
            accept();
    });
}
