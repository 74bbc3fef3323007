#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/BoundedArray.h"
#include "core/store/ListItems.h"

#include <QList>
#include <QString>
#include <QVariant>

class Database;
class Prompter;

// What kind of element a screen object styles, and so what applying it sets.
enum ScreenObjectKind : Long {
    KindCaptionLabel = 0, // caption text, colour and font
    KindValueLabel = 1, // colour and font; the program writes the text
    KindGrid = 2, // colour, font and the colour of the fixed rows and columns
    KindSeatChart = 3, // font only: the chart colours its cells itself
    KindRichText = 4, // the whole text re-coloured, fonts untouched
};

// The default font sizes of the display, large or small by the screen width.
struct ScreenFontSizes {
    Integer mintPlayerGridOneColumnDefautFontSize = 30;
    Integer mintPlayerGridTwoColumnDefautFontSize = 20;
    Integer mintFontLabel = 28;
    Integer mintFontValue = 48;
    Integer mintFontSummaryLabel = 26;
    Integer mintFontBuyinValue = 36;
    Integer mintFontSummaryValue = 44;
    Integer mintFontSummary2Label = 24;
    Integer mintFontSummary2Value = 30;
    Integer mintFontSummary2Big = 60;
    Integer mintFontSummary3Label = 48;
    Integer mintFontSummary3Chips = 70;
    Integer mintFontSummary3Value = 90;
    Integer mintPayoutsGridFontSize = 32;
    Integer mintListGridFontSize = 22;
    Integer mintSeatChartFontSize = 16;
    Integer mintPlayerGridFontSize = 20; // the one- or two-column size of the players layout in force

    // The players grid's default size in a layout (PlayerDisplay 1: one
    // player per row).
    Integer PlayerGridDefaultFontSize(Long PlayerDisplay) const
    {
        return PlayerDisplay == 1 ? mintPlayerGridOneColumnDefautFontSize : mintPlayerGridTwoColumnDefautFontSize;
    }
};

// The large set (screens wider than 12000 twips) or the small one, with the
// players-grid size of the layout (PlayerDisplay 1: one player per row).
ScreenFontSizes ScreenFontSizesFor(bool Large, Long PlayerDisplay);

// One styled element of the display. The control is named by its object
// name and, for an element of a control array, its index in the array, so
// the table stays plain data.
struct ScreenObject {
    QString Description; // key of its tblFont row
    QString ControlName;
    int ControlIndex = -1; // -1: the control is no array element
    Long Kind = KindCaptionLabel;
    Long Screen = 0;
    bool AllScreens = false; // also on every screen but Summary Style 3
    QString LabelText;
    QVariant FontColor; // a colour number, or its digits as read back
    QString FontName;
    bool FontBold = true;
    bool FontItalic = false;
    Integer FontSize = 0;
    QVariant HeaderColor; // empty text for entries that are no grids
    bool Loaded = false;
    QString DefaultLabelText;
    QVariant DefaultFontColor;
    QString DefaultFontName;
    bool DefaultFontBold = true;
    bool DefaultFontItalic = false;
    Integer DefaultFontSize = 0;
    QVariant DefaultHeaderColor;
    bool IsArrayItem = false; // the array's elements share the look of element 0
    Integer ArrayIndex = 0;

    // "lblTimer", or "lblChipAmount(3)" for an array element.
    QString ControlObjectName() const;
};

// The current look becomes the built-in one; control and database untouched.
void ResetScreenObjectFont(ScreenObject& Entry);

// The screen-object table, in registration order from 1. Later entries win
// on a control they share with earlier ones, and the other elements of a
// control array follow its first element directly.
class ScreenObjectTable {
public:
    BoundedArray<ScreenObject> gtypScreenObjects;
    Integer gintScreenObjectCount() const { return static_cast<Integer>(gtypScreenObjects.count()); }
    Integer gintPlayersGridObject = 0;
    Integer gintRulesObject = 0;
    Integer gintCustomMessageObject = 0;

    // Empties the table.
    void clear();

    // Registers the whole catalogue with the defaults of the size set and the
    // looks stored in tblFont. A stored field that cannot be used takes its
    // default; a tblFont that cannot be read gives every entry its defaults
    // and one message with the engine's text.
    void LoadScreenObjects(Database& db, const ScreenFontSizes& Sizes, Prompter& prompts);

    // The entries that style a screen, in table order: Summary Style 3 takes
    // its own only; every other screen its own and the all-screens ones.
    QList<Integer> ScreenObjectsOf(Long ScreenId) const;

    // When Index is the first element of a control array, gives the array's
    // other elements its look and returns them; else nothing.
    QList<Integer> CopyArrayLook(Integer Index);

    // Writes one entry to its tblFont row (a new row the first time), or
    // several entries in one transaction: all are written or none.
    void SaveScreenObjectFont(Database& db, Integer Index) const;
    void SaveScreenObjectFonts(Database& db, const QList<Integer>& Indexes) const;

    // The index of the entry with this description, 0 when none.
    Integer IndexOf(const QString& Description) const;
};

// The program's screen-object table; built when the tournament window loads.
ScreenObjectTable& screenObjects();

// The sixteen screens as the fonts editor and the rotation dialog list them,
// the screen's id as item data. AllFields names the first item for the
// common fields.
QList<ListItem> ScreenComboItems(bool AllFields);
