#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// "Chip Preview": a chip's colour, or the picture of a custom chip.
class frmChipPreview : public QDialog {
    Q_OBJECT
public:
    explicit frmChipPreview(QWidget* parent = nullptr);

    QFrame* shpChip;
    QLabel* imgChip;
    QPushButton* cmdOK;
};
