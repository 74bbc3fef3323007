#include "gui/shared/HomeWidgets.h"

#include "gui/controls/CommandButton.h"
#include "gui/controls/ctlButton.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
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

QHBoxLayout* OkCancelRow(QDialog* dialog, QPushButton*& cmdOK, const QString& okCaption, QPushButton*& cmdCancel,
                         bool okIsDefault)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    cmdOK = CommandButton(dialog, QStringLiteral("cmdOK"), okCaption, okIsDefault);
    cmdCancel = CommandButton(dialog, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    row->addWidget(cmdOK);
    row->addWidget(cmdCancel);
    QObject::connect(cmdCancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return row;
}

QComboBox* HomeDropDown(QWidget* parent, const QString& name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setMinimumWidth(200);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

int RowKey(const QListWidget* list, int row)
{
    const QListWidgetItem* item = row < 0 ? nullptr : list->item(row);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}
