#include "gui/platform/MessagePrompter.h"

#include "core/platform/FileFilter.h"
#include "core/platform/ProgramTitle.h"
#include "gui/controls/OleColor.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString title() { return ProgramTitle(); }

QWidget* owner() { return QApplication::activeWindow(); }

// A name that carries a whole path of its own is proposed as it stands.
QString proposedPath(const QString& fileName, const QString& folder)
{
    return fileName.isEmpty() ? folder : QDir(folder).absoluteFilePath(fileName);
}

std::optional<QString> chosenFile(const QString& chosen)
{
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

FontChoice choiceOf(const QFont& font) { return {font.family(), font.pointSizeF(), font.bold(), font.italic()}; }

} // namespace

void MessagePrompter::message(const QString& text)
{
    QMessageBox::information(owner(), title(), text, QMessageBox::Ok);
}

Prompter::Answer MessagePrompter::askYesNo(const QString& text) { return askYesNoTitled(text, title()); }

Prompter::Answer MessagePrompter::askYesNoTitled(const QString& text, const QString& caption)
{
    return QMessageBox::question(owner(), caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes
        ? Answer::Yes
        : Answer::No;
}

Prompter::Answer MessagePrompter::askYesNoDefaultNo(const QString& text)
{
    return QMessageBox::question(owner(), title(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes
        ? Answer::Yes
        : Answer::No;
}

Prompter::Answer MessagePrompter::askYesNoCancel(const QString& text)
{
    switch (QMessageBox::question(owner(), title(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> MessagePrompter::input(const QString& text, const QString& caption, const QString& defaultValue)
{
    bool ok = false;
    QString value = QInputDialog::getText(owner(), caption.isEmpty() ? title() : caption, text, QLineEdit::Normal,
                                          defaultValue, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<QString> MessagePrompter::saveFileName(const QString& filter, const QString& fileName,
                                                     const QString& folder)
{
    return chosenFile(QFileDialog::getSaveFileName(owner(), title(), proposedPath(fileName, folder), filter, nullptr,
                                                   QFileDialog::DontConfirmOverwrite));
}

std::optional<quint32> MessagePrompter::chooseColor(quint32 initial)
{
    const QColor chosen = QColorDialog::getColor(OleColorToQColor(initial), owner(), title());
    if (!chosen.isValid())
        return std::nullopt;
    return quint32(chosen.red()) | quint32(chosen.green()) << 8 | quint32(chosen.blue()) << 16;
}

std::optional<FontChoice> MessagePrompter::chooseFont(const FontChoice& initial)
{
    QFont start(initial.Name);
    if (initial.Size > 0)
        start.setPointSizeF(initial.Size);
    start.setBold(initial.Bold);
    start.setItalic(initial.Italic);
    // A family that is not installed opens on the one that stands in for it
    // on the screen, with the stored style where that family has it.
    if (!QFontDatabase::hasFamily(initial.Name))
        start.setFamily(QFontInfo(start).family());
    QFontDialog dialog(owner());
    dialog.setObjectName(QStringLiteral("FontDialog"));
    dialog.setWindowTitle(title());
    // Qt's own dialog, so that what it first shows can be read back.
    dialog.setOptions(QFontDialog::ScalableFonts | QFontDialog::DontUseNativeDialog);
    dialog.setCurrentFont(start);
    const FontChoice shown = choiceOf(dialog.currentFont());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return KeptFontChoice(initial, shown, choiceOf(dialog.selectedFont()));
}

std::optional<QString> MessagePrompter::openFileName(const QString& filter, const QString& fileName,
                                                     const QString& folder)
{
    return chosenFile(
        QFileDialog::getOpenFileName(owner(), title(), proposedPath(fileName, folder), CaseInsensitiveFilter(filter)));
}
