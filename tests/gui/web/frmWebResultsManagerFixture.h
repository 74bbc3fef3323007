#pragma once

// The web window opened on a league of a test database, against a fake
// results service on this computer.

#include "FakeResultsService.h"
#include "LeagueTestData.h"
#include "RecordingLinkOpener.h"
#include "WindowTestHelpers.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/ctlButton.h"
#include "gui/web/frmWebResultsManager.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

using Behaviour = FakeResultsService::Behaviour;

// How the window's text of a call ends when its answer was lost after it
// went out.
inline const QString MayHaveArrivedTail = QStringLiteral(
    "  The call was not sent again: it may have arrived, so look on the web site before trying it once more.");

class frmWebResultsManagerTest : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
        league = addLeague(QStringLiteral("Wednesday"));
        programSettings().gintUseProxy = 0;
        WriteSetting(ResultsWebSiteKey, fake.address());
    }

    void TearDown() override
    {
        window.reset();
        LeagueDatabaseTest::TearDown();
    }

    frmWebResultsManager& open()
    {
        window = std::make_unique<frmWebResultsManager>();
        window->mlngLocalLeagueId = league;
        window->transferLimits.timeout = std::chrono::seconds(5);
        window->show();
        window->Form_Activate();
        return *window;
    }

    template <typename T>
    T* find(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    static void type(QLineEdit* box, const QString& text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }

    // A time-out a test can outlast: the service stores a call later than
    // this after the window has given up waiting for its answer.
    static constexpr std::chrono::milliseconds ShortWait {500};

    // Opens the window and logs in with the account's password; the calls
    // then wait at most `timeout` for their answers.
    void openLoggedIn(std::chrono::milliseconds timeout = std::chrono::seconds(5))
    {
        WriteSetting(ShowWebTrialKey, 0);
        open();
        window->transferLimits.timeout = timeout;
        login(QStringLiteral("secret"));
    }

    void login(const QString& password)
    {
        window->optLogin->setChecked(true);
        type(window->txtLogin, QStringLiteral("director@example.com"));
        type(window->txtPassword, password);
        QTest::mouseClick(window->cmdLogin, Qt::LeftButton);
    }

    QStringList logLines() const { return window->rtbInfo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

    int connectionTests() const { return int(fake.operationsCalled().count(QStringLiteral("TestConnection"))); }

    // Every byte the program left in its data folder.
    QByteArray dataFolderBytes() const
    {
        QByteArray all;
        QDirIterator files(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (file.open(QIODevice::ReadOnly))
                all += file.readAll();
        }
        return all;
    }

    Long league = 0;
    // An entrant with a finish, points and the player who eliminated them.
    void addEntry(Long tournament, Long player, int finish = 1, double points = 0, Long eliminatedBy = 0)
    {
        db.execute(QStringLiteral("INSERT INTO tblTournamentXPlayer (TournamentID, PlayerID, Finish, Points, "
                                  "EliminatedByPlayerID) VALUES (?, ?, ?, ?, ?)"),
                   {tournament, player, finish, points, eliminatedBy});
    }

    Long addPlayerWithEmail(const QString& name, const QString& email)
    {
        const Long id = addPlayer(name, {league});
        db.execute(QStringLiteral("UPDATE tblPlayer SET Email = ? WHERE PlayerID = ?"), {email, id});
        return id;
    }

    // The home page's tournaments before the window opens.
    void postedOnTheWeb(const QList<QPair<qint32, QString>>& tournaments)
    {
        FakeResultsService::Account a = fake.account();
        a.tournaments = tournaments;
        fake.setAccount(a);
    }

    static QList<int> data(const QListWidget* list)
    {
        QList<int> all;
        for (int i = 0; i < list->count(); ++i)
            all << list->item(i)->data(Qt::UserRole).toInt();
        return all;
    }

    static void select(QListWidget* list, const QStringList& entries)
    {
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setSelected(entries.contains(list->item(i)->text()));
    }

    FakeResultsService fake;
    RecordingLinkOpener links;
    std::unique_ptr<frmWebResultsManager> window;
};
