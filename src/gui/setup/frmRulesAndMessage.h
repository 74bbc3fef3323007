#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTextEdit;
class QToolButton;

// The editor of the tournament's rules and custom message: a rich-text box
// with a font list, a size list and six format buttons. Each button gives
// the focus back to the box.
class frmRulesAndMessage : public QDialog {
    Q_OBJECT
public:
    explicit frmRulesAndMessage(QWidget* parent = nullptr);

    bool mbOKed = false;
    QTextEdit* rtbRules;
    QComboBox* cmbFontName;
    QComboBox* cmbFontSize;
    QToolButton *cmdBold, *cmdItalic, *cmdUnderline, *cmdLeft, *cmdCenter, *cmdRight;
    QLabel* Label1;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // Fills the font and size lists without touching the text.
    void LoadCombos();

private:
    void format(const std::function<void()>& change);
};

// Opens the editor on a working text under a caption ("Edit Tournament
// Rules", "Edit Custom Message"); the edited text as Qt HTML after OK,
// nothing after Cancel or the close box.
std::optional<QString> EditRichText(QWidget* parent, const QString& caption, const QString& working);
