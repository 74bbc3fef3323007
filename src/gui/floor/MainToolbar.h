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

    // The command row the first place rests on.
    void setCommandRow(const QWidget* row) { mCommandRow = row; }
    // Where the display ends above the command row at commandsTop: above
    // the toolbar while it shows at its first place, which so covers nothing.
    int DisplayBottom(int commandsTop) const;
    // After the window's resize: back at its first place if it was there,
    // else moved in as far as the window asks.
    void KeepInside();

signals:
    // Shown, hidden, or moved off or onto its first place: the display's
    // room changed.
    void roomChanged();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QPoint defaultPlace() const;

    void setFirstPlace(bool atFirstPlace);

    const QWidget* mCommandRow = nullptr;
    bool mAtFirstPlace = false;
    bool mblnDraggingToolbar = false;
    QPoint mDragStart; // pointer position within the panel
};
