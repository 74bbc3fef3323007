#pragma once

#include <QDialog>

class QLabel;
class QRadioButton;
class QTextBrowser;
class ctlButton;

// The help window: three help pages, one for each main screen of the
// program, and a page with the product's web address.
class frmInstructions : public QDialog {
    Q_OBJECT
public:
    enum class Page { System, Zorvane, TournamentSetup, Web };

    explicit frmInstructions(QWidget* parent = nullptr);

    QRadioButton* optSystem;
    QRadioButton* optZorvane;
    QRadioButton* optTournamentSetup;
    QRadioButton* optWeb;
    QTextBrowser* rtbInstructions;
    QLabel* lblWeb;
    ctlButton* btnWeb;
    ctlButton* btnClose;

    // The rich-text source of the three help pages.
    QString txtSystem;
    QString txtManager;
    QString txtSetup;

    void ShowPage(Page page);

    // Where the window goes when it opens: the bottom right corner of the
    // available screen.
    static QPoint CornerPosition(const QRect& screen, const QSize& window);

private:
    void optSystem_Click();
    void optZorvane_Click();
    void optTournamentSetup_Click();
    void optWeb_Click();
    void btnWeb_Click();
    void showHelpText(const QString& source);
};

// Opens the one help window on a page: modelessly from the home window,
// modally from the tournament window and the set-up. A window that is
// already open modelessly is brought forward on the page asked for.
void ShowInstructions(frmInstructions::Page page, bool modal);
// The open help window, or nothing.
frmInstructions* openInstructions();
