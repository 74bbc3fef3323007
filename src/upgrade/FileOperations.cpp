#include "upgrade/FileOperations.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace

bool DiskFileOperations::isFile(const QString& path) { return QFileInfo(path).isFile(); }

bool DiskFileOperations::isReadable(const QString& path) { return QFileInfo(path).isReadable(); }

qint64 DiskFileOperations::size(const QString& path) { return QFileInfo(path).size(); }

QFileDevice::Permissions DiskFileOperations::permissions(const QString& path) { return QFile::permissions(path); }

QByteArray DiskFileOperations::head(const QString& path, qint64 bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

QString DiskFileOperations::copy(const QString& from, const QString& to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    // Unbuffered: every write reaches the system at once, so a failure is
    // seen where it happens and not at a flush that keeps no reason.
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return out.errorString();
    constexpr qint64 chunkSize = 1 << 20;
    for (QByteArray chunk = in.read(chunkSize); !chunk.isEmpty(); chunk = in.read(chunkSize)) {
        // A write cut short (a disk filling up) sets no error; writing the
        // rest fails with the system's reason.
        for (qint64 written = 0; written < chunk.size();) {
            const qint64 n = out.write(chunk.constData() + written, chunk.size() - written);
            if (n <= 0)
                return out.errorString();
            written += n;
        }
    }
    if (in.error() != QFileDevice::NoError)
        return in.errorString();
    out.close();
    if (out.error() != QFileDevice::NoError)
        return out.errorString();
    if (!out.setPermissions(in.permissions()))
        return out.errorString();
    return {};
}

QString DiskFileOperations::rename(const QString& from, const QString& to)
{
    // QFile::rename refuses an existing target; rename(2) replaces it atomically.
    std::error_code error;
    std::filesystem::rename(nativePath(from), nativePath(to), error);
    return error ? QString::fromStdString(error.message()) : QString();
}

QString DiskFileOperations::remove(const QString& path)
{
    QFile file(path);
    return file.remove() ? QString() : file.errorString();
}

QString DiskFileOperations::setPermissions(const QString& path, QFileDevice::Permissions permissions)
{
    QFile file(path);
    return file.setPermissions(permissions) ? QString() : file.errorString();
}
