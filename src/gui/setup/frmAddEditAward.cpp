#include "gui/setup/frmAddEditAward.h"

#include "gui/controls/Named.h"

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/ListFillers.h"
#include "gui/controls/SelectAllText.h"
#include "gui/controls/ctlDataEntryGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmAddEditAward::frmAddEditAward(Long LeagueID, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAddEditAward"));
    setWindowTitle(QStringLiteral("Award"));
    auto* root = new QVBoxLayout(this);
    root->addWidget(new QLabel(QStringLiteral("What type of special award would you like to create?"), this));
    optBounty = named(new QRadioButton(QStringLiteral("Bounty"), this), "optBounty");
    optAward = named(new QRadioButton(QStringLiteral("Special Award"), this), "optAward");
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(optBounty);
    kinds->addWidget(optAward);
    kinds->addStretch(1);
    root->addLayout(kinds);
    lblBounty = named(new QLabel(QStringLiteral("Which player will the bounty be on?"), this), "lblBounty");
    cmbPlayer = named(new QComboBox(this), "cmbPlayer");
    lblAward = named(new QLabel(QStringLiteral("Award  (Select from list or enter your own)"), this), "lblAward");
    cmbDescription = named(new QComboBox(this), "cmbDescription");
    cmbDescription->setEditable(true);
    cmbDescription->addItems({"High Hand", "Worst Bad Beat", "First Out", "Top Loser", "1st Straight Flush",
                              "1st 4 of a Kind", "1st Full House", "Most Kills", "Most Rebuys", "Most Obnoxious Player",
                              "Best Chip Trick"});
    cmbDescription->setCurrentIndex(-1);
    for (QWidget* w : {static_cast<QWidget*>(lblBounty), static_cast<QWidget*>(cmbPlayer),
                       static_cast<QWidget*>(lblAward), static_cast<QWidget*>(cmbDescription)})
        root->addWidget(w);
    root->addWidget(new QLabel(QStringLiteral("What is the amount of the award or bounty?"), this));
    auto* amounts = new QGridLayout;
    txtDollars = named(new QLineEdit(this), "txtDollars");
    txtPoints = named(new QLineEdit(this), "txtPoints");
    amounts->addWidget(new QLabel(QStringLiteral("Player Winnings $"), this), 0, 0);
    amounts->addWidget(txtDollars, 0, 1);
    amounts->addWidget(new QLabel(QStringLiteral("Player Points"), this), 1, 0);
    amounts->addWidget(txtPoints, 1, 1);
    root->addLayout(amounts);
    auto* note = new QLabel(QStringLiteral("Special awards can be allocated to a player at any time during the "
                                           "tournament.  For bounties, you will be notified when the player is "
                                           "eliminated to award the bounty."),
                            this);
    note->setWordWrap(true);
    root->addWidget(note);
    cmdOK = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    root->addLayout(buttons);

    connect(optBounty, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optBounty_Click();
    });
    connect(optAward, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optAward_Click();
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmAddEditAward::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // Form_Load: the league's players, the first chosen.
    ListControl(cmbPlayer).fill(LeagueMemberItems(gobjDatabase(), LeagueID));
    if (cmbPlayer->count() > 0)
        cmbPlayer->setCurrentIndex(0);
    optBounty->setChecked(true);
    setMinimumWidth(380);
}

void frmAddEditAward::optBounty_Click() { showKind(true); }

void frmAddEditAward::optAward_Click() { showKind(false); }

void frmAddEditAward::showKind(bool bounty)
{
    cmbPlayer->setEnabled(bounty);
    lblBounty->setEnabled(bounty);
    lblAward->setEnabled(!bounty);
    cmbDescription->setEnabled(!bounty);
}

AwardEntry frmAddEditAward::Entry() const
{
    AwardEntry e;
    e.IsBounty = optBounty->isChecked();
    e.PlayerID = SelectedKey(cmbPlayer);
    e.PlayerName = cmbPlayer->currentText();
    e.Description = cmbDescription->currentText();
    e.Dollars = txtDollars->text();
    e.Points = txtPoints->text();
    return e;
}

void frmAddEditAward::cmdOK_Click()
{
    QStringList others;
    if (gridParent)
        for (long i = 1; i < gridParent->Rows(); ++i)
            if (i != mlngIgnoreRowForBountyCheck)
                others << gridParent->TextMatrix(i, 2);
    std::optional<AwardFault> fault = ValidateAward(Entry(), cmbPlayer->currentIndex() >= 0, others);
    if (!fault)
        fault = AwardsPastCeiling(Entry(), mClaims ? mClaims->Others : 0.0);
    if (fault) {
        prompter().message(fault->Message);
        QWidget* focus[] = {nullptr, cmbPlayer, cmbDescription, txtDollars, txtPoints};
        FocusRefused(focus[int(fault->Focus)]);
        return;
    }
    if (const std::optional<QString> question
        = mClaims ? AwardQuestion(*mClaims, Entry(), programSettings().gstrMoneyFormat) : std::nullopt;
        question && prompter().askYesNoDefaultNo(*question) != Prompter::Answer::Yes) {
        FocusRefused(txtDollars);
        return;
    }
    mbOKed = true;
    accept();
}
