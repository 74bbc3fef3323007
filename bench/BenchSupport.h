#pragma once

// What the benchmark programs share: the application they run in, a
// database at the current layout in a temporary folder, with or without the
// history of a weekly league, a tournament's levels, a timing in
// milliseconds, the median of a series of them and the side-by-side table of
// figures on a fresh database and on one with history.

#include "core/platform/AppPaths.h"
#include "core/platform/Database.h"
#include "core/store/DatabaseSchema.h"
#include "core/store/OpenTournament.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// The application of a benchmark that shows windows: offscreen unless
// QT_QPA_PLATFORM names a platform.
class BenchApplication {
public:
    BenchApplication(int& argc, char** argv)
        : m_app(argc, argv)
    {
    }

private:
    struct Offscreen {
        Offscreen()
        {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    };
    Offscreen m_offscreen; // set before the application starts
    QApplication m_app;
};

// Shows the window and lets events run until it, or any control in it, has
// been painted once.
inline void ShowAndPaint(QWidget& window)
{
    struct PaintWatch : QObject {
        QWidget* window = nullptr;
        bool painted = false;
        bool eventFilter(QObject* receiver, QEvent* e) override
        {
            if (e->type() == QEvent::Paint && receiver->isWidgetType()
                && static_cast<QWidget*>(receiver)->window() == window)
                painted = true;
            return false;
        }
    } watch;
    watch.window = &window;
    QCoreApplication::instance()->installEventFilter(&watch);
    window.show();
    QElapsedTimer limit;
    limit.start();
    while (!watch.painted && limit.elapsed() < 5000)
        QCoreApplication::processEvents();
    // The paint that was seen has run once the events are through.
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&watch);
    if (!watch.painted)
        std::fprintf(stderr, "The window was not painted.\n");
}

// Runs a benchmark on zr.mdb at the current layout in a temporary folder;
// the benchmark's result, or 1 when the database cannot be made or fails.
inline int WithBenchDatabase(const std::function<int(Database&)>& bench)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "No temporary folder.\n");
        return 1;
    }
    // Settings and exports of the benchmark stay in its own folder.
    AppPaths::setDataFolder(dir.path());
    try {
        Database db;
        db.open(QDir(dir.path()).filePath(QStringLiteral("zr.mdb")));
        CreateBaseSchema(db);
        if (!CheckDatabaseVersion(db))
            return 1;
        const int result = bench(db);
        AppPaths::setDataFolder({});
        return result;
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        AppPaths::setDataFolder({});
        return 1;
    }
}

// The same for a benchmark that shows no window.
inline int RunDatabaseBench(int argc, char** argv, const std::function<int(Database&)>& bench)
{
    QCoreApplication app(argc, argv);
    return WithBenchDatabase(bench);
}

// Gives the tournament `count` levels, the blinds 25/50 higher at each,
// every level 20 minutes long.
inline void SetBenchLevels(OpenTournament& t, long count)
{
    t.RedimLevels(count);
    for (long n = 1; n <= count; ++n) {
        t.gdblLevelSmallBlind[n] = 25.0 * n;
        t.gdblLevelBigBlind[n] = 50.0 * n;
        t.gintLevelSessionTime[n] = 20;
    }
}

// The time since the timer started, in milliseconds.
inline double ElapsedMs(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The rows a weekly league leaves in five years, before the benchmark's own
// tournament: 260 tournaments of the league, each with 11 payout rows, 20
// levels and 4 awards, and entrantRows entrant rows in all, entered by 300
// regulars who are members of the league.
inline void AddLeagueHistory(Database& db, Long leagueId, int entrantRows = 20000)
{
    const int tournaments = 260;
    const int regulars = 300;
    const int perTournament = (entrantRows + tournaments - 1) / tournaments;
    Transaction transaction(db);
    std::vector<qlonglong> players;
    for (int i = 1; i <= regulars; ++i) {
        db.execute(QStringLiteral("INSERT INTO tblPlayer (PlayerName) VALUES (?)"),
                   {QStringLiteral("Regular %1").arg(i, 3, 10, QLatin1Char('0'))});
        players.push_back(db.lastInsertId());
        db.execute(QStringLiteral("INSERT INTO tblLeagueXPlayer (LeagueID, PlayerID) VALUES (?, ?)"),
                   {leagueId, players.back()});
    }
    int written = 0;
    for (int n = 1; n <= tournaments; ++n) {
        db.execute(QStringLiteral("INSERT INTO tblTournament (LeagueID, TournamentName, NumberLevels, Numberpaid, "
                                  "PlayersPerTable) VALUES (?, ?, 20, 10, 10)"),
                   {leagueId, QStringLiteral("Week %1").arg(n)});
        const qlonglong id = db.lastInsertId();
        for (int k = 0; k <= 10; ++k)
            db.execute(QStringLiteral("INSERT INTO tblPayout (TournamentID, Position, Payout, Points, Prize) "
                                      "VALUES (?, ?, 10, 0, '')"),
                       {id, k});
        for (int level = 1; level <= 20; ++level)
            db.execute(QStringLiteral("INSERT INTO tblLevel (TournamentID, LevelNumber, SmallBlind, BigBlind) "
                                      "VALUES (?, ?, ?, ?)"),
                       {id, level, 25 * level, 50 * level});
        for (int a = 1; a <= 4; ++a)
            db.execute(QStringLiteral("INSERT INTO tblAward (TournamentID, IsBounty, BountyPlayerID, Description, "
                                      "Payout, Points, AwardedToPlayerID) VALUES (?, 0, 0, 'Award', 5, 0, 0)"),
                       {id});
        for (int e = 0; e < perTournament && written < entrantRows; ++e, ++written)
            db.execute(QStringLiteral("INSERT INTO tblTournamentXPlayer (TournamentID, PlayerID, \"Table\", Seat, "
                                      "Finish, Payout, Points, TotalBuyin, Kills, EliminatedByPlayerID, ChipCount) "
                                      "VALUES (?, ?, 0, 0, ?, 0, 0, 40, 0, 0, 0)"),
                       {id, players[size_t((n * 7 + e) % regulars)], e + 1});
    }
    transaction.commit();
}

// One measure of a benchmark run: its name, its figure and its target (0:
// none).
struct BenchMeasure {
    std::string name;
    double ms = 0;
    double target = 0;
};

// Runs the benchmark twice, on a fresh database and on one holding the
// league's history (AddLeagueHistory in a league of its own, made first, so
// that the benchmark's own rows come after it), and prints the figures side
// by side: "ok" where the figure is below the target on both. The benchmark
// gives its measures in the order they are to be printed.
inline int RunFreshAndHistory(const char* title,
                              const std::function<std::vector<BenchMeasure>(Database&, bool history)>& bench)
{
    std::vector<BenchMeasure> runs[2];
    bool failed = false;
    for (const bool history : {false, true}) {
        failed
            = WithBenchDatabase([&](Database& db) {
                  if (history) {
                      db.execute(QStringLiteral("INSERT INTO tblLeague (LeagueName) VALUES ('History')"));
                      AddLeagueHistory(db, Long(db.lastInsertId()));
                  }
                  runs[history] = bench(db, history);
                  return 0;
              }) != 0
            || failed;
    }
    std::printf("%s\n", title);
    std::printf("  %-50s %9s %12s %9s\n", "measure (ms)", "fresh", "20k history", "target");
    for (size_t i = 0; i < runs[0].size() && i < runs[1].size(); ++i) {
        const BenchMeasure& f = runs[0][i];
        const double h = runs[1][i].ms;
        const bool ok = f.ms < f.target && h < f.target;
        const std::string target = f.target > 0 ? "< " + std::to_string(int(f.target)) : "-";
        std::printf("  %-50s %9.2f %12.2f %9s %s\n", f.name.c_str(), f.ms, h, target.c_str(),
                    f.target > 0 ? (ok ? "ok" : "TOO SLOW") : "");
    }
    return failed ? 1 : 0;
}
