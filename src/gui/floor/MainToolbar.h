#pragma once

#include <QFrame>

class QToolButton;

// The floating toolbar: eight picture buttons on a small panel the director
// drags anywhere over the window. Where it was left and whether it shows
// are kept in Defaults.ini.
class MainToolbar : public QFrame {
    Q_OBJECT
public:
    explicit MainToolbar(QWidget* window);

    QToolButton* cmdStartClock;
    QToolButton* cmdPauseClock;
    QToolButton* cmdAddRemovePlayers;
    QToolButton* cmdToggleScreen;
    QToolButton* cmdTournamentSetup;
    QToolButton* cmdHideToolbar;
    QToolButton* cmdViewPlayerScreen;
    QToolButton* cmdHandTimer;

    // The first show after the window opens: the stored place (or the
    // default corner) and the stored visibility.
    void PlaceFromSettings();
    // Show Toolbar: back at the default corner, visible, and kept so.
    void mnShowToolBar_Click();
    // Hide Toolbar: hidden, and kept so.
    void cmdHideToolbar_Click();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QPoint defaultPlace() const;

    bool mblnDraggingToolbar = false;
    QPoint mDragStart; // pointer position within the panel
};
