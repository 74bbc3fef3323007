#include "gui/home/HomeWidgets.h"

#include "gui/controls/ctlButton.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

namespace {

// A pale blue, so the flat buttons stand out from the window.
constexpr OleColor HomeButtonColor = 0x00F5E6D6;

} // namespace

ctlButton* HomeButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new ctlButton(parent);
    b->setObjectName(name);
    b->setCaption(caption);
    b->setBackColor(HomeButtonColor);
    b->setFixedSize(150, 30);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QPushButton* CommandButton(QDialog* dialog, const QString& name, const QString& caption, bool isDefault)
{
    auto* b = new QPushButton(caption, dialog);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(isDefault);
    return b;
}

int RowKey(const QListWidget* list, int row)
{
    const QListWidgetItem* item = row < 0 ? nullptr : list->item(row);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}
