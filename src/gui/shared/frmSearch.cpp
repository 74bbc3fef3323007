#include "gui/shared/frmSearch.h"

#include "gui/shared/HomeWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmSearch::frmSearch(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Player Search"));
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Enter the first few letters of the player name you are looking for..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    layout->addWidget(Label1);
    layout->addWidget(txtSearch);
    layout->addLayout(OkCancelRow(this, cmdOK, QStringLiteral("OK"), cmdCancel));
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        mbOKed = true;
        accept();
    });
    setMinimumWidth(360);
}
