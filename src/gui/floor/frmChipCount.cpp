#include "gui/floor/frmChipCount.h"

#include "core/floor/FloorEntries.h"
#include "core/platform/Prompter.h"
#include "gui/controls/SelectAllText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmChipCount::frmChipCount(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmChipCount"));
    setWindowTitle(QStringLiteral("Chip Count"));
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* caption = new QLabel(QStringLiteral("Current Chip Count"), frame);
    caption->setObjectName(QStringLiteral("Label1"));
    txtChipCount = new QLineEdit(frame);
    txtChipCount->setObjectName(QStringLiteral("txtChipCount"));
    auto* inFrame = new QHBoxLayout(frame);
    inFrame->addWidget(caption);
    inFrame->addWidget(txtChipCount);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* all = new QVBoxLayout(this);
    all->addWidget(frame);
    all->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &frmChipCount::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmChipCount::cmdCancel_Click);
}

void frmChipCount::cmdOK_Click()
{
    if (const auto fault = ChipCountFault(txtChipCount->text())) {
        prompter().message(*fault);
        FocusRefused(txtChipCount);
        return;
    }
    mbOKed = true;
    hide();
}

void frmChipCount::cmdCancel_Click() { hide(); }
