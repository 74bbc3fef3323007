#pragma once

#include <QString>
#include <vector>

// One row of the tournament window's pop-up menus.
struct MenuEntry {
    enum class Kind { Action, Separator, SubMenu };
    QString Menu; // the menu holding the row (a sub-menu's own name for its rows)
    Kind Type = Kind::Action;
    QString Entry; // action or sub-menu name; empty for a separator
    QString Caption; // with its access-key marker; "&&" is a literal "&"
    QString Key; // the shortcut the row shows, "" for none
};

// The tournament window's pop-up menus, each entry in menu order: eight
// menus and the export menu's sub-menu, whose rows follow the export menu's.
const std::vector<MenuEntry>& MainMenuCatalogue();

// The one entry that shows a key it does not answer: the key opens the
// set-up at its first page, this entry opens the clock page.
inline const QString KeyShownOnly = QStringLiteral("mnAdjustClockSettings");
