#pragma once

#include "core/display/AppearanceOptions.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Appearance Settings": the players list, the chip and payout panel, money
// format, table and seat labels, the hand timer's length, full screen,
// scrolling, kills and the background colours.
class frmAppearance : public QDialog {
    Q_OBJECT
public:
    explicit frmAppearance(QWidget* parent = nullptr);

    std::array<QRadioButton*, 2> optPlayerDisplay {};
    QCheckBox* chkDisplayPoints;
    QCheckBox* chkShowChipsAndPayouts;
    QLineEdit* txtCurrencySymbol;
    QCheckBox* chkCommaSeparator;
    QComboBox* cmbTable;
    QComboBox* cmbSeat;
    QComboBox* cmbHandTimer;
    QCheckBox* chkFullScreen;
    QCheckBox* chkScroll;
    QCheckBox* chkKills;
    // The swatches and their buttons; only elements 0 (main screen) and 5
    // (rotating screens) exist.
    std::array<QLabel*, 6> lblColor {};
    std::array<QPushButton*, 6> cmdBackgroundColor {};
    QPushButton* cmdReset;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // The tournament window's part: the players grid's default font size
    // for a layout (0 two columns, 1 one column), and the re-layout after
    // OK. Without a window neither is asked for.
    std::function<Integer(Long layout)> playersGridDefaultSize;
    std::function<void()> relayout = [] {};

    void LoadValues();
    void SetDefaultAppearance();
    void optPlayerDisplay_Click(int Index);
    void cmdBackgroundColor_Click(int Index);
    void cmdOK_Click();
    void cmdCancel_Click();

    // What the controls show.
    AppearanceValues shownValues() const;

private:
    void showValues(const AppearanceValues& v);
    void setSwatch(int Index, OleColor color);

    AppearanceValues mLoaded;
    std::array<OleColor, 6> mSwatch {};
};
