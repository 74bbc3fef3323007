#pragma once

#include "upgrade/FileOperations.h"
#include "upgrade/UpgradeEngine.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <set>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// An installed ZRV in a tool folder with a newer one beside it as
// upgrademe.bin, and a data folder with zr.mdb, all in one temporary folder.
class UpgradeFolder {
public:
    static constexpr QFileDevice::Permissions kExecutable = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ExeOwner | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser
        | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

    UpgradeFolder()
    {
        QDir(root.path()).mkpath(QStringLiteral("tool"));
        QDir(root.path()).mkpath(QStringLiteral("data"));
        paths = UpgradePathsFor(file(QStringLiteral("tool/ZRV")), file(QStringLiteral("tool")),
                                file(QStringLiteral("data")));
        write(paths.program, "old program");
        QFile::setPermissions(paths.program, kExecutable);
        write(paths.newProgram, "new program"); // shipped without the execute bits
        write(paths.database, "database");
    }

    QString file(const QString& relative) const { return QDir(root.path()).filePath(relative); }

    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Every file under the root with its bytes and permissions.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        for (const QString& folder : {QStringLiteral("tool"), QStringLiteral("data")}) {
            const QDir dir(file(folder));
            for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
                files[folder + u'/' + name] = read(dir.filePath(name)) + " "
                    + QByteArray::number(int(QFile::permissions(dir.filePath(name))), 16);
        }
        return files;
    }

    QTemporaryDir root;
    UpgradePaths paths;
};

// The real files, except that the actions (copy, rename, remove, setting
// permissions) numbered in failing fail and the files named unreadable cannot
// be read.
class FailingFiles : public DiskFileOperations {
public:
    std::set<int> failing; // 1 for the first action
    int actions = 0;
    std::set<QString> unreadable;

    bool isReadable(const QString& path) override
    {
        return !unreadable.count(path) && DiskFileOperations::isReadable(path);
    }
    QString copy(const QString& from, const QString& to) override
    {
        return fails() ? kReason : DiskFileOperations::copy(from, to);
    }
    QString rename(const QString& from, const QString& to) override
    {
        return fails() ? kReason : DiskFileOperations::rename(from, to);
    }
    QString remove(const QString& path) override { return fails() ? kReason : DiskFileOperations::remove(path); }
    QString setPermissions(const QString& path, QFileDevice::Permissions permissions) override
    {
        return fails() ? kReason : DiskFileOperations::setPermissions(path, permissions);
    }

    inline static const QString kReason = QStringLiteral("Disk on fire");

private:
    bool fails() { return failing.count(++actions) > 0; }
};
