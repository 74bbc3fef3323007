#pragma once

#include <QFileDevice>
#include <QString>

// What the upgrade does to files, behind an interface so that tests can make
// any single step fail. Every action returns the system's reason when it
// failed and an empty text when it worked.
class FileOperations {
public:
    virtual ~FileOperations() = default;

    // A regular file (a link counts as what it points to).
    virtual bool isFile(const QString& path) = 0;
    virtual bool isReadable(const QString& path) = 0;
    virtual qint64 size(const QString& path) = 0;
    virtual QFileDevice::Permissions permissions(const QString& path) = 0;
    // Up to `bytes` first bytes; nothing when the file cannot be read.
    virtual QByteArray head(const QString& path, qint64 bytes) = 0;

    // The bytes and the permissions, replacing any file at `to`.
    virtual QString copy(const QString& from, const QString& to) = 0;
    // Replaces any file at `to` in one step: there is no moment without it.
    virtual QString rename(const QString& from, const QString& to) = 0;
    virtual QString remove(const QString& path) = 0;
    virtual QString setPermissions(const QString& path, QFileDevice::Permissions permissions) = 0;
};

// The real files.
class DiskFileOperations : public FileOperations {
public:
    bool isFile(const QString& path) override;
    bool isReadable(const QString& path) override;
    qint64 size(const QString& path) override;
    QFileDevice::Permissions permissions(const QString& path) override;
    QByteArray head(const QString& path, qint64 bytes) override;
    QString copy(const QString& from, const QString& to) override;
    QString rename(const QString& from, const QString& to) override;
    QString remove(const QString& path) override;
    QString setPermissions(const QString& path, QFileDevice::Permissions permissions) override;
};
