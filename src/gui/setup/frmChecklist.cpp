#include "gui/setup/frmChecklist.h"

#include "core/platform/AppPaths.h"
#include "core/platform/Prompter.h"
#include "core/store/ExportFormats.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

frmChecklist::frmChecklist(const QString& checklist, QWidget* parent)
    : QDialog(parent)
    , rtbChecklist(new QTextEdit(this))
    , cmdCopy(new QPushButton(QStringLiteral("Copy"), this))
    , cmdSaveAs(new QPushButton(QStringLiteral("Save As..."), this))
    , cmdClose(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("frmChecklist"));
    setWindowTitle(QStringLiteral("Tournament Preparation Checklist"));
    rtbChecklist->setObjectName(QStringLiteral("rtbChecklist"));
    rtbChecklist->setAcceptRichText(false);
    rtbChecklist->setPlainText(checklist);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdSaveAs->setObjectName(QStringLiteral("cmdSaveAs"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdSaveAs);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rtbChecklist, 1);
    layout->addLayout(buttons);
    resize(520, 560);

    connect(cmdCopy, &QPushButton::clicked, this, &frmChecklist::cmdCopy_Click);
    connect(cmdSaveAs, &QPushButton::clicked, this, &frmChecklist::cmdSaveAs_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void frmChecklist::cmdCopy_Click() { QApplication::clipboard()->setText(rtbChecklist->toPlainText()); }

void frmChecklist::cmdSaveAs_Click()
{
    const std::optional<QString> name = prompter().saveFileName(
        QStringLiteral("Text Files (*.txt)"), QStringLiteral("Tournament Checklist.txt"), AppPaths::dataFolder());
    if (!name)
        return;
    QString reason;
    // The file holds the plain text with CR LF line ends.
    if (!WriteExportFile(*name, TextFileText(rtbChecklist->toPlainText()), &reason))
        prompter().message(QStringLiteral("The checklist could not be saved: %1.").arg(reason));
}
