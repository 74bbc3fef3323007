#include "gui/floor/SeatPickers.h"

#include "core/platform/Prompter.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

const SeatPicker::Texts frmTables {
    "frmTables",
    "Tables",
    "Select Table to Eliminate/Condense.",
    "lstTables",
    "",
    "Players at this table will be assigned new seats at other tables with available seats.",
    "OK",
    "Please select a table."};
const SeatPicker::Texts frmOpenSeats {"frmOpenSeats",
                                      "Open Seats",
                                      "Move Player to Open Seat",
                                      "lstSeats",
                                      "Table-Seat",
                                      "",
                                      "Move Player",
                                      "Please select an available seat."};
const SeatPicker::Texts frmPlayerList {
    "frmPlayerList",          "Select Player", "Move Player to Open Seat", "lstPlayers", "", "", "OK",
    "Please select a player."};

namespace {

QLabel* label(const char* text, QWidget* parent)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setWordWrap(true);
    return l;
}

} // namespace

SeatPicker::SeatPicker(const Texts& texts, const QStringList& items, QWidget* parent)
    : QDialog(parent)
    , list(new QListWidget(this))
    , mNothing(QString::fromUtf8(texts.Nothing))
{
    setObjectName(QString::fromLatin1(texts.Name));
    setWindowTitle(QString::fromUtf8(texts.Caption));
    setModal(true);
    list->setObjectName(QString::fromLatin1(texts.ListName));
    list->addItems(items);

    auto* ok = new QPushButton(QString::fromUtf8(texts.OkCaption), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &SeatPicker::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list, &QListWidget::itemDoubleClicked, this, &SeatPicker::cmdOK_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label(texts.Heading, this));
    if (*texts.ListHeading)
        layout->addWidget(label(texts.ListHeading, this));
    layout->addWidget(list);
    if (*texts.Note)
        layout->addWidget(label(texts.Note, this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

int SeatPicker::ListIndex() const
{
    return list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
}

void SeatPicker::cmdOK_Click()
{
    if (ListIndex() < 0) {
        prompter().message(mNothing);
        return;
    }
    mbOKed = true;
    accept();
}

std::optional<int> PickFrom(const SeatPicker::Texts& texts, const QStringList& items, QWidget* parent)
{
    SeatPicker picker(texts, items, parent);
    picker.exec();
    if (!picker.mbOKed)
        return std::nullopt;
    return picker.ListIndex();
}
