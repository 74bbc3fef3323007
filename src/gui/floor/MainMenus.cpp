#include "gui/floor/MainMenus.h"

#include "core/floor/MainMenuCatalogue.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

QList<QKeySequence> ShortcutsFor(const QString& key)
{
    if (key.isEmpty())
        return {};
    const QKeySequence main(key);
    if (!key.startsWith(u'F'))
        return {main};
    const QKeyCombination base = main[0];
    QList<QKeySequence> keys;
    for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
                                       Qt::KeyboardModifiers(Qt::AltModifier), Qt::ShiftModifier | Qt::AltModifier,
                                       Qt::ControlModifier | Qt::ShiftModifier, Qt::ControlModifier | Qt::AltModifier,
                                       Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier})
        keys << QKeySequence(QKeyCombination(mods, base.key()));
    return keys;
}

MainMenus::MainMenus(QWidget* window)
    : QObject(window)
{
    setObjectName(QStringLiteral("MainMenus"));
    auto menuNamed = [this, window](const QString& name) {
        QMenu*& m = mMenus[name];
        if (!m) {
            m = new QMenu(window);
            m->setObjectName(name);
        }
        return m;
    };
    for (const MenuEntry& e : MainMenuCatalogue()) {
        QMenu* m = menuNamed(e.Menu);
        switch (e.Type) {
        case MenuEntry::Kind::Separator:
            m->addSeparator();
            break;
        case MenuEntry::Kind::SubMenu: {
            QMenu* sub = menuNamed(e.Entry);
            sub->setTitle(e.Caption);
            m->addMenu(sub);
            break;
        }
        case MenuEntry::Kind::Action: {
            auto* a = new QAction(m);
            a->setObjectName(e.Entry);
            if (e.Entry == KeyShownOnly) {
                a->setText(e.Caption + u'\t' + e.Key);
            } else {
                a->setText(e.Caption);
                a->setShortcuts(ShortcutsFor(e.Key));
                a->setShortcutContext(Qt::WindowShortcut);
            }
            m->addAction(a);
            window->addAction(a);
            mActions.insert(e.Entry, a);
            break;
        }
        }
    }
    action(QStringLiteral("mnRotate"))->setCheckable(true);
    for (QAction* a : menu(QStringLiteral("mnPopup"))->actions())
        if (!a->isSeparator() && a->objectName().startsWith(QLatin1String("mnView")))
            a->setCheckable(true);

    SettingsKey = new QAction(window);
    SettingsKey->setObjectName(QStringLiteral("keySettings"));
    SettingsKey->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    SettingsKey->setShortcutContext(Qt::WindowShortcut);
    window->addAction(SettingsKey);
}

QAction* MainMenus::action(const QString& name) const
{
    QAction* a = mActions.value(name);
    if (!a)
        throw MissingMenuEntry(name);
    return a;
}

QMenu* MainMenus::menu(const QString& name) const
{
    QMenu* m = mMenus.value(name);
    if (!m)
        throw MissingMenuEntry(name);
    return m;
}

MissingMenuEntry::MissingMenuEntry(const QString& name)
    : std::logic_error(
        QStringLiteral("The tournament window's menus hold nothing named \"%1\".").arg(name).toStdString())
{
}
