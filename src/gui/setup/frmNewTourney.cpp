#include "gui/setup/frmNewTourney.h"

#include "core/platform/Database.h"
#include "core/platform/ReportFailures.h"
#include "core/setup/NewTournament.h"
#include "core/store/TournamentStore.h"
#include "gui/controls/ListFillers.h"
#include "gui/platform/BusyPointer.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmNewTourney::frmNewTourney(QWidget* parent)
    : QDialog(parent)
    , Label2(new QLabel(QStringLiteral("Would you like to use the settings from a previous tournament?"), this))
    , optYes(new QRadioButton(QStringLiteral("Yes"), this))
    , cmbTourney(new QComboBox(this))
    , optNo(new QRadioButton(QStringLiteral("No, just use the defaults."), this))
    , cmdOK(new QPushButton(QStringLiteral("Create"), this))
    , cmdCancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("frmNewTourney"));
    setWindowTitle(QStringLiteral("New Tournament"));
    Label2->setObjectName(QStringLiteral("Label2"));
    optYes->setObjectName(QStringLiteral("optYes"));
    cmbTourney->setObjectName(QStringLiteral("cmbTourney"));
    optNo->setObjectName(QStringLiteral("optNo"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdOK->setDefault(true);
    optNo->setChecked(true);
    cmbTourney->setEnabled(false);

    auto* copy = new QHBoxLayout;
    copy->addWidget(optYes);
    copy->addWidget(cmbTourney, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addLayout(copy);
    layout->addWidget(optNo);
    layout->addLayout(buttons);

    // Every league's tournaments, oldest first.
    ReportFailures([this] { FillTournamentCombo(cmbTourney, 0, false); });
    connect(optYes, &QRadioButton::toggled, cmbTourney, &QWidget::setEnabled);
    connect(cmdOK, &QPushButton::clicked, this, &frmNewTourney::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmNewTourney::hasTournaments() const { return cmbTourney->count() > 0; }

void frmNewTourney::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (mActivated)
        return;
    mActivated = true;
    // The tournament made last is the likeliest model for the next.
    if (hasTournaments()) {
        cmbTourney->setCurrentIndex(cmbTourney->count() - 1);
        optYes->setChecked(true);
    }
}

void frmNewTourney::cmdOK_Click()
{
    BusyPointer busy;
    if (optYes->isChecked() && cmbTourney->currentIndex() >= 0) {
        OpenTournament source;
        const Long id = cmbTourney->currentData().toInt();
        if (!ReportFailures([&] { LoadTournament(gobjDatabase(), source, id, false); }))
            return;
        prepared = prepareCopy(source, today);
    } else {
        prepared = makeBlankTournament(today);
    }
    bOked = true;
    accept();
}
