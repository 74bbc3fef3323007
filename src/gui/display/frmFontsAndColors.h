#pragma once

#include "core/platform/ModelTypes.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct ScreenObject;

// "Properties": the caption of one display element.
class frmColor : public QDialog {
    Q_OBJECT
public:
    explicit frmColor(QWidget* parent = nullptr);

    QLineEdit* txtLabel;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    bool mbOKed = false;

    void cmdOK_Click();
    void cmdCancel_Click();
};

// What the fonts and colours editor does to the tournament window behind it.
struct FontsEditorWindow {
    QWidget* Window = nullptr; // whose controls show the looks
    std::function<bool()> RotationTicked = [] { return false; };
    std::function<void(Long screen)> SwitchView = [](Long) {};
    // Rebuilds the screen-object table from tblFont and shows it.
    std::function<void()> LoadScreenObjects = [] {};
    std::function<void()> ResetDisplayTimer = [] {};
};

// "Appearance Settings": the font, colours and caption of each display
// element, shown at once on the window behind; OK stores every element,
// Cancel (and the close box) goes back to what is stored.
class frmFontsAndColors : public QDialog {
    Q_OBJECT
public:
    explicit frmFontsAndColors(FontsEditorWindow window, QWidget* parent = nullptr);

    QComboBox* cmbScreen;
    QListWidget* lstItems;
    QPushButton* cmdFont;
    QPushButton* cmdEdit;
    QPushButton* cmdColor;
    QPushButton* cmdHeaderColor;
    QPushButton* cmdReset;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void Form_Load();
    void cmbScreen_Click();
    void lstItems_Click();
    void cmdFont_Click();
    void cmdEdit_Click();
    void cmdColor_Click();
    void cmdHeaderColor_Click();
    void cmdReset_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    // The close box and Escape are Cancel.
    void reject() override;

private:
    void Form_Unload();
    // The selected entry's index in the table, 0 when none.
    Integer selectedEntry() const;
    void applyEntry(Integer index);
    // Applies an entry whose font or caption changed, and lays the screen
    // out again around it.
    void showResized(Integer index);
    void pickColor(QVariant ScreenObject::*member);

    FontsEditorWindow mWindow;
    bool mbRotating = false;
    bool mbClosed = false;
};
