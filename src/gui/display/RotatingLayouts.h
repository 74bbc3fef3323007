#pragma once

#include "core/display/ScreenLayouts.h"
#include "core/platform/ModelTypes.h"

#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <functional>

struct DisplayPanels;
class DisplayLayout;
class FlexGrid;
class QLabel;
class QWidget;
class ScreenController;
class ScreenRefresher;

// What the rotating layouts read and call of the tournament window.
struct RotatingLayoutsWindow {
    QWidget& window; // its width
    DisplayPanels& display;
    QWidget* frameCommands; // the command row: the screens end above it
    DisplayLayout* layout; // the size set and the chip column
    ScreenController* screens;
    ScreenRefresher* refresher; // fills the summaries before they are measured
};

// Places the rotating screens of the tournament window: each screen's own
// panel laid out for the window's size, and every panel put into the players
// grid's rectangle. The arithmetic is the core's; this part measures the
// labels once their fonts and texts are set and applies the result. Each
// panel's contents are laid out against the rectangle the panel ends up in,
// so a resize or a wider frame on the screen before never leaves them off.
class RotatingLayouts : public QObject {
    Q_OBJECT
public:
    RotatingLayouts(RotatingLayoutsWindow window, QObject* parent);

    void SetScreenSummary();
    void SetScreenSummary4();
    void SetScreenSummary5();
    void SetScreenSummary2();
    void SetScreenCustomPicture();
    void SetScreenBuyin();
    void SetScreenPayouts();
    void SetScreenAwards();
    void SetScreenKills();
    void SetScreenChipCount();
    void SetScreenTables();
    void SetRotatingScreenLocations();

    // The layout method of a screen; screens without one are left alone.
    void LayoutScreen(Long screen);

    // The folder picture shown last (its name without the folder).
    QString mstrLastCustomPicture;

private:
    RotatingInput input() const;
    RotatingLayout locations() const { return RotatingScreenLocations(input()); }
    // The six pairs' sizes, each label made to fit its room in the frame
    // of the summary style.
    SummaryPairs measureSummary(int style, int frameWidth);
    void applySummary(const SummaryLayout& l, bool withTotalBuy);
    void hideChipsAndPayouts();
    void layoutGrid(FlexGrid* grid, GridScreen kind, QRect RotatingLayout::*place, long cols = 0);
    // Column widths for the grid's inner width, then the font that lets its
    // texts read whole in them.
    void fitColumns(FlexGrid* grid, const std::function<QList<int>(int innerWidth)>& widthsFor);
    // The font and widths at which the names read whole, from startPoints
    // down (0: the grid's own size): widthsFor gives the columns' widths for
    // what their texts need (with spareChars of a character beyond the
    // cell's margins) and the grid's inner width, in twips.
    using NameWidths = std::function<QList<int>(const QList<int>& needs, int innerWidth)>;
    void fitNameColumns(FlexGrid* grid, const NameWidths& widthsFor, int startPoints = 0, qreal spareChars = 0.25);
    // Fits the grid's columns to its inner width, again while a font that
    // fits brings a vertical scroll bar or takes it away.
    void fitWithin(FlexGrid* grid, const std::function<void(long innerWidth)>& fitTo);
    // Loads a picture file (its first image) into the picture control.
    bool loadPicture(const QString& path);
    // Tells the director, once for each file, that a picture cannot be read.
    void reportUnreadable(const QString& path, const QString& reason);

    RotatingLayoutsWindow w;
    QPixmap mDefaultPicture;
    QSize mPictureTwips; // the picture as loaded
    QSet<QString> mReportedPictures; // files found unreadable, already told
};
