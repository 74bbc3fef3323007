#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/ListItems.h"

class QComboBox;
class QListWidget;

// A combo box or a list box to be filled with list items. Either kind is
// accepted wherever a ListControl is asked for.
class ListControl {
public:
    ListControl(QComboBox* combo)
        : m_combo(combo)
    {
    }
    ListControl(QListWidget* list)
        : m_list(list)
    {
    }

    // Clears the control and adds one entry per item, the item's key as its
    // data (QComboBox::itemData as int; QListWidgetItem::data(Qt::UserRole)
    // as int). No entry is selected afterwards; the control raises no signals
    // of its own while it is filled, so handlers run only when the caller
    // chooses an entry.
    void fill(const QList<ListItem>& items) const;

private:
    QComboBox* m_combo = nullptr;
    QListWidget* m_list = nullptr;
};

// The key of a drop-down's chosen entry; 0 with none chosen.
Long SelectedKey(const QComboBox* list);

// Fill the control from the program's database (gobjDatabase()).
// Every league, by name.
void FillLeagueCombo(ListControl control);
// The tournaments of a league, every league's for LeagueID 0; see
// TournamentListItems for the orders.
void FillTournamentCombo(ListControl control, Long LeagueID, bool NewestFirst);
// The players who are not members of the league, by name.
void FillPlayersNotInLeague(ListControl control, Long LeagueID);
