#pragma once

#include "upgrade/FileOperations.h"
#include "upgrade/UpgradeEngine.h"

#include <QCoreApplication>
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

// A program this computer runs, as far as the upgrade can tell: the header
// of the running test program with its one segment entry right after it and
// no sections, then `body`. A field of the header (a 16-bit number at its
// place) can be given another value.
inline QByteArray Program(const QByteArray& body, int field = 0, quint16 value = 0)
{
    QFile self(QCoreApplication::applicationFilePath());
    EXPECT_TRUE(self.open(QIODevice::ReadOnly));
    QByteArray header = self.read(64);
    const bool wide = header[4] == 2;
    const bool little = header[5] == 1;
    const auto set = [&](int at, int size, quint64 number) {
        for (int i = 0; i < size; ++i)
            header[at + (little ? i : size - 1 - i)] = char(number >> (8 * i));
    };
    const int headerSize = wide ? 64 : 52;
    const int entrySize = wide ? 56 : 32;
    header.truncate(headerSize);
    // Where the segment table starts, where the section table starts, the
    // size of a segment entry, the number of segments and of sections.
    const int at[] = {wide ? 32 : 28, wide ? 40 : 32, wide ? 54 : 42, wide ? 56 : 44, wide ? 60 : 48};
    const int size[] = {wide ? 8 : 4, wide ? 8 : 4, 2, 2, 2};
    const quint64 number[] = {quint64(headerSize), 0, quint64(entrySize), 1, 0};
    for (int i = 0; i < 5; ++i)
        set(at[i], size[i], number[i]);
    if (field > 0)
        set(field, 2, value);
    return header + QByteArray(entrySize, '\0') + body;
}

// An installed ZRV with a newer one beside it as upgrademe.bin (shipped
// without the execute bits), and ZRV's data folder with zr.mdb.
struct UpgradeFolder {
    static constexpr QFileDevice::Permissions kExecutable {0x7755}; // rwxr-xr-x, and the same for the user
    static QByteArray OldProgram() { return Program("old program"); }
    static QByteArray NewProgram() { return Program("new program"); }

    UpgradeFolder()
    {
        QDir(root.path()).mkpath(QStringLiteral("tool"));
        QDir(root.path()).mkpath(QStringLiteral("data"));
        write(paths.program, OldProgram());
        QFile::setPermissions(paths.program, kExecutable);
        write(paths.newProgram, NewProgram());
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
