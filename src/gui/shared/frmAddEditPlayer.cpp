#include "gui/shared/frmAddEditPlayer.h"

#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/NameValidation.h"
#include "core/store/OpenTournament.h"
#include "gui/controls/ListFillers.h"
#include "gui/controls/TypedLength.h"
#include "gui/shared/HomeWidgets.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmAddEditPlayer::frmAddEditPlayer(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAddEditPlayer"));
    setWindowTitle(QStringLiteral("Add Player"));
    auto* layout = new QVBoxLayout(this);

    Frame1 = new QGroupBox(QStringLiteral("Add New Player to League"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* outer = new QVBoxLayout(Frame1);
    optNew = new QRadioButton(QStringLiteral("Create  New Player"), Frame1);
    optNew->setObjectName(QStringLiteral("optNew"));
    optNew->setChecked(true);
    optAdd = new QRadioButton(QStringLiteral("Add from another league"), Frame1);
    optAdd->setObjectName(QStringLiteral("optAdd"));
    cmbPlayer = new QComboBox(Frame1);
    cmbPlayer->setObjectName(QStringLiteral("cmbPlayer"));
    cmbPlayer->setEnabled(false);
    cmbPlayer->setMinimumWidth(160);
    auto* choice = new QHBoxLayout;
    choice->addWidget(optNew);
    choice->addWidget(optAdd);
    choice->addWidget(cmbPlayer, 1);
    outer->addLayout(choice);

    frameDetails = new QGroupBox(Frame1);
    frameDetails->setObjectName(QStringLiteral("frameDetails"));
    frameDetails->setFlat(true);
    auto* grid = new QGridLayout(frameDetails);
    struct Field {
        QLineEdit*& box;
        const char* name;
        const char* label;
        int maxLength;
    };
    const Field fields[] = {
        {txtPlayer, "txtPlayer", "Screen Name", 100},  {txtFirstName, "txtFirstName", "First Name", 50},
        {txtLastName, "txtLastName", "Last Name", 50}, {txtPhone, "txtPhone", "Phone", 20},
        {txtEmail, "txtEmail", "Email", 50},           {txtAddress, "txtAddress", "Address", 50},
        {txtAddress2, "txtAddress2", "Apt/Suite", 50}, {txtCity, "txtCity", "City", 50},
        {txtState, "txtState", "State", 20},           {txtZip, "txtZip", "Postal Code", 20},
        {txtCountry, "txtCountry", "Country", 50},
    };
    int row = 0;
    QWidget* previous = cmbPlayer;
    for (const Field& f : fields) {
        const QString name = QString::fromLatin1(f.name);
        f.box = new QLineEdit(frameDetails);
        f.box->setObjectName(name);
        SetTypedMaxLength(f.box, f.maxLength);
        auto* caption = new QLabel(QString::fromLatin1(f.label), frameDetails);
        caption->setObjectName(QStringLiteral("lbl") + name.mid(3));
        caption->setBuddy(f.box);
        grid->addWidget(caption, row, 0);
        grid->addWidget(f.box, row, 1);
        ++row;
        if (f.box == txtPlayer) {
            lblPlayer = caption;
            lblDetails = new QLabel(QStringLiteral("Optional Player Details "), frameDetails);
            lblDetails->setObjectName(QStringLiteral("lblDetails"));
            grid->addWidget(lblDetails, row++, 0, 1, 2);
        }
        setTabOrder(previous, f.box);
        previous = f.box;
    }
    outer->addWidget(frameDetails);
    outer->addStretch(1); // the choice stays at the top while the details are hidden
    layout->addWidget(Frame1);

    layout->addLayout(OkCancelRow(this, cmdOK, QStringLiteral("OK"), cmdCancel));
    setTabOrder(optNew, optAdd);
    setTabOrder(optAdd, cmbPlayer);
    setTabOrder(previous, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    txtLastName->installEventFilter(this);
    connect(optNew, &QRadioButton::clicked, this, &frmAddEditPlayer::optNew_Click);
    connect(optAdd, &QRadioButton::clicked, this, &frmAddEditPlayer::optAdd_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAddEditPlayer::cmdOK_Click);
    setMinimumWidth(460);
}

void frmAddEditPlayer::Form_Load()
{
    if (mbNewPlayer)
        return;
    setWindowTitle(QStringLiteral("Rename Player"));
    optAdd->hide();
    cmbPlayer->hide();
    optNew->hide();
    Frame1->setTitle(QStringLiteral("New Player Name"));
    frameDetails->show();
}

void frmAddEditPlayer::optAdd_Click()
{
    cmbPlayer->setEnabled(true);
    txtPlayer->setEnabled(false);
    if (!mbPlayersFilled) {
        mbPlayersFilled = true;
        ReportFailures([this] {
            FillPlayersNotInLeague(cmbPlayer, openTournament().glngCurrentLeagueID);
            if (cmbPlayer->count() > 0)
                cmbPlayer->setCurrentIndex(0);
        });
    }
    frameDetails->hide();
}

void frmAddEditPlayer::optNew_Click()
{
    cmbPlayer->setEnabled(false);
    txtPlayer->setEnabled(true);
    frameDetails->show();
}

bool frmAddEditPlayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtLastName && event->type() == QEvent::FocusOut)
        txtLastName_LostFocus();
    return QDialog::eventFilter(watched, event);
}

void frmAddEditPlayer::txtLastName_LostFocus()
{
    if (txtPlayer->text().trimmed().isEmpty())
        SetTextWhole(txtPlayer, (txtFirstName->text() + QLatin1Char(' ') + txtLastName->text()).trimmed());
}

void frmAddEditPlayer::cmdOK_Click()
{
    txtPlayer->setText(txtPlayer->text().trimmed());
    if (optNew->isChecked()) {
        bool valid = false;
        ReportFailures([&] { valid = ValidatePlayerName(txtPlayer->text(), mbNewPlayer ? -1 : mlngCurPlayerID); });
        if (!valid)
            return;
    } else if (cmbPlayer->currentIndex() < 0) {
        prompter().message(QStringLiteral("No player selected."));
        return;
    }
    mbOKed = true;
    accept();
}

std::array<QLineEdit*, PlayerDetailColumns.size()> frmAddEditPlayer::detailBoxes() const
{
    return {txtFirstName, txtLastName, txtPhone, txtEmail, txtAddress,
            txtAddress2,  txtCity,     txtState, txtZip,   txtCountry};
}

PlayerDetails frmAddEditPlayer::Details() const
{
    PlayerDetails player;
    player.PlayerName = txtPlayer->text();
    const auto boxes = detailBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        player.Details[i] = boxes[i]->text();
    return player;
}

void frmAddEditPlayer::setDetails(const PlayerDetails& player)
{
    SetTextWhole(txtPlayer, player.PlayerName);
    const auto boxes = detailBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        SetTextWhole(boxes[i], player.Details[i]);
}
