#pragma once

// What the database benchmarks share: a database at the current layout in a
// temporary folder, and the median of a series of timings.

#include "core/platform/Database.h"
#include "core/store/DatabaseSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// Runs a benchmark on zr.mdb at the current layout in a temporary folder;
// the benchmark's result, or 1 when the database cannot be made or fails.
inline int RunDatabaseBench(int argc, char** argv, const std::function<int(Database&)>& bench)
{
    QCoreApplication app(argc, argv);
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

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
