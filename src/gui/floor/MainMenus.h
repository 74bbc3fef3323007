#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <stdexcept>

class QAction;
class QMenu;
class QWidget;

// The tournament window's pop-up menus and keys. Every menu entry is a
// QAction named after it, built from the menu catalogue; the window holds
// every action too, so a shortcut works while the menus are closed and acts
// once. Ctrl+S is a key of the window of its own (the set-up at its first
// page); the clock menu only shows it.
class MainMenus : public QObject {
    Q_OBJECT
public:
    explicit MainMenus(QWidget* window);

    // The entry or menu of that name; a name the catalogue lacks raises
    // MissingMenuEntry, in every build.
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;

    // The window's own key for the set-up's first page.
    QAction* SettingsKey = nullptr;

private:
    QHash<QString, QAction*> mActions;
    QHash<QString, QMenu*> mMenus;
};

// A name the window looks up that no menu holds: the code and the menu
// catalogue no longer match. Raised where the window is made (or where the
// command runs), so a misspelt name can never leave a command unconnected.
class MissingMenuEntry : public std::logic_error {
public:
    explicit MissingMenuEntry(const QString& name);
};

// The keys an action answers for the key its menu shows. A function key
// answers with any mix of Shift, Alt and Ctrl except Ctrl alone; a letter
// only with Ctrl alone.
QList<QKeySequence> ShortcutsFor(const QString& key);
