#include "gui/setup/frmChipPreview.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmChipPreview::frmChipPreview(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmChipPreview"));
    setWindowTitle(QStringLiteral("Chip Preview"));
    auto* column = new QVBoxLayout(this);
    shpChip = new QFrame(this);
    shpChip->setObjectName(QStringLiteral("shpChip"));
    shpChip->setFrameShape(QFrame::Box);
    shpChip->setAutoFillBackground(true);
    shpChip->setFixedSize(120, 120);
    imgChip = new QLabel(this);
    imgChip->setObjectName(QStringLiteral("imgChip"));
    imgChip->setFixedSize(120, 120);
    imgChip->setScaledContents(true);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    column->addWidget(shpChip, 0, Qt::AlignHCenter);
    column->addWidget(imgChip, 0, Qt::AlignHCenter);
    column->addWidget(cmdOK, 0, Qt::AlignHCenter);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}
