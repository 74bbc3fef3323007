#pragma once

// What the benchmark programs share: the application they run in, a
// database at the current layout in a temporary folder, a tournament's
// levels, a timing in milliseconds and the median of a series of them.

#include "core/platform/Database.h"
#include "core/store/DatabaseSchema.h"
#include "core/store/OpenTournament.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
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

// Runs a benchmark on zr.mdb at the current layout in a temporary folder;
// the benchmark's result, or 1 when the database cannot be made or fails.
inline int WithBenchDatabase(const std::function<int(Database&)>& bench)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "No temporary folder.\n");
        return 1;
    }
    try {
        Database db;
        db.open(QDir(dir.path()).filePath(QStringLiteral("zr.mdb")));
        CreateBaseSchema(db);
        if (!CheckDatabaseVersion(db))
            return 1;
        return bench(db);
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "%s\n", e.what());
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
