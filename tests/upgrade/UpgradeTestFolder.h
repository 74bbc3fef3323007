#pragma once

#include "upgrade/FileOperations.h"
#include "upgrade/UpgradeEngine.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <set>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// An installed ZRV with a newer one beside it as upgrademe.bin (shipped
// without the execute bits), and ZRV's data folder with zr.mdb.
struct UpgradeFolder {
    static constexpr QFileDevice::Permissions kExecutable {0x7755}; // rwxr-xr-x, and the same for the user

    UpgradeFolder()
    {
        QDir(root.path()).mkpath(QStringLiteral("tool"));
        QDir(root.path()).mkpath(QStringLiteral("data"));
        write(paths.program, "old program");
        QFile::setPermissions(paths.program, kExecutable);
        write(paths.newProgram, "new program");
        write(paths.database, "database");
    }

    QString file(const QString& relative) const { return root.filePath(relative); }
    // A message as the tests spell it: without the temporary folder's path.
    QString relative(QString message) const { return message.remove(root.path() + u'/'); }

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

    // Every file with its bytes and permissions, by its path under the root.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        for (const QString& folder : {QStringLiteral("tool"), QStringLiteral("data")}) {
            const QDir dir(file(folder));
            for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
                files[folder + u'/' + name]
                    = read(dir.filePath(name)) + ' ' + QByteArray::number(int(QFile::permissions(dir.filePath(name))));
        }
        return files;
    }

    // As a running ZRV does.
    void holdLock()
    {
        held = std::make_unique<QLockFile>(paths.lock);
        ASSERT_TRUE(held->tryLock(0));
    }

    QTemporaryDir root;
    UpgradePaths paths
        = UpgradePathsFor(file(QStringLiteral("tool/ZRV")), file(QStringLiteral("tool")), file(QStringLiteral("data")));
    std::unique_ptr<QLockFile> held;
};

// The real files, except that the actions (copy, rename, remove, setting
// permissions) numbered in `failing` fail and the files in `unreadable`
// cannot be read.
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
