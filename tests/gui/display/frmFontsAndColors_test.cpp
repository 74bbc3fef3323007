#include "gui/display/frmFontsAndColors.h"

#include "core/display/FontsEditor.h"
#include "core/display/ScreenObjects.h"
#include "gui/display/ScreenController.h"
#include "gui/floor/FloorCommands.h"
#include "gui/platform/MessagePrompter.h"

#include "MainWindowFixture.h"
#include "WindowTestHelpers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

class frmFontsAndColorsTest : public TournamentWindowFixture {
protected:
    void TearDown() override
    {
        editor.reset();
        TournamentWindowFixture::TearDown();
    }
    void open() { editor.reset(parts(w).commands->NewFontsEditor()); }
    QStringList listed() const
    {
        QStringList texts;
        for (int r = 0; r < editor->lstItems->count(); ++r)
            texts << editor->lstItems->item(r)->text();
        return texts;
    }
    void choose(Long screenId) { editor->cmbScreen->setCurrentIndex(editor->cmbScreen->findData(int(screenId))); }
    void select(const char* description)
    {
        editor->lstItems->setCurrentRow(int(listed().indexOf(QString::fromLatin1(description))));
    }
    EditorButtons buttons() const
    {
        return {editor->cmdFont->isEnabled(), editor->cmdColor->isEnabled(), editor->cmdHeaderColor->isEnabled(),
                editor->cmdEdit->isEnabled()};
    }
    ScreenObject& entry(const char* description)
    {
        ScreenObjectTable& t = screenObjects();
        return t.gtypScreenObjects[t.IndexOf(QString::fromLatin1(description))];
    }
    QColor textColor(const char* control) const
    {
        return control_<QWidget>(control)->palette().color(QPalette::WindowText);
    }
    template <typename T>
    T* control_(const char* name) const
    {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    int storedRows() { return db.query(QStringLiteral("SELECT FontID FROM tblFont")).recordCount(); }
    // Answers the next "Properties" box with a caption, or cancels it.
    void answerLabel(std::optional<QString> caption)
    {
        QTimer::singleShot(0, w.data(), [caption] {
            auto* box = qobject_cast<frmColor*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (caption) {
                box->txtLabel->setText(*caption);
                QTest::mouseClick(box->cmdOK, Qt::LeftButton);
            } else {
                QTest::mouseClick(box->cmdCancel, Qt::LeftButton);
            }
        });
    }

    std::unique_ptr<frmFontsAndColors> editor;
};

} // namespace

TEST_F(frmFontsAndColorsTest, OpensOnThePlayersScreenWithRotationHeldUntilClosed)
{
    for (const bool rotating : {true, false}) {
        programSettings().gintRotateScreens = rotating ? 1 : 0;
        action("mnRotate")->setChecked(rotating);
        w->SwitchView(3);
        open();
        EXPECT_EQ(editor->windowTitle(), "Appearance Settings");
        EXPECT_EQ(editor->cmbScreen->currentText(), "Players/Common Fields on Non-Summary Screens");
        EXPECT_EQ(screen(), 0);
        EXPECT_EQ(editor->lstItems->currentItem()->text(), "Level Indicator");
        EXPECT_EQ(buttons(), (EditorButtons {true, true, false, false}));
        const QStringList items = listed();
        EXPECT_TRUE(items.contains("Players Grid") && items.contains("Chip Amount"));
        for (const char* hidden : {"Chip Amount 1", "Chip Amount 9", "Place 2", "Payout 5"})
            EXPECT_FALSE(items.contains(QString::fromLatin1(hidden))) << hidden;
        EXPECT_EQ(programSettings().gintRotateScreens, 0);
        EXPECT_FALSE(parts(w).screens->tmrDisplay->isActive());

        editor->reject(); // the close box
        EXPECT_EQ(programSettings().gintRotateScreens, rotating ? 1 : 0);
        EXPECT_EQ(parts(w).screens->tmrDisplay->isActive(), rotating);
    }
}

TEST_F(frmFontsAndColorsTest, ButtonsFollowTheKindAndEachScreenListsItsOwn)
{
    open();
    struct Case {
        Long screen;
        const char* description;
        EditorButtons on;
    };
    for (const Case& c :
         {Case {0, "Timer Label", {true, true, false, true}}, Case {0, "Players Grid", {true, true, true, false}},
          Case {9, "Table/Seat Chart", {true, false, false, false}}, Case {4, "Rules", {false, true, false, false}}}) {
        choose(c.screen);
        EXPECT_EQ(screen(), c.screen);
        select(c.description);
        EXPECT_EQ(buttons(), c.on) << c.description;
    }
    choose(8);
    ASSERT_FALSE(listed().isEmpty());
    for (const QString& item : listed())
        EXPECT_TRUE(item.startsWith("Summary 3 ")) << item.toStdString();
    choose(6);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(buttons(), EditorButtons {});
}

TEST_F(frmFontsAndColorsTest, PickersShowAtOnceAndCancelledOnesChangeNothing)
{
    open();
    select("Chip Amount");
    const QVariant before = entry("Chip Amount").FontColor;
    prompts.colors = {std::nullopt, 0x0000FFu};
    QTest::mouseClick(editor->cmdColor, Qt::LeftButton);
    EXPECT_EQ(entry("Chip Amount").FontColor, before);
    QTest::mouseClick(editor->cmdColor, Qt::LeftButton);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(textColor(QStringLiteral("lblChipAmount(%1)").arg(i).toLatin1().constData()), QColor(Qt::red)) << i;

    prompts.fonts = {std::nullopt, FontChoice {"Arial", 10.5, false, true}, FontChoice {"Arial", 11.5, true, false}};
    const Integer size = entry("Chip Amount").FontSize;
    QTest::mouseClick(editor->cmdFont, Qt::LeftButton);
    EXPECT_EQ(entry("Chip Amount").FontSize, size);
    QTest::mouseClick(editor->cmdFont, Qt::LeftButton);
    EXPECT_EQ(entry("Chip Amount 7").FontSize, 10);
    EXPECT_TRUE(entry("Chip Amount 7").FontItalic);
    QTest::mouseClick(editor->cmdFont, Qt::LeftButton);
    EXPECT_EQ(entry("Chip Amount").FontSize, 12);
    // Sizes the display cannot take are refused, as loading them would be.
    prompts.fonts = {FontChoice {"Arial", 400, true, false}, FontChoice {"Arial", 1, true, false}};
    QTest::mouseClick(editor->cmdFont, Qt::LeftButton);
    QTest::mouseClick(editor->cmdFont, Qt::LeftButton);
    EXPECT_EQ(entry("Chip Amount").FontSize, 12);
    EXPECT_EQ(prompts.messages, QStringList(2, QStringLiteral("Please choose a font size from 4 to 300 points.")));

    select("Players Grid");
    const QVariant header = entry("Players Grid").HeaderColor;
    QTest::mouseClick(editor->cmdHeaderColor, Qt::LeftButton);
    EXPECT_EQ(entry("Players Grid").HeaderColor, header);

    select("Timer Label");
    answerLabel(std::nullopt);
    QTest::mouseClick(editor->cmdEdit, Qt::LeftButton);
    EXPECT_EQ(entry("Timer Label").LabelText, "Time Remaining");
    answerLabel(QString());
    QTest::mouseClick(editor->cmdEdit, Qt::LeftButton);
    EXPECT_EQ(entry("Timer Label").LabelText, "");
    EXPECT_EQ(control_<QLabel>("lblTimerCap")->text(), "");
}

TEST_F(frmFontsAndColorsTest, CancelAndTheCloseBoxLeaveTblFontAndShowTheStoredLook)
{
    for (const bool closeBox : {false, true}) {
        open();
        select("Chip Amount");
        prompts.colors = {0x0000FFu};
        QTest::mouseClick(editor->cmdColor, Qt::LeftButton);
        if (closeBox)
            editor->reject();
        else
            QTest::mouseClick(editor->cmdCancel, Qt::LeftButton);
        EXPECT_EQ(storedRows(), 0);
        EXPECT_EQ(entry("Chip Amount 3").FontColor, entry("Chip Amount 3").DefaultFontColor);
        EXPECT_NE(textColor("lblChipAmount(3)"), QColor(Qt::red));
    }
}

TEST_F(frmFontsAndColorsTest, ResetThenOkStoresEveryEntrysDefaultLook)
{
    open();
    select("Timer Label");
    prompts.colors = {0x0000FFu};
    QTest::mouseClick(editor->cmdColor, Qt::LeftButton);
    QTest::mouseClick(editor->cmdReset, Qt::LeftButton);
    db.execute(QStringLiteral("CREATE TRIGGER Full BEFORE INSERT ON tblFont WHEN NEW.Description = 'Rules' "
                              "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
    EXPECT_EQ(storedRows(), 0);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains("disk full")) << prompts.messages[0].toStdString();
    EXPECT_NE(editor->result(), QDialog::Accepted);

    db.execute(QStringLiteral("DROP TRIGGER Full"));
    QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_EQ(storedRows(), 179);
    EXPECT_EQ(storedRows(), screenObjects().gintScreenObjectCount());
    Recordset rs = db.query(QStringLiteral("SELECT FontColor, FontSize FROM tblFont WHERE Description = ?"),
                            {QStringLiteral("Timer Label")});
    EXPECT_EQ(rs.value("FontColor").toString(), entry("Timer Label").DefaultFontColor.toString());
    EXPECT_EQ(rs.value("FontSize").toInt(), entry("Timer Label").DefaultFontSize);
}

TEST_F(frmFontsAndColorsTest, OnlyTheSizeChangedInThePickerKeepsAStoredFamilyThatIsNotInstalled)
{
    MessagePrompter picker; // the program's own font picker
    setPrompter(&picker);
    open();
    select("Chip Amount");
    ScreenObject& chips = entry("Chip Amount");
    chips.FontName = QStringLiteral("Zrv Missing Face");
    chips.FontSize = 14;
    chips.FontBold = true;
    chips.FontItalic = false;
    QFont opened;
    OnNextDialog<QFontDialog>([&opened](QFontDialog& dialog) {
        opened = dialog.currentFont();
        for (auto* edit : dialog.findChildren<QLineEdit*>())
            if (qobject_cast<const QIntValidator*>(edit->validator())) { // the size box
                edit->selectAll();
                QTest::keyClicks(edit, QStringLiteral("20"));
            }
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QTest::mouseClick(editor->cmdFont, Qt::LeftButton);
    setPrompter(&prompts);

    EXPECT_EQ(opened.pointSize(), 14);
    EXPECT_TRUE(opened.bold());
    EXPECT_FALSE(opened.italic());
    EXPECT_EQ(chips.FontName, "Zrv Missing Face");
    EXPECT_EQ(chips.FontSize, 20);
    EXPECT_TRUE(chips.FontBold);
    EXPECT_FALSE(chips.FontItalic);
    EXPECT_EQ(control_<QLabel>("lblChipAmount(6)")->font().family(), "Zrv Missing Face");
}

TEST_F(frmFontsAndColorsTest, TheEditedElementIsMeasuredAgainAtOnce)
{
    showActive();
    w->resize(1280, 1024);
    open();
    select("Timer Label");
    answerLabel(QStringLiteral("Time Remaining in This Level"));
    QTest::mouseClick(editor->cmdEdit, Qt::LeftButton);
    select("Blinds Value");
    prompts.fonts = {FontChoice {QStringLiteral("DejaVu Sans"), 60, true, false}};
    QTest::mouseClick(editor->cmdFont, Qt::LeftButton);
    for (const char* name : {"lblTimerCap", "lblBlinds"}) {
        const QLabel* label = control_<QLabel>(name);
        EXPECT_GE(label->width(), label->sizeHint().width()) << name;
        EXPECT_GE(label->height(), label->sizeHint().height()) << name;
    }
}
