#include "gui/shared/Exports.h"

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/store/ExportFormats.h"
#include "core/store/OpenFileOrLink.h"
#include "gui/platform/BusyPointer.h"
#include "gui/shared/frmExport.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QScopeGuard>

namespace {

// Tells the director how the write went; true when it succeeded.
bool writeAndReport(const QString& file, const QString& text)
{
    bool written = false;
    QString error;
    {
        BusyPointer busy;
        written = WriteExportFile(file, text, &error);
    }
    // A full disk or a folder taken away meanwhile is told as it is, not as a
    // name with forbidden characters.
    prompter().message(
        written
            ? QStringLiteral("Complete.")
            : QStringLiteral("The file \"%1\" could not be written: %2.").arg(QDir::toNativeSeparators(file), error));
    return written;
}

void exportPlayers(bool SignInSheet, Long LeagueID, Long TournamentID, const QString& DefaultName)
{
    Recordset records = PlayerListRecords(gobjDatabase(), SignInSheet, LeagueID, TournamentID);
    if (records.recordCount() == 0) {
        prompter().message(QStringLiteral("No players found meeting criteria."));
        return;
    }
    WriteRecordsetCsv(records, DefaultName);
}

} // namespace

std::optional<QString> AskExportFileName(const QString& DefaultName)
{
    frmExport dialog(QApplication::activeWindow());
    dialog.txtFile->setText(DefaultExportPath(DefaultName));
    dialog.exec();
    if (!dialog.mbOKed)
        return std::nullopt;
    return ExportPath(dialog.txtFile->text());
}

void ExportGridToCsv(const GridText& grid, const QString& DefaultName, const QString& FormatName,
                     const ExportLayout& layoutForExport)
{
    const std::optional<QString> file = AskExportFileName(DefaultName);
    if (!file) {
        ShowDefaultPointer();
        return;
    }
    QString text;
    {
        // Puts the window's layout back however the export ends.
        const std::function<void()> restoreLayout = layoutForExport ? layoutForExport() : nullptr;
        const auto restore = qScopeGuard([&restoreLayout] {
            if (restoreLayout)
                restoreLayout();
        });
        text = FormatName == QLatin1String("HPT") ? HptResultsCsv(grid) : PlainGridCsv(grid);
    }
    writeAndReport(*file, text);
}

void ExportDataEntryGridToCsv(const GridText& grid, const QString& DefaultName, const QString& FormatName)
{
    ExportGridToCsv(grid, DefaultName, FormatName);
}

void ExportTextFile(const QString& text, const QString& DefaultName)
{
    const std::optional<QString> file = AskExportFileName(DefaultName);
    if (file)
        writeAndReport(*file, TextFileText(text));
    ShowDefaultPointer();
}

void ExportPlayerList(Long LeagueID, Long TournamentID, const QString& LeagueName, const QString& TournamentName)
{
    exportPlayers(false, LeagueID, TournamentID, PlayerListFileName(LeagueName, TournamentName));
}

void ExportSignInSheet(Long LeagueID, Long TournamentID, const QString& LeagueName, const QString& TournamentName)
{
    exportPlayers(true, LeagueID, TournamentID, SignInSheetFileName(LeagueName, TournamentName));
}

void WriteRecordsetCsv(Recordset& records, const QString& DefaultName)
{
    const std::optional<QString> file = AskExportFileName(DefaultName);
    if (file && writeAndReport(*file, RecordsetCsv(records)))
        OpenFileOrLink(*file);
    ShowDefaultPointer();
}
