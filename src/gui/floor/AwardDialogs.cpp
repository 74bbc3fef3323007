#include "gui/floor/AwardDialogs.h"

#include "core/floor/AwardsGrid.h"
#include "core/platform/Prompter.h"
#include "core/setup/WizardAwards.h"
#include "core/store/MoneyClaims.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/AwardsGrid.h"
#include "gui/controls/SelectAllText.h"
#include "gui/controls/ctlDataEntryGrid.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton* button(QDialog* parent, const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

} // namespace

frmManualAdjust::frmManualAdjust(QWidget* parent)
    : QDialog(parent)
    , txtDollars(new QLineEdit(this))
    , txtPoints(new QLineEdit(this))
    , cmdOK(button(this, "cmdOK", "OK"))
    , cmdCancel(button(this, "cmdCancel", "Cancel"))
{
    setObjectName(QStringLiteral("frmManualAdjust"));
    setWindowTitle(QStringLiteral("Assign Bounty"));
    txtDollars->setObjectName(QStringLiteral("txtDollars"));
    txtPoints->setObjectName(QStringLiteral("txtPoints"));
    cmdOK->setDefault(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Player Winnings $"), txtDollars);
    form->addRow(QStringLiteral("Player Points"), txtPoints);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttonRow({cmdOK, cmdCancel}));
    connect(cmdOK, &QPushButton::clicked, this, &frmManualAdjust::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    txtDollars->installEventFilter(this);
    txtPoints->installEventFilter(this);
}

bool frmManualAdjust::eventFilter(QObject* watched, QEvent* event)
{
    // The whole text is selected on focus, so typing replaces it.
    if (event->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, [box] { SelectAllText(box); });
    return QDialog::eventFilter(watched, event);
}

void frmManualAdjust::cmdOK_Click()
{
    if (const auto fault = ValidateAdjustment(txtDollars->text(), txtPoints->text())) {
        prompter().message(fault->Message);
        FocusRefused(fault->Focus == AwardFocus::Points ? txtPoints : txtDollars);
        return;
    }
    if (const std::optional<QString> question = mTournament
            ? WinningsQuestion(*mTournament, mPlayerIndex, txtDollars->text(), programSettings().gstrMoneyFormat)
            : std::nullopt;
        question && prompter().askYesNoDefaultNo(*question) != Prompter::Answer::Yes) {
        FocusRefused(txtDollars);
        return;
    }
    mbOKed = true;
    accept();
}

frmAwardPlayer::frmAwardPlayer(const QString& message, const QList<long>& stillIn, const QList<long>& everyone,
                               const OpenTournament& t, QWidget* parent)
    : QDialog(parent)
    , lblMessage(new QLabel(message, this))
    , lstPlayers(new QListWidget(this))
    , chkShowAllPLayers(new QCheckBox(QStringLiteral("Show All Players"), this))
    , cmdOK(button(this, "cmdOK", "OK"))
    , cmdSkip(button(this, "cmdSkip", "Skip"))
    , cmdCancel(button(this, "cmdCancel", "Cancel"))
    , mTournament(t)
    , mEveryone(everyone)
{
    setObjectName(QStringLiteral("frmAwardPlayer"));
    setWindowTitle(QStringLiteral("Special Award"));
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lstPlayers->setObjectName(QStringLiteral("lstPlayers"));
    chkShowAllPLayers->setObjectName(QStringLiteral("chkShowAllPLayers"));
    cmdOK->setDefault(true);
    fill(stillIn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage);
    layout->addWidget(lstPlayers);
    layout->addWidget(chkShowAllPLayers);
    layout->addLayout(buttonRow({cmdOK, cmdSkip, cmdCancel}));

    connect(chkShowAllPLayers, &QCheckBox::clicked, this, [this] {
        fill(mEveryone);
        chkShowAllPLayers->setEnabled(false);
    });
    connect(lstPlayers, &QListWidget::itemDoubleClicked, this, &frmAwardPlayer::cmdOK_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAwardPlayer::cmdOK_Click);
    connect(cmdSkip, &QPushButton::clicked, this, [this] {
        mbSkipped = true;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmAwardPlayer::fill(const QList<long>& players)
{
    lstPlayers->clear();
    for (const long i : players) {
        auto* item = new QListWidgetItem(mTournament.gtypPlayers[i].PlayerName, lstPlayers);
        item->setData(Qt::UserRole, qlonglong(i));
    }
}

long frmAwardPlayer::chosenPlayer() const
{
    const QListWidgetItem* item = lstPlayers->currentItem();
    return item && item->isSelected() ? long(item->data(Qt::UserRole).toLongLong()) : 0;
}

void frmAwardPlayer::cmdOK_Click()
{
    if (chosenPlayer() == 0) {
        prompter().message(QStringLiteral("No one selected."));
        return;
    }
    mbOKed = true;
    accept();
}

frmAwardAward::frmAwardAward(const OpenTournament& t, QWidget* parent)
    : QDialog(parent)
    , gridAwards(new ctlDataEntryGrid(this))
    , cmdOK(button(this, "cmdOK", "OK"))
    , cmdCancel(button(this, "cmdCancel", "Cancel"))
{
    setObjectName(QStringLiteral("frmAwardAward"));
    setWindowTitle(QStringLiteral("Special Award"));
    gridAwards->setObjectName(QStringLiteral("gridAwards"));
    FormatAwardsGrid(*gridAwards);
    FillAwardsGrid(*gridAwards, true, t);
    mRows = AwardsGridIndexes(t, true);
    gridAwards->setRow(0);
    cmdOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select which bounty/award to grant the player:"), this));
    layout->addWidget(gridAwards);
    layout->addLayout(buttonRow({cmdOK, cmdCancel}));
    resize(420, 300);
    connect(gridAwards, &ctlDataEntryGrid::DblClick, this, &frmAwardAward::cmdOK_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAwardAward::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

long frmAwardAward::chosenAward() const
{
    const long row = gridAwards->Row();
    return row >= 1 && row <= mRows.size() ? mRows[row - 1] : 0;
}

void frmAwardAward::cmdOK_Click()
{
    if (gridAwards->Row() < 1) {
        prompter().message(QStringLiteral("Please select an award."));
        return;
    }
    mbOKed = true;
    accept();
}
