#include "gui/controls/ListFillers.h"

#include "core/platform/Database.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

void ListControl::fill(const QList<ListItem>& items) const
{
    if (m_combo) {
        const QSignalBlocker blocker(m_combo);
        m_combo->clear();
        for (const ListItem& item : items)
            m_combo->addItem(item.Text, QVariant(static_cast<int>(item.ItemData)));
        m_combo->setCurrentIndex(-1);
    } else if (m_list) {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const ListItem& item : items) {
            auto* entry = new QListWidgetItem(item.Text, m_list);
            entry->setData(Qt::UserRole, QVariant(static_cast<int>(item.ItemData)));
        }
        m_list->setCurrentRow(-1);
        m_list->clearSelection();
    }
}

Long SelectedKey(const QComboBox* list) { return list->currentIndex() < 0 ? 0 : list->currentData().toInt(); }

void FillLeagueCombo(ListControl control) { control.fill(LeagueListItems(gobjDatabase())); }

void FillTournamentCombo(ListControl control, Long LeagueID, bool NewestFirst)
{
    control.fill(TournamentListItems(gobjDatabase(), LeagueID, NewestFirst));
}

void FillPlayersNotInLeague(ListControl control, Long LeagueID)
{
    control.fill(PlayersNotInLeagueItems(gobjDatabase(), LeagueID));
}
