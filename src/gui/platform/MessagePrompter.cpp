#include "gui/platform/MessagePrompter.h"

#include "core/platform/FileFilter.h"

#include "core/platform/ProgramTitle.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString title() { return ProgramTitle(); }

QWidget* owner() { return QApplication::activeWindow(); }

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
    const QString proposed = fileName.isEmpty() ? folder : QDir(folder).absoluteFilePath(fileName);
    const QString chosen
        = QFileDialog::getSaveFileName(owner(), title(), proposed, filter, nullptr, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QString> MessagePrompter::openFileName(const QString& filter, const QString& fileName,
                                                     const QString& folder)
{
    const QString proposed = fileName.isEmpty() || QFileInfo(fileName).isAbsolute()
        ? (fileName.isEmpty() ? folder : fileName)
        : QDir(folder).absoluteFilePath(fileName);
    const QString chosen = QFileDialog::getOpenFileName(owner(), title(), proposed, CaseInsensitiveFilter(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}
