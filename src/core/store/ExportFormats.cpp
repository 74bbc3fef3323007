#include "core/store/ExportFormats.h"

#include "core/platform/AppPaths.h"
#include "core/platform/Database.h"
#include "core/store/GridText.h"
#include "core/store/NameCompare.h"
#include "core/store/PlainNumberText.h"
#include "core/store/TextHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString quoted(const QString& text) { return u'"' + text + u'"'; }

// Quotes only the fields that need it; CsvEscape has already doubled any
// quote inside.
QString hptField(const QString& cell)
{
    const QString escaped = CsvEscape(cell);
    const bool needsQuotes
        = escaped.contains(u',') || escaped.contains(u'"') || escaped.contains(u'\r') || escaped.contains(u'\n');
    return needsQuotes ? quoted(escaped) : escaped;
}

// A database value in its plain text form.
QString recordValueText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
        return PlainNumberText(value.toDouble());
    case QMetaType::Float:
        return PlainNumberText(value.toFloat());
    default:
        return value.isNull() ? QString() : value.toString();
    }
}

} // namespace

QString PlainGridCsv(const GridText& grid)
{
    QString text;
    for (long row = 0; row < grid.Rows(); ++row) {
        QStringList fields;
        for (long col = 0; col < grid.Cols(); ++col)
            fields << quoted(CsvEscape(grid.TextMatrix(row, col)));
        text += fields.join(u',') + kLineEnd;
    }
    return text;
}

QString HptResultsCsv(const GridText& grid)
{
    QString text = QStringLiteral("TourneyPlace,Nickname,Points,Buyin,PrizeMoney") + kLineEnd;
    const auto cell = [&grid](long row, long col) { return col < grid.Cols() ? grid.TextMatrix(row, col) : QString(); };
    for (long row = 1; row < grid.Rows(); ++row) {
        // The payout cell holds the money, then "\" and the points when
        // points are shown.
        const QString payout = cell(row, 4);
        const qsizetype slash = payout.indexOf(u'\\');
        const QString points = slash < 0 ? QStringLiteral("0") : payout.mid(slash + 1);
        const QString money = slash < 0 ? payout : payout.left(slash);
        text += QStringList {hptField(cell(row, 3)), hptField(cell(row, 0)), hptField(points), hptField(cell(row, 2)),
                             hptField(money)}
                    .join(u',')
            + kLineEnd;
    }
    return text;
}

QString RecordsetCsv(Recordset& records)
{
    const QStringList columns = records.columnNames();
    QString text = columns.join(QStringLiteral(", ")) + kLineEnd;
    for (records.moveFirst(); !records.eof(); records.moveNext()) {
        QStringList fields;
        for (const QString& column : columns)
            fields << quoted(CsvEscape(recordValueText(records.value(column))));
        text += fields.join(u',') + kLineEnd;
    }
    return text;
}

QString TextFileText(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    lines.replace(QChar::ParagraphSeparator, u'\n');
    lines.replace(QChar::LineSeparator, u'\n');
    return lines.replace(u'\n', kLineEnd);
}

bool WriteExportFile(const QString& fileName, const QString& text, QString* error)
{
    // Only a full path of the file system is written: a name beginning with
    // ":" is one of the program's resources, which cannot be written, and a
    // relative one would land in whatever folder the program runs in.
    if (fileName.startsWith(u':') || !QDir::isAbsolutePath(fileName)) {
        if (error)
            *error = QStringLiteral("\"%1\" is not the full path of a file").arg(fileName);
        return false;
    }
    if (QString problem; !ExportNameUsable(fileName, &problem)) {
        if (error)
            *error = problem;
        return false;
    }
    QSaveFile file(fileName);
    auto failed = [&] {
        if (error)
            *error = file.errorString();
        return false;
    };
    // Unbuffered, so that a short write (a full disk) shows in write()'s
    // count rather than being lost in a later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed();
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        failed();
        file.cancelWriting();
        return false;
    }
    return file.commit() || failed();
}

QString InvalidFileNameText() { return QStringLiteral("Invalid file name (cannot use /,\\,:,*,?,|,>,<)."); }

namespace {

// The longest file name and path the folder's file system takes, in bytes of
// the names it is given (a path's limit counts its closing NUL); the usual
// limits where it does not say.
struct NameLimits {
    long Name = 255;
    long Path = 4096;
};

NameLimits limitsOf([[maybe_unused]] const QString& folder)
{
    NameLimits limits;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(folder);
    if (const long n = ::pathconf(name.constData(), _PC_NAME_MAX); n > 0)
        limits.Name = n;
    if (const long n = ::pathconf(name.constData(), _PC_PATH_MAX); n > 0)
        limits.Path = n;
#endif
    return limits;
}

} // namespace

bool ExportNameUsable(const QString& path, QString* problem)
{
    const auto refuse = [problem](const QString& message) {
        if (problem)
            *problem = message;
        return false;
    };
    // The system is given a name up to its first NUL: the file would be
    // written under that part alone.
    if (path.contains(QChar(u'\0')))
        return refuse(InvalidFileNameText());
    const QFileInfo file(path);
    const QString native = QDir::toNativeSeparators(file.absoluteFilePath());
    if (file.fileName().trimmed().isEmpty())
        return refuse(QStringLiteral("You must enter a file name."));
    if (file.isDir())
        return refuse(QStringLiteral("\"%1\" is a folder. Enter the name of a file.").arg(native));
    if (!file.absoluteDir().exists())
        return refuse(QStringLiteral("The folder \"%1\" does not exist. Choose another folder.")
                          .arg(QDir::toNativeSeparators(file.absolutePath())));
    // A folder that exists has names the file system takes; the file's own
    // name and the whole path must fit its limits as well.
    const NameLimits limits = limitsOf(file.absolutePath());
    if (QFile::encodeName(file.fileName()).size() > limits.Name)
        return refuse(QStringLiteral("The file name is too long (at most %1 characters).").arg(limits.Name));
    if (QFile::encodeName(file.absoluteFilePath()).size() >= limits.Path)
        return refuse(QStringLiteral("The file's full path is too long. Choose a shorter name or folder."));
    // The file is written beside itself first and then put in place, so the
    // folder must take a new file; only trying tells (the permission bits
    // say nothing of a read-only disk, nor to an administrator).
    QTemporaryFile probe(file.absolutePath() + QStringLiteral("/.zrv-export-XXXXXX"));
    if (!probe.open())
        return refuse(QStringLiteral("The folder \"%1\" cannot be written to. Choose another folder.")
                          .arg(QDir::toNativeSeparators(file.absolutePath())));
    return true;
}

QString DefaultExportPath(const QString& defaultName)
{
    QString name = defaultName;
    return ExportPath(name.replace(u'/', u'-'));
}

QString ExportPath(const QString& typedName)
{
    // A name is a plain file name: one beginning with ":" names no resource of
    // the program but a file in the data folder like any other.
    if (!typedName.startsWith(u':') && QDir::isAbsolutePath(typedName))
        return QDir::cleanPath(typedName);
    return QDir::cleanPath(QFileInfo(AppPaths::dataFolder()).absoluteFilePath() + u'/' + typedName);
}

PlayerListQuery PlayerListSql(bool SignInSheet, Long LeagueID, Long TournamentID)
{
    PlayerListQuery query;
    query.sql = SignInSheet ? QStringLiteral("SELECT DISTINCT P.PlayerName, ' ' AS \"Signed In\" FROM tblPlayer P")
                            : QStringLiteral("SELECT DISTINCT P.* FROM tblPlayer P");
    QStringList conditions;
    if (LeagueID != 0) {
        query.sql += QStringLiteral(" INNER JOIN tblLeagueXPlayer LXP ON LXP.PlayerID = P.PlayerID");
        conditions << QStringLiteral("LXP.LeagueID = ?");
        query.values << LeagueID;
    }
    if (TournamentID != 0) {
        conditions << QStringLiteral("P.PlayerID IN (SELECT TXP.PlayerID FROM tblTournamentXPlayer TXP"
                                     " WHERE TXP.TournamentID = ?)");
        query.values << TournamentID;
    }
    if (!conditions.isEmpty())
        query.sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    query.sql += QStringLiteral(" ORDER BY PlayerName");
    return query;
}

Recordset PlayerListRecords(Database& db, bool SignInSheet, Long LeagueID, Long TournamentID)
{
    const PlayerListQuery query = PlayerListSql(SignInSheet, LeagueID, TournamentID);
    Recordset records = db.query(query.sql, query.values);
    SortRowsByName(records, QStringLiteral("PlayerName"));
    return records;
}

QString PlayerListFileName(const QString& LeagueName, const QString& TournamentName)
{
    return QStringLiteral("Player List ") + LeagueName + u' ' + TournamentName + QStringLiteral(".csv");
}

QString SignInSheetFileName(const QString& LeagueName, const QString& TournamentName)
{
    return QStringLiteral("Player Sign In Sheet  ") + LeagueName + u' ' + TournamentName + QStringLiteral(".csv");
}
