#pragma once

#include "core/display/MainLayout.h"
#include "core/display/SizeSets.h"

#include <QObject>
#include <array>
#include <functional>

struct DisplayPanels;
class QWidget;
class ctlButton;

// What the display layout reads and calls of the tournament window.
struct DisplayLayoutWindow {
    QWidget& window; // its size, screen, colour and window mode
    DisplayPanels& display;
    QWidget* frameCommands; // the command row: the screens end above it
    std::array<ctlButton*, 8> commandButtons; // coloured like the window
    // Places the window's own panels (command row, alerts) for its size.
    std::function<void(int width, int height)> placeFrames;
    // Where the display ends above the command row: above the floating
    // toolbar while it rests at its first place.
    std::function<int()> displayBottom;
    std::function<void()> SetGridCols;
    std::function<void(bool bReset)> SetScreen;
};

// Lays the tournament window's display out for its size: the size set of
// the screen, the standard screen and Summary Style 3, the players grid's
// place, the fixed panels on resize, the background colours and the window
// mode.
class DisplayLayout : public QObject {
    Q_OBJECT
public:
    DisplayLayout(DisplayLayoutWindow window, QObject* parent);

    // The width of the screen the window is on, in twips, that chooses the
    // size set; tests put their own.
    std::function<int()> screenWidthTwips;

    // The size set, chosen by AdjustForScreenRes.
    SizeSet sizes;
    // Where the standard screen's chip and payout column ends (twips), as
    // its fonts and texts made it at the last full layout.
    int mChipColumnRight = 0;

    void AdjustForScreenRes();
    void AdjustGridDisplays();
    // mintPlayerGridFontSize for the players layout in force.
    void SetPlayerGridFontSize();
    void AdjustChipsAndPayoutsFontAll();
    void AdjustChipsFontBasic();
    void SetScreenAll();
    void SetScreenBasic();
    void Form_Resize();
    void SetColors();
    void SetScreenSize();
    // Shows the window as it opens: full screen, or else maximised on its
    // screen, so that a projector shows the display whole.
    void ShowOpening();
    // Where the display ends, in pixels of the window.
    int DisplayBottom() const;

private:
    MainLayoutInput layoutInput() const;
    // Summary Style 3's chip column, right of the centre, ends above the
    // toolbar at its first place.
    MainLayoutInput basicLayoutInput() const;
    void apply(const MainLayout& l);
    void setDefaultLooks();

    DisplayLayoutWindow w;
};
