#pragma once

#include <QDialog>

struct GeneratorSettings;
class ctlDataEntryGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Configure Auto Generation of Levels": the [LevelGenerator] settings and
// the table of standard small blinds that "Suggest Levels!" works from.
// Nothing is stored before OK, and OK stores all or nothing.
class frmTALevelGeneratorSetup : public QDialog {
    Q_OBJECT
public:
    explicit frmTALevelGeneratorSetup(QWidget* parent = nullptr);

    // Fills the grid with the saved table, or the built-in one.
    void LoadGrid(bool bRestoreDefaults);
    void cmdRestore_Click();
    void cmdOK_Click();

    QLineEdit* txtRoundTo;
    QLineEdit* txtStartingBig;
    QLineEdit* txtEndingBig;
    QLineEdit* txtNumSafety;
    QCheckBox* chkLimitByChip;
    QRadioButton* optTable;
    QRadioButton* optDouble;
    ctlDataEntryGrid* gridLevels;
    QPushButton* cmdRestore;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void showSettings(const GeneratorSettings& s);
};
