#include "gui/platform/MessagePrompter.h"

#include "core/platform/FileFilter.h"
#include "core/platform/ProgramTitle.h"
#include "gui/controls/OleColor.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
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
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, owner(), title(), QFontDialog::ScalableFonts);
    if (!ok)
        return std::nullopt;
    return FontChoice {chosen.family(), chosen.pointSizeF(), chosen.bold(), chosen.italic()};
}

std::optional<QString> MessagePrompter::openFileName(const QString& filter, const QString& fileName,
                                                     const QString& folder)
{
    return chosenFile(
        QFileDialog::getOpenFileName(owner(), title(), proposedPath(fileName, folder), CaseInsensitiveFilter(filter)));
}
