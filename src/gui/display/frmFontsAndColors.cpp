#include "gui/display/frmFontsAndColors.h"

#include "core/display/FontsEditor.h"
#include "core/display/ScreenObjects.h"
#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/CommandButton.h"
#include "gui/controls/ListFillers.h"
#include "gui/display/DialogParts.h"
#include "gui/display/ScreenObjectStyler.h"
#include "gui/platform/BusyPointer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmColor::frmColor(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmColor"));
    setWindowTitle(QStringLiteral("Properties"));
    setModal(true);
    txtLabel = new QLineEdit(this);
    txtLabel->setObjectName(QStringLiteral("txtLabel"));
    txtLabel->setMinimumWidth(txtLabel->fontMetrics().averageCharWidth() * 40);
    auto* row = new QHBoxLayout;
    row->addWidget(NamedLabel(this, QStringLiteral("Label1"), QStringLiteral("Label")));
    row->addWidget(txtLabel);
    auto* all = new QVBoxLayout(this);
    all->addLayout(row);
    all->addLayout(OkCancelRow(this, cmdOK, cmdCancel));
    connect(cmdOK, &QPushButton::clicked, this, &frmColor::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmColor::cmdCancel_Click);
}

void frmColor::cmdOK_Click()
{
    mbOKed = true;
    accept();
}

void frmColor::cmdCancel_Click() { QDialog::reject(); }

frmFontsAndColors::frmFontsAndColors(FontsEditorWindow window, QWidget* parent)
    : QDialog(parent)
    , mWindow(std::move(window))
{
    setObjectName(QStringLiteral("frmFontsAndColors"));
    setWindowTitle(QStringLiteral("Appearance Settings"));
    setModal(true);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    cmbScreen = new QComboBox(frame);
    cmbScreen->setObjectName(QStringLiteral("cmbScreen"));
    lstItems = new QListWidget(frame);
    lstItems->setObjectName(QStringLiteral("lstItems"));
    cmdFont = CommandButton(frame, QStringLiteral("cmdFont"), QStringLiteral("&Font..."));
    cmdEdit = CommandButton(frame, QStringLiteral("cmdEdit"), QStringLiteral("&Label..."));
    cmdColor = CommandButton(frame, QStringLiteral("cmdColor"), QStringLiteral("&Text Color..."));
    cmdHeaderColor = CommandButton(frame, QStringLiteral("cmdHeaderColor"), QStringLiteral("&Header Color..."));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(NamedLabel(frame, QStringLiteral("Label1"), QStringLiteral("Screen")), 0, 0);
    grid->addWidget(cmbScreen, 0, 1);
    grid->addWidget(lstItems, 1, 0, 4, 2);
    int row = 1;
    for (QPushButton* b : {cmdFont, cmdEdit, cmdColor, cmdHeaderColor})
        grid->addWidget(b, row++, 2);

    cmdReset = CommandButton(this, QStringLiteral("cmdReset"), QStringLiteral("Reset to Defaults"));
    QHBoxLayout* buttons = OkCancelRow(this, cmdOK, cmdCancel);
    buttons->insertWidget(0, cmdReset);
    auto* all = new QVBoxLayout(this);
    all->addWidget(frame);
    all->addLayout(buttons);

    connect(cmbScreen, &QComboBox::currentIndexChanged, this, &frmFontsAndColors::cmbScreen_Click);
    connect(lstItems, &QListWidget::currentRowChanged, this, &frmFontsAndColors::lstItems_Click);
    connect(cmdFont, &QPushButton::clicked, this, &frmFontsAndColors::cmdFont_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmFontsAndColors::cmdEdit_Click);
    connect(cmdColor, &QPushButton::clicked, this, &frmFontsAndColors::cmdColor_Click);
    connect(cmdHeaderColor, &QPushButton::clicked, this, &frmFontsAndColors::cmdHeaderColor_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmFontsAndColors::cmdReset_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmFontsAndColors::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFontsAndColors::cmdCancel_Click);
    Form_Load();
}

void frmFontsAndColors::Form_Load()
{
    mbRotating = mWindow.RotationTicked();
    if (mbRotating)
        programSettings().gintRotateScreens = 0;
    FillScreenCombo(cmbScreen, true);
    cmbScreen->setCurrentIndex(0);
}

void frmFontsAndColors::cmbScreen_Click()
{
    for (QPushButton* b : {cmdHeaderColor, cmdColor, cmdEdit, cmdFont})
        b->setEnabled(false);
    const Long screen = cmbScreen->currentData().toInt();
    const ScreenObjectTable& table = screenObjects();
    {
        const QSignalBlocker quiet(lstItems);
        lstItems->clear();
        for (const Integer i : EditorEntries(table, screen)) {
            auto* item = new QListWidgetItem(table.gtypScreenObjects[i].Description, lstItems);
            item->setData(Qt::UserRole, int(i));
        }
    }
    mWindow.SwitchView(screen);
    if (lstItems->count() > 0)
        lstItems->setCurrentRow(0);
}

Integer frmFontsAndColors::selectedEntry() const
{
    const QListWidgetItem* item = lstItems->currentItem();
    return item ? static_cast<Integer>(item->data(Qt::UserRole).toInt()) : 0;
}

void frmFontsAndColors::lstItems_Click()
{
    const Integer index = selectedEntry();
    if (index < 1)
        return;
    const EditorButtons on = EditorButtonsFor(screenObjects().gtypScreenObjects[index].Kind);
    cmdFont->setEnabled(on.Font);
    cmdColor->setEnabled(on.Color);
    cmdHeaderColor->setEnabled(on.HeaderColor);
    cmdEdit->setEnabled(on.Label);
}

void frmFontsAndColors::applyEntry(Integer index)
{
    ScreenObjectTable& table = screenObjects();
    ApplyAllScreenObjectFonts(mWindow.Window, table, index);
    ApplyScreenObjectFont(mWindow.Window, table.gtypScreenObjects[index]);
}

void frmFontsAndColors::showResized(Integer index)
{
    applyEntry(index);
    // The screen is laid out again, so that the control is measured with
    // its new font or caption rather than clipped to its old size.
    mWindow.SwitchView(cmbScreen->currentData().toInt());
}

void frmFontsAndColors::cmdEdit_Click()
{
    const Integer index = selectedEntry();
    if (index < 1)
        return;
    ScreenObject& e = screenObjects().gtypScreenObjects[index];
    frmColor box(this);
    box.txtLabel->setText(e.LabelText);
    box.exec();
    if (!box.mbOKed)
        return;
    e.LabelText = box.txtLabel->text();
    showResized(index);
}

void frmFontsAndColors::cmdFont_Click()
{
    const Integer index = selectedEntry();
    if (index < 1)
        return;
    ScreenObject& e = screenObjects().gtypScreenObjects[index];
    const std::optional<FontChoice> chosen
        = prompter().chooseFont({e.FontName, double(e.FontSize), e.FontBold, e.FontItalic});
    if (!chosen)
        return;
    const std::optional<Integer> size = EditorFontSize(chosen->Size);
    if (!size) {
        prompter().message(FontSizeRefusal());
        return;
    }
    e.FontSize = *size;
    e.FontName = chosen->Name;
    e.FontBold = chosen->Bold;
    e.FontItalic = chosen->Italic;
    showResized(index);
}

void frmFontsAndColors::pickColor(QVariant ScreenObject::*member)
{
    const Integer index = selectedEntry();
    if (index < 1)
        return;
    ScreenObject& e = screenObjects().gtypScreenObjects[index];
    if (const std::optional<quint32> chosen = prompter().chooseColor(OleColorFromVariant(e.*member, 0))) {
        e.*member = QVariant(qlonglong(*chosen));
        applyEntry(index);
    }
}

void frmFontsAndColors::cmdColor_Click() { pickColor(&ScreenObject::FontColor); }

void frmFontsAndColors::cmdHeaderColor_Click() { pickColor(&ScreenObject::HeaderColor); }

void frmFontsAndColors::cmdReset_Click()
{
    ScreenObjectTable& table = screenObjects();
    for (Integer i = 1; i <= table.gintScreenObjectCount(); ++i) {
        ResetScreenObjectFont(table.gtypScreenObjects[i]);
        applyEntry(i);
    }
    mWindow.SwitchView(cmbScreen->currentData().toInt());
}

void frmFontsAndColors::cmdOK_Click()
{
    const ScreenObjectTable& table = screenObjects();
    QList<Integer> all;
    for (Integer i = 1; i <= table.gintScreenObjectCount(); ++i)
        all.append(i);
    // All rows or none: a failure leaves tblFont as it was and the dialog open.
    const bool saved = ReportFailures([&table, &all] {
        BusyPointer busy;
        table.SaveScreenObjectFonts(gobjDatabase(), all);
    });
    if (!saved)
        return;
    Form_Unload();
    accept();
}

void frmFontsAndColors::cmdCancel_Click()
{
    mWindow.LoadScreenObjects();
    Form_Unload();
    QDialog::reject();
}

void frmFontsAndColors::reject() { cmdCancel_Click(); }

void frmFontsAndColors::Form_Unload()
{
    if (mbClosed)
        return;
    mbClosed = true;
    if (mbRotating) {
        programSettings().gintRotateScreens = 1;
        mWindow.ResetDisplayTimer();
    }
}
