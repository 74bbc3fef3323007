#include "gui/home/frmAddLeague.h"

#include "core/platform/ReportFailures.h"
#include "core/store/CurrentLeague.h"
#include "core/store/NameValidation.h"
#include "gui/controls/ListFillers.h"
#include "gui/shared/HomeWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmAddLeague::frmAddLeague(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAddLeague"));
    setWindowTitle(QStringLiteral("New League"));

    auto* layout = new QGridLayout(this);
    Label1 = new QLabel(QStringLiteral("League Name"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtLeague = new QLineEdit(this);
    txtLeague->setObjectName(QStringLiteral("txtLeague"));
    Label1->setBuddy(txtLeague);
    Label2 = new QLabel(QStringLiteral("Would you like to copy players and settings from an existing league?"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    chkCopy = new QCheckBox(QStringLiteral("Yes"), this);
    chkCopy->setObjectName(QStringLiteral("chkCopy"));
    cmbLeague = new QComboBox(this);
    cmbLeague->setObjectName(QStringLiteral("cmbLeague"));
    // Nothing is copied until "Yes" is ticked, so the list waits for it.
    cmbLeague->setEnabled(false);

    layout->addWidget(Label1, 0, 0);
    layout->addWidget(txtLeague, 0, 1, 1, 2);
    layout->addWidget(Label2, 1, 0, 1, 3);
    layout->addWidget(chkCopy, 2, 0);
    layout->addWidget(cmbLeague, 2, 1, 1, 2);
    layout->addLayout(OkCancelRow(this, cmdOK, QStringLiteral("Create"), cmdCancel), 3, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(chkCopy, &QCheckBox::clicked, this, &frmAddLeague::chkCopy_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAddLeague::cmdOK_Click);
    setMinimumWidth(420);

    ReportFailures([this] {
        FillLeagueCombo(cmbLeague);
        if (cmbLeague->count() > 0)
            cmbLeague->setCurrentIndex(0);
    });
}

void frmAddLeague::chkCopy_Click() { cmbLeague->setEnabled(chkCopy->isChecked()); }

void frmAddLeague::cmdOK_Click()
{
    txtLeague->setText(txtLeague->text().trimmed());
    ReportFailures([this] {
        // -1 exempts no league from the duplicate test.
        if (!ValidateLeagueName(txtLeague->text(), -1))
            return;
        CreateLeague(txtLeague->text(), chkCopy->isChecked() ? cmbLeague->currentText() : QString());
        accept();
    });
}
