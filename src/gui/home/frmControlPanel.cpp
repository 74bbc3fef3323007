#include "gui/home/frmControlPanel.h"
#include "gui/setup/frmAddEditTournament.h"

#include "core/floor/Levels.h"
#include "core/platform/Database.h"
#include "core/platform/ProgramTitle.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/CurrentLeague.h"
#include "core/store/HomeStartup.h"
#include "core/store/OpenFileOrLink.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "core/store/TournamentStore.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/ListFillers.h"
#include "gui/controls/ctlButton.h"
#include "gui/controls/ctlLeftBar.h"
#include "gui/display/DisplayLayout.h"
#include "gui/floor/frmMain.h"
#include "gui/home/HomeArtwork.h"
#include "gui/home/frmAbout.h"
#include "gui/home/frmManage.h"
#include "gui/home/frmStartup.h"
#include "gui/home/frmStats.h"
#include "gui/platform/BusyPointer.h"
#include "gui/setup/frmNewTourney.h"
#include "gui/shared/HomeWidgets.h"
#include "gui/shared/frmInstructions.h"

#include "gui/web/frmWebResultsManager.h"
#include <QRadioButton>

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString HeadingStyle = QStringLiteral("color: #1f4e79; font-weight: bold;");

QLabel* label(QWidget* parent, const QString& name, const QString& text, int pointSize = 10, bool heading = false)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    QFont font(QStringLiteral("Arial"), pointSize);
    l->setFont(font);
    if (heading)
        l->setStyleSheet(HeadingStyle);
    return l;
}

ClickableLabel* picture(QWidget* parent, const QString& name, HomeIcon icon)
{
    auto* p = new ClickableLabel(parent);
    p->setObjectName(name);
    p->setPixmap(HomeIconPicture(icon));
    p->setFixedSize(32, 32);
    p->setCursor(Qt::PointingHandCursor);
    return p;
}

QFrame* separator(QWidget* parent, const QString& name = QString())
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// A button with its picture beside it, as one row item.
QHBoxLayout* withPicture(ClickableLabel* picture, ctlButton* button)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(picture);
    row->addWidget(button);
    return row;
}

} // namespace

frmControlPanel::frmControlPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmControlPanel"));
    setWindowTitle(ProgramTitle());
    setAttribute(Qt::WA_DeleteOnClose, false);

    showSplash = [] { aboutWindow().ShowAsSplash(); };
    askFirstLeagueName = [this]() -> std::optional<QString> {
        frmStartup prompt(this);
        if (prompt.exec() != QDialog::Accepted)
            return std::nullopt;
        return prompt.txtName->text();
    };
    showWebResults = [this](Long league) {
        frmWebResultsManager window(this);
        window.mlngLocalLeagueId = league;
        window.exec();
    };
    showStats = [this] {
        frmStats window(this);
        window.Form_Load();
        window.exec();
    };
    prepareNewTournament = [this]() -> std::optional<OpenTournament> {
        frmNewTourney dialog(this);
        // With no tournament anywhere to copy, the defaults are taken unasked.
        if (dialog.hasTournaments()) {
            dialog.exec();
        } else {
            dialog.optNo->setChecked(true);
            dialog.cmdOK_Click();
        }
        if (!dialog.bOked)
            return std::nullopt;
        return dialog.prepared;
    };
    setUpNewTournament = SetUpNewTournament;
    endProgram = [] { QCoreApplication::quit(); };

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 16, 12);
    outer->setSpacing(16);
    ctlLeftBar1 = new ctlLeftBar(this);
    ctlLeftBar1->setObjectName(QStringLiteral("ctlLeftBar1"));
    outer->addWidget(ctlLeftBar1);

    auto* body = new QVBoxLayout;
    body->setSpacing(8);
    body->setContentsMargins(0, 12, 0, 0);
    outer->addLayout(body, 1);

    // Run a tournament
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Zorvane"), 16, true);
    Label1 = label(this, QStringLiteral("Label1"),
                   QStringLiteral("Track players, seats, buy-ins, calculate payouts, and eliminate players."));
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("League"));
    Label7 = label(this, QStringLiteral("Label7"), QStringLiteral("Tournament"));
    for (int i = 0; i < 3; ++i)
        cmbLeague[i] = HomeDropDown(this, QStringLiteral("cmbLeague(%1)").arg(i));
    cmbTournament = HomeDropDown(this, QStringLiteral("cmbTournament"));
    btnNew = HomeButton(this, QStringLiteral("btnNew"), QStringLiteral("New Tournament"));
    btnOpen = HomeButton(this, QStringLiteral("btnOpen"), QStringLiteral("Open Tournament"));
    imgNew = picture(this, QStringLiteral("imgNew"), HomeIcon::New);
    imgOpen = picture(this, QStringLiteral("imgOpen"), HomeIcon::Open);

    body->addWidget(Label2);
    body->addWidget(Label1);
    auto* run = new QGridLayout;
    run->setHorizontalSpacing(10);
    run->addWidget(Label3, 0, 0);
    run->addWidget(cmbLeague[0], 0, 1);
    run->addLayout(withPicture(imgNew, btnNew), 0, 2);
    run->addWidget(Label7, 1, 0);
    run->addWidget(cmbTournament, 1, 1);
    run->addLayout(withPicture(imgOpen, btnOpen), 1, 2);
    run->setColumnStretch(1, 1);
    body->addLayout(run);
    body->addWidget(separator(this));

    // Manage leagues
    Label5
        = label(this, QStringLiteral("Label5"), QStringLiteral("Manage Leagues, Tournaments, and Players"), 12, true);
    Label11 = label(this, QStringLiteral("Label11"),
                    QStringLiteral("Create new leagues, modify existing leagues, tournaments, and players, and "
                                   "export player lists."));
    btnMaintenance = HomeButton(this, QStringLiteral("btnMaintenance"), QStringLiteral("Manage"));
    imgManage = picture(this, QStringLiteral("imgManage"), HomeIcon::Manage);
    body->addWidget(Label5);
    auto* manage = new QHBoxLayout;
    manage->addWidget(Label11, 1);
    manage->addLayout(withPicture(imgManage, btnMaintenance));
    body->addLayout(manage);
    body->addWidget(separator(this));

    // League statistics
    lblStats[0] = label(this, QStringLiteral("lblStats(0)"), QStringLiteral("Stats Tracker"), 12, true);
    lblStats[1] = label(this, QStringLiteral("lblStats(1)"),
                        QStringLiteral("View league stats such as most wins, average finish, and total winnings."));
    lblStats[2] = label(this, QStringLiteral("lblStats(2)"), QStringLiteral("League"));
    btnStats = HomeButton(this, QStringLiteral("btnStats"), QStringLiteral("View Stats"));
    imgStats = picture(this, QStringLiteral("imgStats"), HomeIcon::Stats);
    body->addWidget(lblStats[0]);
    body->addWidget(lblStats[1]);
    auto* stats = new QHBoxLayout;
    stats->addWidget(lblStats[2]);
    stats->addWidget(cmbLeague[1], 1);
    stats->addLayout(withPicture(imgStats, btnStats));
    body->addLayout(stats);
    body->addWidget(separator(this, QStringLiteral("lineStats")));

    // Web posting
    Label9 = label(this, QStringLiteral("Label9"), QStringLiteral("Web Results Posting/Email Players (Optional)"), 12,
                   true);
    Label6 = label(this, QStringLiteral("Label6"),
                   QStringLiteral("Post and share tournament results on the internet so all participants can see "
                                  "results and stats.  Email players with results or for announcements."));
    Label12 = label(this, QStringLiteral("Label12"), QStringLiteral("League"));
    btnPostResults = HomeButton(this, QStringLiteral("btnPostResults"), QStringLiteral("Post Results"));
    imgPostResults = picture(this, QStringLiteral("imgPostResults"), HomeIcon::PostResults);
    body->addWidget(Label9);
    body->addWidget(Label6);
    auto* web = new QHBoxLayout;
    web->addWidget(Label12);
    web->addWidget(cmbLeague[2], 1);
    web->addLayout(withPicture(imgPostResults, btnPostResults));
    body->addLayout(web);
    body->addWidget(separator(this));

    // Links, help, about and exit
    const QStringList roomTexts {QStringLiteral("Check out our Customer Room on the web..."),
                                 QStringLiteral("Special Offers"), QStringLiteral("Program Tips"),
                                 QStringLiteral("News & Updates")};
    auto* links = new QVBoxLayout;
    links->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        auto* link = new ClickableLabel(roomTexts[i], this);
        link->setObjectName(QStringLiteral("lblCustomerRoom(%1)").arg(i));
        link->setStyleSheet(QStringLiteral("color: #1a5fb4; text-decoration: underline;"));
        link->setCursor(Qt::PointingHandCursor);
        lblCustomerRoom[i] = link;
        links->addWidget(link);
        connect(link, &ClickableLabel::clicked, this, [this, i] { lblCustomerRoom_Click(i); });
    }
    btnHelp = HomeButton(this, QStringLiteral("btnHelp"), QStringLiteral("Help"));
    btnAbout = HomeButton(this, QStringLiteral("btnAbout"), QStringLiteral("About"));
    btnExit = HomeButton(this, QStringLiteral("btnExit"), QStringLiteral("Exit"));
    for (ctlButton* b : {btnHelp, btnAbout, btnExit})
        b->setFixedWidth(100);
    imgHelp = picture(this, QStringLiteral("imgHelp"), HomeIcon::Help);
    imgAbout = picture(this, QStringLiteral("imgAbout"), HomeIcon::About);
    imgExit = picture(this, QStringLiteral("imgExit"), HomeIcon::Exit);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(links, 1);
    bottom->addLayout(withPicture(imgHelp, btnHelp));
    bottom->addLayout(withPicture(imgAbout, btnAbout));
    bottom->addLayout(withPicture(imgExit, btnExit));
    body->addLayout(bottom);
    body->addStretch(1);

    const auto onClick = [this](ctlButton* b, ClickableLabel* pic, void (frmControlPanel::*handler)()) {
        connect(b, &ctlButton::Click, this, handler);
        connect(pic, &ClickableLabel::clicked, this, handler);
    };
    onClick(btnNew, imgNew, &frmControlPanel::btnNew_Click);
    onClick(btnOpen, imgOpen, &frmControlPanel::btnOpen_Click);
    onClick(btnMaintenance, imgManage, &frmControlPanel::btnMaintenance_Click);
    onClick(btnStats, imgStats, &frmControlPanel::btnStats_Click);
    onClick(btnPostResults, imgPostResults, &frmControlPanel::btnPostResults_Click);
    onClick(btnHelp, imgHelp, &frmControlPanel::btnHelp_Click);
    onClick(btnAbout, imgAbout, &frmControlPanel::btnAbout_Click);
    onClick(btnExit, imgExit, &frmControlPanel::btnExit_Click);
    connect(cmbLeague[0], &QComboBox::currentIndexChanged, this, [this] { cmbLeague_Click(0); });

    btnOpen->setEnabled(false);
    resize(760, 600);
}

void frmControlPanel::Form_Load()
{
    showSplash();
    LoadSettings(programSettings());
}

void frmControlPanel::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // The first activation runs once the window is up. Triggered from here,
    // not from the activation event, which some desktops never send.
    if (!mbActivated)
        QTimer::singleShot(0, this, &frmControlPanel::Form_Activate);
}

bool frmControlPanel::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && mbActivated)
        ShowDefaultPointer();
    return QWidget::event(e);
}

void frmControlPanel::Form_Activate()
{
    if (mbActivated || mbUnloaded) {
        ShowDefaultPointer();
        return;
    }
    mbActivated = true;
    ShowHourglass();

    if (!StartupStuff()) {
        ShowDefaultPointer();
        close();
        return;
    }

    const QScreen* shown = screen();
    if (shown && ScreenTooNarrow(shown->geometry().width())) {
        ShowDefaultPointer();
        prompter().message(QString::fromLatin1(ScreenTooNarrowText));
    }

    RestoreLastSelection(openTournament());
    LoadCombos();
    if (cmbLeague[0]->count() == 0 && !askForFirstLeague()) {
        ShowDefaultPointer();
        close();
        return;
    }
    ShowDefaultPointer();
}

bool frmControlPanel::StartupStuff() { return ::StartupStuff(programSettings()); }

// The home window needs one league to work: a first run asks for its name
// until a valid one is given. Closing the prompt (Esc or its close box) says
// so and ends the program; no league is made.
bool frmControlPanel::askForFirstLeague()
{
    const std::optional<QString> name = askFirstLeagueName();
    if (!name) {
        ShowDefaultPointer();
        prompter().message(QString::fromLatin1(NoFirstLeagueText));
        return false;
    }
    return ReportFailures([&] {
        CreateLeague(*name, QString());
        LoadLeague(openTournament().glngCurrentLeagueID);
        LoadCombos();
    });
}

void frmControlPanel::LoadCombos()
{
    ReportFailures([this] {
        const OpenTournament& t = openTournament();
        {
            // While the lists refill, a change of selection runs nothing.
            const QScopedValueRollback<bool> loading(mbLoading, true);
            for (QComboBox* list : cmbLeague) {
                FillLeagueCombo(list);
                list->setCurrentIndex(-1);
            }
        }

        // The three league lists hold the same leagues in the same order.
        if (const int league = cmbLeague[0]->findData(int(t.glngCurrentLeagueID)); league >= 0)
            for (QComboBox* list : cmbLeague)
                list->setCurrentIndex(league);
        if (const int tournament = cmbTournament->findData(int(t.glngCurrentTournamentID)); tournament >= 0)
            cmbTournament->setCurrentIndex(tournament);
        for (QComboBox* list : cmbLeague) {
            if (list->count() > 0 && list->currentIndex() < 0)
                list->setCurrentIndex(0);
        }
        if (cmbLeague[0]->count() == 0)
            cmbLeague_Click(0);
    });
}

void frmControlPanel::cmbLeague_Click(int Index)
{
    if (mbLoading || Index != 0)
        return;
    ReportFailures([this] {
        // No league chosen: no tournaments (0 would list every league's).
        if (cmbLeague[0]->currentIndex() < 0)
            cmbTournament->clear();
        else
            ListControl(cmbTournament).fill(RunnableTournamentItems(gobjDatabase(), SelectedKey(cmbLeague[0])));
        const bool any = cmbTournament->count() > 0;
        cmbTournament->setCurrentIndex(any ? cmbTournament->count() - 1 : -1);
        btnOpen->setEnabled(any);
    });
}

void frmControlPanel::btnNew_Click()
{
    if (cmbLeague[0]->currentIndex() < 0)
        return;
    std::optional<OpenTournament> prepared;
    if (!ReportFailures([&] {
            LoadLeague(SelectedKey(cmbLeague[0]));
            prepared = prepareNewTournament();
        })
        || !prepared)
        return;
    const OpenTournament& current = openTournament();
    prepared->glngCurrentLeagueID = current.glngCurrentLeagueID;
    prepared->gstrCurrentLeagueName = current.gstrCurrentLeagueName;
    if (!setUpNewTournament(*prepared))
        return;
    LoadCombos();
    ShowTournamentWindow(true);
}

void frmControlPanel::btnOpen_Click()
{
    // The picture beside the button does nothing while there is nothing to open.
    if (!btnOpen->Enabled() || cmbTournament->currentIndex() < 0)
        return;
    ReportFailures([this] {
        {
            BusyPointer busy;
            LoadLeague(SelectedKey(cmbLeague[0]));
            LoadTournament(SelectedKey(cmbTournament), false);
            // The clock starts from the stored level's figures in the level
            // table.
            OpenTournament& t = openTournament();
            SetLevel(t, t.gintBlindsLevel);
        }
        ShowTournamentWindow();
        // Stored before Finish refused such payouts or the payouts were kept
        // from going below 0, or changed outside the program.
        if (const std::optional<QString> mend = PayoutsToMend(openTournament(), programSettings().gstrMoneyFormat))
            prompter().message(*mend);
    });
}

void frmControlPanel::ShowTournamentWindow(bool isNew)
{
    auto* w = new frmMain;
    // On the screen the director works on.
    if (QScreen* here = screen())
        w->setScreen(here);
    if (isNew) {
        w->bShowTutorial = true;
        w->bAskToAddPlayers = ReadSetting(ShowWebTrialKey) == QLatin1String("1");
    }
    w->showHome = [this] {
        show();
        raise();
        activateWindow();
    };
    w->Form_Load();
    // A new tournament was stored reset by the wizard's save; an opened one
    // starts with no break running.
    if (!isNew)
        w->ResetTourney();
    w->mbActivated = false;
    w->RefreshScreens(true);
    w->setWindowModality(Qt::ApplicationModal);
    w->ShowOpening();
    w->raise();
    w->activateWindow();
}

void frmControlPanel::btnMaintenance_Click()
{
    // A fresh hub each time, so its lists are never stale.
    frmManage hub(this);
    hub.exec();
    // A compacted database asks for a restart: the program ends as at Exit,
    // without storing the last selection.
    if (hub.mbEndProgram) {
        close();
        return;
    }
    LoadCombos();
}

void frmControlPanel::btnStats_Click()
{
    if (cmbLeague[1]->currentIndex() < 0)
        return;
    ReportFailures([this] {
        LoadLeague(SelectedKey(cmbLeague[1]));
        showStats();
    });
}

void frmControlPanel::btnPostResults_Click()
{
    // The web window works on the league of its own list; the current
    // league stays as it is.
    if (cmbLeague[2]->currentIndex() >= 0)
        showWebResults(SelectedKey(cmbLeague[2]));
}

void frmControlPanel::btnHelp_Click() { ShowInstructions(frmInstructions::Page::System, false); }

void frmControlPanel::btnAbout_Click() { aboutWindow().ShowAsAbout(); }

void frmControlPanel::btnExit_Click()
{
    StoreLastSelection(openTournament());
    close();
}

void frmControlPanel::lblCustomerRoom_Click(int) { OpenWebSite(CustomerRoomAddress()); }

void frmControlPanel::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

void frmControlPanel::Form_Unload()
{
    if (mbUnloaded)
        return;
    mbUnloaded = true;
    gobjDatabase().close();
    if (QWidget* help = openInstructions())
        help->close();
    endProgram();
}
