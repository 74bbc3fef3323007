#include "gui/shared/frmExport.h"

#include "core/platform/AppPaths.h"
#include "core/platform/Prompter.h"
#include "core/store/ExportFormats.h"
#include "gui/controls/CommandButton.h"
#include "gui/platform/BusyPointer.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmExport::frmExport(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(QStringLiteral("Export"));

    auto* layout = new QVBoxLayout(this);
    Frame1 = new QGroupBox(QStringLiteral("Export to CSV (Comma Separated Values) File"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    layout->addWidget(Frame1);

    auto* frame = new QVBoxLayout(Frame1);
    Label1 = new QLabel(QStringLiteral("File Name"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    frame->addWidget(Label1);
    auto* nameRow = new QHBoxLayout;
    txtFile = new QLineEdit(Frame1);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    Label1->setBuddy(txtFile);
    cmdBrowse = CommandButton(Frame1, QStringLiteral("cmdBrowse"), QStringLiteral("Browse..."));
    nameRow->addWidget(txtFile, 1);
    nameRow->addWidget(cmdBrowse);
    frame->addLayout(nameRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdOK = CommandButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), true);
    cmdCancel = CommandButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmExport::cmdBrowse_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmExport::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmExport::cmdCancel_Click);
    setMinimumWidth(480);
}

void frmExport::cmdBrowse_Click()
{
    const std::optional<QString> chosen
        = prompter().saveFileName(QStringLiteral("*.csv"), txtFile->text(), AppPaths::dataFolder());
    if (chosen)
        txtFile->setText(*chosen);
}

void frmExport::cmdOK_Click()
{
    // A name of blanks alone is no name.
    if (txtFile->text().trimmed().isEmpty()) {
        prompter().message(QStringLiteral("You must enter a file name."));
        return;
    }
    const QString path = ExportPath(txtFile->text());
    if (QString problem; !ExportNameUsable(path, &problem)) {
        ShowDefaultPointer();
        prompter().message(problem);
        return;
    }
    // The old file stays until the new one is written in full.
    if (QFileInfo::exists(path)
        && prompter().askYesNo(QStringLiteral("File already exists, overwrite?")) != Prompter::Answer::Yes)
        return;
    mbOKed = true;
    done(Accepted);
}

void frmExport::cmdCancel_Click() { done(Rejected); }

void frmExport::reject() { cmdCancel_Click(); }
