#include "gui/display/frmDisplay.h"

#include "core/display/RotationOptions.h"
#include "core/platform/Prompter.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/ListFillers.h"
#include "gui/display/DialogParts.h"
#include "gui/display/ScreenObjectStyler.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* PhaseCaptions[][2] = {
    {"Label1", "Prior to Starting"},
    {"Label4", "During the Tournament"},
    {"Label5", "During Breaks"},
    {"Label6", "After the Tournament"},
};

} // namespace

frmDisplay::frmDisplay(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Display Settings"));
    setModal(true);

    Frame5 = new QGroupBox(QStringLiteral("Screens to Include in Rotation"), this);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    auto* lists = new QGridLayout(Frame5);
    for (int p = 0; p < RotationPhaseCount; ++p) {
        lists->addWidget(
            NamedLabel(Frame5, QString::fromLatin1(PhaseCaptions[p][0]), QString::fromLatin1(PhaseCaptions[p][1])), 0,
            p);
        lstScreens[p] = new QListWidget(Frame5);
        lstScreens[p]->setObjectName(QStringLiteral("lstScreens(%1)").arg(p));
        lstScreens[p]->setSelectionMode(QAbstractItemView::MultiSelection);
        lists->addWidget(lstScreens[p], 1, p);
    }

    auto* seconds = new QHBoxLayout;
    seconds->addWidget(NamedLabel(this, QStringLiteral("Label2"), QStringLiteral("Rotate Screens every")));
    txtSeconds = new QLineEdit(this);
    txtSeconds->setObjectName(QStringLiteral("txtSeconds"));
    txtSeconds->setMaximumWidth(txtSeconds->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    seconds->addWidget(txtSeconds);
    seconds->addWidget(NamedLabel(this, QStringLiteral("Label3"), QStringLiteral("seconds")));
    seconds->addStretch();

    auto* all = new QVBoxLayout(this);
    all->addWidget(Frame5);
    all->addLayout(seconds);
    all->addLayout(OkCancelRow(this, cmdOK, cmdCancel));

    connect(cmdOK, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDisplay::cmdCancel_Click);
    Form_Load();
    // All sixteen screens of every phase show at once.
    for (QListWidget* list : lstScreens)
        ShowEveryRow(list);
}

void frmDisplay::Form_Load()
{
    const ProgramSettings& s = programSettings();
    for (int p = 0; p < RotationPhaseCount; ++p) {
        QListWidget* list = lstScreens[p];
        FillScreenCombo(list, false);
        for (int r = 0; r < list->count(); ++r) {
            const int screen = list->item(r)->data(Qt::UserRole).toInt();
            list->item(r)->setSelected(s.gintRotationMatrix[p][screen] != 0);
        }
    }
    txtSeconds->setText(QString::number(s.gintSecondsForRotation));
}

void frmDisplay::cmdOK_Click()
{
    const std::optional<Integer> seconds = RotationSecondsFromText(txtSeconds->text());
    if (!seconds) {
        prompter().message(QString::fromLatin1(RotationSecondsRefused));
        return;
    }
    RotationTable matrix {};
    for (int p = 0; p < RotationPhaseCount; ++p) {
        for (const QListWidgetItem* item : lstScreens[p]->selectedItems())
            matrix[p][item->data(Qt::UserRole).toInt()] = 1;
    }
    if (FirstPhaseWithoutScreen(matrix)) {
        prompter().message(QString::fromLatin1(RotationListEmpty));
        return;
    }
    StoreRotationOptions(programSettings(), *seconds, matrix);
    applied(*seconds * 1000);
    accept();
}

void frmDisplay::cmdCancel_Click() { reject(); }
