#include "core/setup/Checklist.h"

QString TableSizeMessage() { return QStringLiteral("Players per table must be at least 1."); }

QString buildChecklist(const QString& name, const QString& date, long players, long tableSize,
                       const QList<ChecklistChip>& chips)
{
    if (tableSize < 1)
        return QString();
    const long tables = players / tableSize + (players % tableSize != 0 ? 1 : 0);
    QString text;
    auto line = [&text](const QString& s = QString()) { text += s + QStringLiteral("\r\n"); };
    auto chipLines = [&](long times) {
        for (const ChecklistChip& c : chips)
            if (c.ColorIndex > 0 && c.CountPerPlayer > 0)
                line(QString(10, u' ') + QString::number(times * c.CountPerPlayer) + u' ' + c.ColorName);
    };

    line(QStringLiteral("Tournament Checklist for"));
    line(name);
    line(date);
    line();
    line(QStringLiteral("___ %1 tables").arg(tables));
    line();
    line(QStringLiteral("___ %1 chairs").arg(players));
    line();
    line(QStringLiteral("___ %1 decks of cards").arg(tables));
    line();
    line(QStringLiteral("___ Total number of chips by color as follows:"));
    chipLines(players);
    line();
    line(QStringLiteral("___ %1 sets of buyin chip stacks counted as follows:").arg(players));
    chipLines(1);
    line();
    line(QStringLiteral("___ Number/letter printouts for labeling tables and chairs"));
    line();
    line(QStringLiteral("___ Snacks and drinks"));
    return text;
}
