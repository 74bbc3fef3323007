#include "WindowTestHelpers.h"
#include "WizardFixture.h"
#include "core/platform/Twips.h"
#include "core/setup/NewTournament.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "core/store/TournamentStore.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/OleColor.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/setup/frmAddEditAward.h"
#include "gui/setup/frmAddEditReminder.h"
#include "gui/setup/frmAddEditTournament.h"
#include "gui/shared/frmExport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

class WizardPages : public WizardFixture { };
class WizardPayouts : public WizardFixture { };
class WizardAwards : public WizardFixture { };

TEST_F(WizardPages, NavigationShowsOnePageAndColoursItsLabel)
{
    open();
    for (int page : {0, 3, 7}) {
        if (page == 0)
            w->ShowWizardPage(0);
        else
            QTest::mouseClick(w->lblGroup[page], Qt::LeftButton);
        EXPECT_EQ(w->mintCurrentPage, page);
        EXPECT_EQ(c<QPushButton>(QStringLiteral("cmdPrevious"))->isEnabled(), page > 0);
        EXPECT_EQ(c<QPushButton>(QStringLiteral("cmdNext"))->isEnabled(), page < 7);
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(w->frameTourney[k]->isVisibleTo(w.get()), k == page) << page << k;
            EXPECT_EQ(w->frameAssistant[k]->isVisibleTo(w.get()), k == page) << page << k;
            EXPECT_EQ(w->lblGroup[k]->palette().color(QPalette::WindowText), OleColorToQColor(k == page ? 0x8000 : 0));
        }
    }
    c<QPushButton>(QStringLiteral("cmdPrevious"))->click();
    EXPECT_EQ(w->mintCurrentPage, 6);

    // A screen smaller than the window is drawn for (the test platform's, a
    // 1024x768 projector) holds the whole window, the assistant's texts too.
    ASSERT_NE(w->screen(), nullptr);
    const QSize room = w->screen()->availableGeometry().size();
    ASSERT_LT(room.width(), 1060);
    EXPECT_LE(w->width(), room.width());
    EXPECT_LE(w->height(), room.height());
}

TEST_F(WizardPages, LoadDataOfAnExistingAndANewTournament)
{
    t.gintBlindsLevel = 0;
    open();
    EXPECT_FALSE(c<QLineEdit>(QStringLiteral("txtName"))->isEnabled());
    EXPECT_FALSE(c<QCheckBox>(QStringLiteral("chkAddPlayers"))->isVisibleTo(w.get()));
    EXPECT_EQ(c<QLineEdit>(QStringLiteral("txtDate"))->text(), QStringLiteral("3/7/2026"));
    EXPECT_EQ(c<QComboBox>(QStringLiteral("cmbLevel"))->currentText(), QStringLiteral("1")) << "level 0 opens at 1";
    EXPECT_EQ(t.gintBlindsLevel, 1);
    EXPECT_EQ(c<QLineEdit>(QStringLiteral("txtEstDurationHour"))->text(), QStringLiteral("3"));
    EXPECT_EQ(w->work.mintEstDuration, 180);
    // Computed once, after loading: every figure is there.
    EXPECT_EQ(c<QLabel>(QStringLiteral("lblEstTotalCollected"))->text(), QStringLiteral("$400"));
    EXPECT_EQ(estimate(2), QStringLiteral("$240"));
    EXPECT_EQ(c<QLabel>(QStringLiteral("lblChipsNeeded(0)"))->text(), QStringLiteral("0"));

    for (const char* trial : {"1", "0"}) {
        WriteSetting(ShowWebTrialKey, QString::fromLatin1(trial));
        open(true);
        EXPECT_TRUE(c<QLineEdit>(QStringLiteral("txtName"))->isEnabled());
        EXPECT_TRUE(c<QCheckBox>(QStringLiteral("chkAddPlayers"))->isVisibleTo(w.get()));
        EXPECT_EQ(c<QCheckBox>(QStringLiteral("chkAddPlayers"))->isChecked(), trial[0] == '1');
    }
}

TEST_F(WizardPages, BlindModeRebuysAndAddonsShowTheirControls)
{
    t.gintAllowRebuys = 1;
    t.gintAllowAddons = 1;
    t.gintAddonLevel1 = 2;
    t.gintAddonLevel2 = 4;
    open();
    auto shown = [this](const char* name) { return !c(QString::fromLatin1(name))->isHidden(); };
    EXPECT_TRUE(shown("cmbRebuyLevel"));
    EXPECT_TRUE(shown("cmbAddonLevel2"));
    EXPECT_EQ(c<QComboBox>(QStringLiteral("cmbRebuyLevel"))->currentText(), QStringLiteral("3"));
    EXPECT_TRUE(shown("gridReminders"));

    choose("cmbPresets", 0);
    EXPECT_FALSE(shown("cmbRebuyLevel"));
    EXPECT_FALSE(shown("gridReminders"));
    EXPECT_FALSE(shown("framePresets"));
    EXPECT_TRUE(shown("frameCurrent"));
    EXPECT_EQ(c<QComboBox>(QStringLiteral("cmbRebuyLevel"))->currentText(), QStringLiteral("Any"));
    EXPECT_EQ(c<QComboBox>(QStringLiteral("cmbAddonLevel1"))->currentText(), QStringLiteral("Start"));
    EXPECT_EQ(c<QComboBox>(QStringLiteral("cmbAddonLevel2"))->currentText(), QStringLiteral("Finish"));
    EXPECT_TRUE(c<QLabel>(QStringLiteral("lblReminders"))->text().startsWith(QStringLiteral("Reminders are only")));
    EXPECT_FALSE(c<QPushButton>(QStringLiteral("cmdLoadLevels"))->isEnabled());

    // Rebuys off: no rebuy money or chips in the estimates, whatever the boxes hold.
    type("txtEstNumRebuys", QStringLiteral("5"));
    EXPECT_EQ(c<QLabel>(QStringLiteral("lblEstTotalFromRebuys"))->text(), QStringLiteral("$100"));
    c<QCheckBox>(QStringLiteral("chkAllowRebuys"))->setChecked(false);
    EXPECT_FALSE(shown("txtRebuy"));
    EXPECT_EQ(c<QLabel>(QStringLiteral("lblEstTotalFromRebuys"))->text(), QStringLiteral("$0"));
    type("txtEstNumPlayers", QStringLiteral("99999"));
    EXPECT_EQ(w->work.mintEstPlayers, 32767) << "a count too large stops at the limit";
}

TEST_F(WizardPages, ChipRowsFollowTheirColour)
{
    t.gstrChipPicture[5] = QStringLiteral("/pics/chip.png");
    t.gintStartingChipCount[0] = 7;
    open();
    auto row = [this](int i) {
        return std::tuple(c<QComboBox>(QStringLiteral("cmbNumChips(%1)").arg(i))->isEnabled(),
                          c<QLineEdit>(QStringLiteral("txtChipPicture(%1)").arg(i))->isEnabled(),
                          c<QPushButton>(QStringLiteral("cmdBrowsePic(%1)").arg(i))->isEnabled());
    };
    EXPECT_EQ(row(0), std::tuple(true, false, false));
    choose("cmbChipColor(0)", 0);
    EXPECT_EQ(row(0), std::tuple(false, false, false));
    EXPECT_EQ(c<QComboBox>(QStringLiteral("cmbNumChips(0)"))->currentText(), QStringLiteral("0"));
    EXPECT_EQ(c<QLabel>(QStringLiteral("lblChipColor(0)"))->text(), QStringLiteral("Not Used"));
    choose("cmbChipColor(5)", 1);
    EXPECT_EQ(row(5), std::tuple(true, true, true));

    // Browsing: the file for the chip; in folder mode the file's folder.
    prompts.files = {QStringLiteral("/pics/Other.JPG"), QStringLiteral("/pics/ads/ad1.jpg")};
    c<QPushButton>(QStringLiteral("cmdBrowsePic(5)"))->click();
    EXPECT_EQ(c<QLineEdit>(QStringLiteral("txtChipPicture(5)"))->text(), QStringLiteral("/pics/Other.JPG"));
    choose("cmbCustomPictureType", 1);
    EXPECT_EQ(c<QLabel>(QStringLiteral("lblFile"))->text(), QStringLiteral("Path"));
    c<QPushButton>(QStringLiteral("cmdBrowse"))->click();
    EXPECT_EQ(c<QLineEdit>(QStringLiteral("txtFile"))->text(), QStringLiteral("/pics/ads"));
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("Pictures (*.bmp *.jpg *.gif *.ico)"));
}

TEST_F(WizardPages, LevelCountKeepsTypedRows)
{
    open();
    auto* levels = c<ctlDataEntryGrid>(QStringLiteral("gridLevels"));
    EXPECT_EQ(levels->TextMatrix(0, 0), QString());
    EXPECT_EQ(levels->TextMatrix(1, 2), QString::number(t.gdblLevelSmallBlind[1])) << "the stored levels are loaded";
    levels->setTextMatrix(10, 3, QStringLiteral("999"));
    for (int n : {12, 10}) {
        choose("cmbNumLevels", n - 1);
        EXPECT_EQ(levels->Rows(), n + 1);
        EXPECT_EQ(c<ctlDataEntryGrid>(QStringLiteral("gridReminders"))->Rows(), n + 1);
        EXPECT_EQ(c<QComboBox>(QStringLiteral("cmbAddonLevel2"))->count(), n + 1);
    }
    EXPECT_EQ(levels->TextMatrix(10, 3), QStringLiteral("999"));
    choose("cmbNumLevels", 11);
    EXPECT_EQ(levels->TextMatrix(12, 0), QStringLiteral("12"));
    EXPECT_EQ(levels->TextMatrix(12, 7), QStringLiteral("0"));
}

TEST_F(WizardPayouts, EstimatesFollowTheBoxesAndTheGrid)
{
    open();
    setPayouts({"0", "50", "30", "20"});
    type("txtBuyin", QStringLiteral("50"));
    EXPECT_EQ(estimate(2), QStringLiteral("$500"));
    EXPECT_EQ(estimate(4), QStringLiteral("$200"));
    choose("cmbBountyAll", 2);
    type("txtBountyAllDollars", QStringLiteral("5"));
    EXPECT_EQ(estimate(2), QStringLiteral("$450"));
    EXPECT_TRUE(c<QLineEdit>(QStringLiteral("txtBountyAllPoints"))->isEnabled());
    choose("cmbBountyAll", 0);
    EXPECT_FALSE(c<QLineEdit>(QStringLiteral("txtBountyAllPoints"))->isEnabled());

    // Places 5, 3, 5: the dropped rows come back as "0".
    for (int places : {5, 3, 5})
        choose("cmbNumPaid", places - 1);
    EXPECT_EQ(c<ctlDataEntryGrid>(QStringLiteral("grid"))->Rows(), 7);
    EXPECT_EQ(cell("grid", 3, 1), QStringLiteral("30"));
    EXPECT_EQ(cell("grid", 6, 1), QStringLiteral("0"));

    // Chips: dark green when a buy-in's chips add up to its chip value, else
    // red; both read on the page.
    auto colour = [this] { return c<QLabel>(QStringLiteral("lblChipAmount"))->palette().color(QPalette::WindowText); };
    for (int i = 0; i < 4; ++i)
        c<QComboBox>(QStringLiteral("cmbNumChips(%1)").arg(i))->setCurrentText(QStringLiteral("0"));
    c<QComboBox>(QStringLiteral("cmbNumChips(3)"))->setCurrentText(QStringLiteral("2"));
    EXPECT_EQ(colour(), OleColorToQColor(0x008000));
    const QColor page = c<QLabel>(QStringLiteral("lblChipAmount"))->palette().color(QPalette::Window);
    EXPECT_GT(qAbs(colour().lightness() - page.lightness()), 100) << "dark on the light page";
    EXPECT_EQ(c<QLabel>(QStringLiteral("lblChipsNeeded(3)"))->text(), QStringLiteral("40"));
    c<QComboBox>(QStringLiteral("cmbNumChips(3)"))->setCurrentText(QStringLiteral("3"));
    EXPECT_EQ(colour(), OleColorToQColor(0xFF));
}

TEST_F(WizardPayouts, ChopSplitsThePlacesStillPlayedFor)
{
    struct Case {
        int left;
        QStringList payouts;
        QStringList expected; // places 1..; empty: nothing changed
        QString message;
    };
    const Case cases[] = {
        {3, {"0", "500", "300", "200"}, {"333.33", "333.33", "333.33"}, {}},
        {1, {"0", "500", "300", "200"}, {"500", "300", "200"}, {}},
        // A slip is no 0: the chop is refused and the places keep their texts.
        {2, {"0", "500", "x"}, {"500", "x"}, QStringLiteral("Invalid amount set in payouts grid.")},
    };
    t.gintPayAsPercentages = 0;
    for (const Case& k : cases) {
        t.gtypPlayers.redim(1, 4);
        for (long i = 1; i <= 4; ++i)
            t.gtypPlayers[i].Finish = i <= k.left ? 0 : Integer(i);
        open();
        choose("cmbNumPaid", int(k.payouts.size()) - 2);
        auto* g = c<ctlDataEntryGrid>(QStringLiteral("grid"));
        for (int i = 0; i < k.payouts.size(); ++i)
            g->setTextMatrix(i + 1, 1, k.payouts[i]);
        prompts.messages.clear();
        prompts.answers = {Prompter::Answer::Yes};
        c<QPushButton>(QStringLiteral("cmdChop"))->click();
        QStringList places;
        for (long r = 2; r < g->Rows(); ++r)
            places << g->TextMatrix(r, 1);
        EXPECT_EQ(places, k.expected) << k.left;
        EXPECT_EQ(prompts.messages.value(1), k.message) << k.left;
    }
}

TEST_F(WizardPayouts, TypedPrizesStayWhenThePlacesChange)
{
    t.gintPayAsPercentages = 2;
    t.gstrPayoutPrize[1] = QStringLiteral("Trophy");
    open();
    EXPECT_FALSE(c<QPushButton>(QStringLiteral("cmdChop"))->isEnabled());
    EXPECT_FALSE(c<QComboBox>(QStringLiteral("cmbRound"))->isEnabled());
    auto* g = c<ctlDataEntryGrid>(QStringLiteral("grid"));
    EXPECT_FALSE(g->ColNumeric(1));
    EXPECT_EQ(cell("grid", 2, 1), QStringLiteral("Trophy"));
    g->setTextMatrix(2, 1, QStringLiteral("Watch"));
    choose("cmbNumPaid", 4);
    EXPECT_EQ(cell("grid", 2, 1), QStringLiteral("Watch"));
    EXPECT_EQ(estimate(2), QStringLiteral("Watch"));

    // Stored as percentages, switched to prizes on the page.
    t.gintPayAsPercentages = 1;
    open();
    choose("cmbPayoutType", 2);
    g = c<ctlDataEntryGrid>(QStringLiteral("grid"));
    g->setTextMatrix(2, 1, QStringLiteral("Trophy"));
    g->setTextMatrix(3, 1, QStringLiteral("Watch"));
    choose("cmbNumPaid", 3);
    EXPECT_EQ(g->Rows(), 6);
    EXPECT_EQ(cell("grid", 2, 1), QStringLiteral("Trophy"));
    EXPECT_EQ(cell("grid", 3, 1), QStringLiteral("Watch"));
    EXPECT_EQ(cell("grid", 5, 1), QStringLiteral("0"));
}

TEST_F(WizardAwards, ARefusedEntryIsSelectedSoWhatIsTypedNextReplacesIt)
{
    open();
    QStringList typed;
    w->showAwardDialog = [&](frmAddEditAward& d) {
        d.show();
        d.activateWindow();
        if (!QTest::qWaitForWindowActive(&d))
            return false;
        d.optAward->setChecked(true);
        // In the order the entries are checked; OK by click and by Enter.
        const struct {
            QWidget* box;
            QLineEdit* text;
            const char* refused;
            const char* message;
            const char* next;
            bool click;
        } steps[] = {
            {d.cmbDescription, d.cmbDescription->lineEdit(), "  ", "Please specify a description.", "High Hand", true},
            {d.txtDollars, d.txtDollars, "-50", "Player winnings cannot be negative.", "50", false},
            {d.txtDollars, d.txtDollars, "1000000000", "Player winnings is too large.", "999999999", true},
            {d.txtPoints, d.txtPoints, "x", "Award points must be numeric.  Use 0 for none.", "5", true},
            {d.txtPoints, d.txtPoints, "99999999999", "Player points is too large.", "9999999", false},
        };
        for (const auto& step : steps) {
            step.box->setFocus(Qt::TabFocusReason); // as the Tab key brings it
            QTest::keyClicks(step.text, QString::fromLatin1(step.refused));
            if (step.click)
                QTest::mouseClick(d.cmdOK, Qt::LeftButton);
            else
                QTest::keyClick(step.text, Qt::Key_Return);
            EXPECT_EQ(prompts.messages.value(prompts.messages.size() - 1).toStdString(), step.message)
                << step.text->text().toStdString();
            EXPECT_TRUE(step.text->hasFocus()) << step.message;
            QTest::keyClicks(step.text, QString::fromLatin1(step.next));
            typed << step.text->text();
        }
        QTest::keyClick(d.txtPoints, Qt::Key_Return);
        return d.mbOKed;
    };
    prompts.answers = {Prompter::Answer::Yes}; // kept, though beyond the $400 taken in
    c<QPushButton>(QStringLiteral("cmdNewAward"))->click();
    EXPECT_EQ(typed,
              QStringList({QStringLiteral("High Hand"), QStringLiteral("50"), QStringLiteral("999999999"),
                           QStringLiteral("5"), QStringLiteral("9999999")}));
    EXPECT_EQ(cell("gridAwards", 1, 3), QStringLiteral("High Hand"));
}

TEST_F(WizardAwards, NewEditAndDeleteKeepThePlaceholderRight)
{
    open();
    EXPECT_EQ(cell("gridAwards", 1, 3), QStringLiteral("None"));
    w->gridAwards->setRow(1);
    c<QPushButton>(QStringLiteral("cmdEditAward"))->click();
    c<QPushButton>(QStringLiteral("cmdDeleteAward"))->click();
    EXPECT_EQ(prompts.messages,
              QStringList({QStringLiteral("Please select an award to edit."),
                           QStringLiteral("Please select an award to delete.")}));

    // An award called "None" is an award: it takes the placeholder's row.
    answerAward([](frmAddEditAward& d) { award(d, QStringLiteral("None"), QStringLiteral("100")); });
    c<QPushButton>(QStringLiteral("cmdNewAward"))->click();
    EXPECT_EQ(w->gridAwards->Rows(), 2);
    EXPECT_EQ(cell("gridAwards", 1, 0), QStringLiteral("0"));
    EXPECT_EQ(estimate(2), QStringLiteral("$180")) << "the award's money leaves the pool";

    answerAward([](frmAddEditAward& d) { bounty(d, 0); });
    c<QPushButton>(QStringLiteral("cmdNewAward"))->click();
    EXPECT_EQ(cell("gridAwards", 2, 3), QStringLiteral("Bounty on anna"));
    EXPECT_EQ(cell("gridAwards", 2, 2), QString::number(anna));

    // A second bounty on anna is refused; her own row may stay hers.
    prompts.messages.clear();
    c<QPushButton>(QStringLiteral("cmdNewAward"))->click();
    EXPECT_EQ(w->gridAwards->Rows(), 3);
    EXPECT_TRUE(prompts.messages.value(0).startsWith(QStringLiteral("The player you selected already has a bounty.")));

    // A stored bounty already given keeps its id and holder when edited.
    t.gtypAwards.redim(1, 2);
    t.gtypAwards[1] = {7, 1, anna, QStringLiteral("Bounty on anna"), 0, 0, bob};
    t.gtypAwards[2] = {8, 0, 0, QStringLiteral("None"), 100, 0, 0};
    open();
    w->gridAwards->setRow(1);
    answerAward([](frmAddEditAward& d) { d.txtDollars->setText(QStringLiteral("25")); });
    c<QPushButton>(QStringLiteral("cmdEditAward"))->click();
    EXPECT_EQ(cell("gridAwards", 1, 0), QStringLiteral("7"));
    EXPECT_EQ(cell("gridAwards", 1, 4), QStringLiteral("25"));
    EXPECT_EQ(cell("gridAwards", 1, 6), QString::number(bob)) << "an award given stays given";

    prompts.answers = {Prompter::Answer::Yes, Prompter::Answer::Yes};
    for (long r : {2, 1}) {
        w->gridAwards->setRow(r);
        c<QPushButton>(QStringLiteral("cmdDeleteAward"))->click();
    }
    EXPECT_TRUE(w->awards.Placeholder());
    EXPECT_EQ(cell("gridAwards", 1, 3), QStringLiteral("None"));
    EXPECT_EQ(w->gridAwards->Rows(), 2);
}

TEST_F(WizardAwards, AnAwardBeyondTheMoneyTakenInIsKeptOnlyWhenTheDirectorSaysSo)
{
    open(); // 20 players expected at $20: $400 taken in
    answerAward([](frmAddEditAward& d) { award(d, QStringLiteral("High Hand"), QStringLiteral("1000")); });
    const QString question = QStringLiteral("The awards and bounties come to $1,000, more than the money the "
                                            "estimates expect to be taken in ($400): the prize pool is $0 and every "
                                            "place will pay $0. Keep this award?");
    prompts.answers = {Prompter::Answer::No};
    c<QPushButton>(QStringLiteral("cmdNewAward"))->click();
    EXPECT_EQ(prompts.messages, QStringList {question});
    EXPECT_EQ(prompts.safeDefault, QStringList {question}) << "No is the default";
    EXPECT_TRUE(w->awards.Placeholder()) << "No keeps nothing";

    prompts.answers = {Prompter::Answer::Yes};
    c<QPushButton>(QStringLiteral("cmdNewAward"))->click();
    EXPECT_EQ(prompts.messages.value(1), question);
    EXPECT_EQ(cell("gridAwards", 1, 4), QStringLiteral("1000"));
    EXPECT_EQ(estimate(2), QStringLiteral("$0"));
}

class WizardLevels : public WizardFixture {
protected:
    ctlDataEntryGrid* levels() const { return c<ctlDataEntryGrid>(QStringLiteral("gridLevels")); }
    void press(const char* button) { c<QPushButton>(QString::fromLatin1(button))->click(); }
    QStringList column(long col) const
    {
        QStringList texts;
        for (long r = 1; r < levels()->Rows(); ++r)
            texts.append(levels()->TextMatrix(r, col));
        return texts;
    }
};

TEST_F(WizardLevels, InsertDeleteAndUndoRepeatableAndExact)
{
    t.gdblLevelSmallBlind[2] = 1234567.89;
    open();
    choose("cmbNumLevels", 4);
    for (long r = 1; r <= 5; ++r)
        levels()->setTextMatrix(r, 1, QString::number(r));
    levels()->setRow(3);
    press("cmdInsertLevel");
    EXPECT_EQ(column(1), (QStringList {"1", "2", "0", "3", "4", "5"}));
    EXPECT_EQ(column(0), (QStringList {"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(c<QComboBox>(QStringLiteral("cmbNumLevels"))->currentIndex(), 5);
    EXPECT_EQ(c<ctlDataEntryGrid>(QStringLiteral("gridReminders"))->Rows(), 7);
    levels()->setRow(2);
    press("cmdDeleteLevel");
    EXPECT_EQ(column(1), (QStringList {"1", "0", "3", "4", "5"}));
    choose("cmbNumLevels", 0);
    press("cmdDeleteLevel");
    EXPECT_EQ(levels()->Rows(), 2) << "a single level stays";

    for (int round = 0; round < 2; ++round) {
        press("cmdUndoLevels");
        EXPECT_EQ(levels()->Rows(), 11);
        EXPECT_EQ(levels()->TextMatrix(2, 2), QStringLiteral("1234567.89"));
        levels()->setTextMatrix(2, 2, QStringLiteral("5"));
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(WizardLevels, AReminderFollowsItsLevelThroughInsertDeleteAndUndo)
{
    t.gstrLevelReminder[3] = QStringLiteral("Color up the white chips");
    t.gblnLevelWaitOnReminder[3] = true;
    t.gstrLevelReminder[5] = QStringLiteral("Rotate Dealers");
    open();
    auto* reminders = c<ctlDataEntryGrid>(QStringLiteral("gridReminders"));
    auto remindersColumn = [reminders](long col) {
        QStringList texts;
        for (long r = 1; r < reminders->Rows(); ++r)
            texts.append(reminders->TextMatrix(r, col));
        return texts;
    };
    const QString white = QStringLiteral("Color up the white chips");
    const QString dealers = QStringLiteral("Rotate Dealers");

    levels()->setRow(2);
    press("cmdInsertLevel");
    levels()->setRow(5);
    press("cmdDeleteLevel"); // the old level 4
    EXPECT_EQ(remindersColumn(1).mid(0, 6), (QStringList {"", "", "", white, dealers, ""}));
    EXPECT_EQ(remindersColumn(2).mid(0, 6), (QStringList {"", "", "", "Yes", "No", ""}));

    // Undo puts the levels back, each with its reminder as it stands now.
    reminders->setTextMatrix(5, 1, QStringLiteral("Rotate Dealers twice"));
    press("cmdUndoLevels");
    EXPECT_EQ(remindersColumn(1).mid(0, 6), (QStringList {"", "", white, "", "Rotate Dealers twice", ""}));
    EXPECT_EQ(remindersColumn(2)[2], QStringLiteral("Yes"));
}

TEST_F(WizardLevels, SuggestLevelsOnTheWorkedExampleThenUndo)
{
    LoadSettings(programSettings()); // the generator's defaults
    open();
    type("txtEstNumPlayers", QStringLiteral("20"));
    type("txtBuyinChipValue", QStringLiteral("1000"));
    for (int i = 0; i < frmAddEditTournament::ChipRows; ++i)
        choose(QStringLiteral("cmbChipColor(%1)").arg(i).toLatin1(), i == 0 ? 2 : 0);
    type("txtChipAmount(0)", QStringLiteral("25"));
    type("txtEstDurationHour", QStringLiteral("3"));
    type("txtEstDurationMin", QStringLiteral("0"));
    type("txtEstNumBreaks", QStringLiteral("2"));
    type("txtEstTimeforBreaks", QStringLiteral("10"));
    const QString before = levels()->TextMatrix(1, 2);
    press("cmdLoadLevels");

    EXPECT_EQ(
        column(2),
        (QStringList {"25", "50", "75", "100", "150", "200", "300", "500", "800", "1000", "1500", "2000", "3000"}));
    EXPECT_EQ(levels()->TextMatrix(13, 3), QStringLiteral("6000"));
    EXPECT_EQ(column(6), (QStringList {"20", "20", "20", "20", "20", "10", "10", "10", "10", "10", "10", "10", "10"}));
    EXPECT_EQ(column(7), (QStringList {"0", "0", "10", "0", "0", "10", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(c<QLabel>(QStringLiteral("lblWhenEnd"))->text(),
              QStringLiteral("Your tournament should end by level 10.  We added 3 extra levels to be safe."));
    EXPECT_EQ(c<ctlDataEntryGrid>(QStringLiteral("gridReminders"))->Rows(), 14);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(prompts.messages.isEmpty());

    press("cmdUndoLevels");
    EXPECT_EQ(levels()->Rows(), 11);
    EXPECT_EQ(levels()->TextMatrix(1, 2), before);

    // A first blind no table entry fits: its message, the grid as it was;
    // Undo then goes back to the table as it was just before.
    levels()->setTextMatrix(2, 2, QStringLiteral("5"));
    type("txtBuyinChipValue", QStringLiteral("1e15"));
    press("cmdLoadLevels");
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(levels()->Rows(), 11);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    levels()->setTextMatrix(2, 2, QStringLiteral("7"));
    press("cmdUndoLevels");
    EXPECT_EQ(levels()->TextMatrix(2, 2), QStringLiteral("5"));
}

TEST_F(WizardLevels, SevenDigitBlindsShowWholeAndCustomPictureMovesNothingOnTheChipPanel)
{
    open();
    w->show();
    const QFontMetrics metrics(levels()->findChild<FlexGrid*>()->font());
    for (long col = 1; col <= 5; ++col) {
        levels()->setTextMatrix(1, col, QStringLiteral("9999999"));
        // The cell draws its text 3 pixels in from either side.
        EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("9999999")) + 6, TwipsToPixels(int(levels()->ColWidth(col))))
            << col;
    }

    w->ShowWizardPage(2);
    const auto settle = [] {
        for (int pass = 0; pass < 5; ++pass)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    };
    const auto places = [this] {
        QList<QPoint> at;
        for (const char* name : {"cmbNumChips(0)", "lblChipsNeeded(0)", "cmbNumChips(9)", "lblChipAmount"})
            at << c(QString::fromLatin1(name))->mapTo(w.get(), QPoint());
        return at;
    };
    settle();
    const QList<QPoint> before = places();
    choose("cmbChipColor(0)", 1);
    settle();
    EXPECT_EQ(c<QLabel>(QStringLiteral("lblChipColor(0)"))->text(), QStringLiteral("Custom Picture"));
    EXPECT_EQ(places(), before);
}

TEST_F(WizardLevels, RemindersEditCancelAndClear)
{
    open();
    auto* reminders = c<ctlDataEntryGrid>(QStringLiteral("gridReminders"));
    reminders->setRow(2);
    auto answer = [](const QString& text, bool pause, bool ok) {
        OnNextDialog<frmAddEditReminder>([=](frmAddEditReminder& d) {
            d.cmbReminder->setEditText(text);
            d.chkPause->setChecked(pause);
            (ok ? d.cmdOK : d.cmdCancel)->click();
        });
    };
    answer(QStringLiteral("Serve Snacks"), true, true);
    press("cmdAddEditReminder");
    EXPECT_EQ(reminders->TextMatrix(2, 1), QStringLiteral("Serve Snacks"));
    EXPECT_EQ(reminders->TextMatrix(2, 2), QStringLiteral("Yes"));
    answer(QStringLiteral("Rotate Dealers"), false, false);
    press("cmdAddEditReminder");
    EXPECT_EQ(reminders->TextMatrix(2, 1), QStringLiteral("Serve Snacks")) << "Cancel keeps the row";
    answer(QStringLiteral("   "), true, true);
    press("cmdAddEditReminder");
    EXPECT_EQ(reminders->TextMatrix(2, 2), QString());
    press("cmdClearReminder");
    EXPECT_EQ(reminders->TextMatrix(2, 1), QString());
    EXPECT_EQ(reminders->TextMatrix(2, 2), QString());
}

TEST_F(WizardLevels, LevelWatchTellsOncePerChangeAndExportOffersTheName)
{
    t.gintBlindsLevel = 4;
    open();
    auto* level = c<QComboBox>(QStringLiteral("cmbLevel"));
    w->tmrChecklevel_Timer();
    EXPECT_TRUE(prompts.messages.isEmpty());
    t.gintBlindsLevel = 5;
    w->tmrChecklevel_Timer();
    w->tmrChecklevel_Timer();
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(level->currentText(), QStringLiteral("5"));
    t.gintBlindsLevel = 40;
    w->tmrChecklevel_Timer();
    EXPECT_EQ(level->currentText(), QStringLiteral("10")) << "past the level count: the last level";
    EXPECT_EQ(prompts.messages.size(), 2);

    type("txtName", QStringLiteral("Friday"));
    QString offered;
    OnNextDialog<frmExport>([&offered](frmExport& d) {
        offered = d.txtFile->text();
        d.cmdCancel->click();
    });
    press("cmdExport");
    EXPECT_EQ(offered, path(QStringLiteral("Friday Levels.csv")));
    EXPECT_FALSE(QFile::exists(offered));
}

class WizardSave : public WizardFixture { };

TEST_F(WizardSave, FinishStopsAtTheFirstFaultWithItsPageAndFocusThenStores)
{
    SaveTournament(db, t, true);
    open();
    w->show();
    c<QLineEdit>(QStringLiteral("txtBuyin"))->setText(QStringLiteral("ten"));
    c<QLineEdit>(QStringLiteral("txtChipAmount(2)"))->setText(QStringLiteral("x"));
    c<ctlDataEntryGrid>(QStringLiteral("gridLevels"))->setTextMatrix(2, 1, QString());
    c<QLineEdit>(QStringLiteral("txtAnte"))->setText(QStringLiteral("?"));
    c<QLineEdit>(QStringLiteral("txtMaxPlayersPerTable"))->setText(QStringLiteral("9"));
    c<QPushButton>(QStringLiteral("cmdFinish"))->click();
    EXPECT_EQ(prompts.messages, QStringList {QStringLiteral("Buyin amount must be numeric.")});
    EXPECT_EQ(w->mintCurrentPage, 1);
    EXPECT_EQ(w->focusWidget(), c<QLineEdit>(QStringLiteral("txtBuyin")));
    EXPECT_EQ(cell("gridLevels", 2, 1), QStringLiteral("0")); // a blank level cell is 0; then the buy-in
    EXPECT_EQ(c<QLineEdit>(QStringLiteral("txtAnte"))->text(), QStringLiteral("?"));
    EXPECT_FALSE(w->mbOKed);

    c<QLineEdit>(QStringLiteral("txtBuyin"))->setText(QStringLiteral("30"));
    c<QLineEdit>(QStringLiteral("txtChipAmount(2)"))->setText(QStringLiteral("100"));
    c<QPushButton>(QStringLiteral("cmdFinish"))->click();
    EXPECT_TRUE(w->mbOKed);
    EXPECT_FALSE(w->isVisible());
    OpenTournament stored;
    LoadTournament(db, stored, t.glngCurrentTournamentID, false);
    EXPECT_EQ(stored.gintPlayersPerTable, 9);
    EXPECT_EQ(stored.gdblBuyin, 30);
    EXPECT_EQ(stored.gdblLevelAnte[2], 0);
    EXPECT_EQ(c<QLineEdit>(QStringLiteral("txtAnte"))->text(), QStringLiteral("0"));
}

TEST_F(WizardSave, PercentagesBeyondThePoolAreRefusedOnTheFirstPayoutCell)
{
    SaveTournament(db, t, true);
    open();
    w->show();
    setPayouts({"0", "50", "60", "70"});
    EXPECT_FALSE(estimate(2).startsWith(QLatin1Char('-'))) << estimate(2).toStdString();
    QTest::mouseClick(c<QPushButton>(QStringLiteral("cmdFinish")), Qt::LeftButton);
    EXPECT_EQ(prompts.messages,
              QStringList {QStringLiteral("The payouts add up to 180%: the places and the house can "
                                          "take 100% of the prize pool at most.")});
    EXPECT_EQ(w->mintCurrentPage, 4);
    EXPECT_FALSE(w->mbOKed);
    auto* g = c<ctlDataEntryGrid>(QStringLiteral("grid"));
    ASSERT_TRUE(w->focusWidget() && g->isAncestorOf(w->focusWidget()));
    EXPECT_EQ(std::pair(g->Row(), g->Col()), std::pair(1L, 1L));
    setPayouts({"0", "50", "30", "20"});
    QTest::mouseClick(c<QPushButton>(QStringLiteral("cmdFinish")), Qt::LeftButton);
    EXPECT_TRUE(w->mbOKed);
}

TEST_F(WizardSave, FinishAsksAboutAnAutomaticBountyThatTakesThePoolAndNoShowsItsBox)
{
    SaveTournament(db, t, true);
    open(); // 20 players expected at $20: $400
    w->show();
    choose("cmbBountyAll", 2);
    type("txtBountyAllDollars", QStringLiteral("25"));
    prompts.answers = {Prompter::Answer::No};
    QTest::mouseClick(c<QPushButton>(QStringLiteral("cmdFinish")), Qt::LeftButton);
    ASSERT_EQ(prompts.safeDefault.size(), 1);
    EXPECT_TRUE(prompts.safeDefault[0].startsWith(
        QStringLiteral("The awards and bounties come to $500, with the automatic bounty of $25 for each of the 20 "
                       "players expected")));
    EXPECT_TRUE(prompts.safeDefault[0].endsWith(
        QStringLiteral("The automatic bounty is set on page \"6. Bounties\", in \"Bounty Amount $\". Keep it?")));
    EXPECT_FALSE(w->mbOKed);
    EXPECT_EQ(w->mintCurrentPage, 5);
    EXPECT_EQ(w->focusWidget(), c<QLineEdit>(QStringLiteral("txtBountyAllDollars")));

    prompts.answers = {Prompter::Answer::Yes};
    QTest::mouseClick(c<QPushButton>(QStringLiteral("cmdFinish")), Qt::LeftButton);
    EXPECT_TRUE(w->mbOKed);
}

TEST_F(WizardSave, ARefusedGridCellIsCurrentWithItsTextSelectedWhetherTypedIntoOrNot)
{
    SaveTournament(db, t, true);
    open();
    w->show();
    // Typed: the cell clicked and the keys given, Finish clicked without
    // Enter (the cell still being typed into) or after it; else the text set
    // from outside.
    const struct {
        const char* grid;
        long row;
        long col;
        int page;
        const char* text;
        bool typed;
        bool enter;
        const char* message;
    } refusals[] = {
        {"gridLevels", 5, 1, 3, "-3", true, false, "Ante cannot be negative."},
        {"gridLevels", 3, 3, 3, "-200", false, false, "Big blind cannot be negative."},
        {"gridLevels", 2, 7, 3, "-200", false, false, "Break time cannot be negative."},
        {"gridLevels", 4, 2, 3, "2o", true, true, "Small Blind must be numeric."},
        {"grid", 3, 1, 4, "-200", false, false, "Payouts cannot be negative."},
        {"grid", 2, 1, 4, "3o", true, true, "Payouts must be numeric.    Set to 0 if you don't want to have a payout."},
        {"grid", 4, 2, 4, "-", true, false, "Points must be numeric.  Set to 0 if you don't want to include points."},
        {"grid", 2, 1, 4, "150", false, false, "The payout of place 1 cannot be above 100%."},
    };
    for (const auto& r : refusals) {
        auto* g = c<ctlDataEntryGrid>(QString::fromLatin1(r.grid));
        if (r.typed) {
            w->ShowWizardPage(r.page);
            auto* cells = g->findChild<FlexGrid*>(QStringLiteral("grid"));
            const QPoint at = cells->viewport()->mapFrom(cells, cells->CellRect(r.row, r.col).center());
            QTest::mouseClick(cells->viewport(), Qt::LeftButton, {}, at);
            ASSERT_EQ(std::pair(g->Row(), g->Col()), std::pair(r.row, r.col)) << r.message;
            QTest::keyClicks(cells, QString::fromLatin1(r.text));
            if (r.enter)
                QTest::keyClick(cells, Qt::Key_Return);
        } else {
            g->setTextMatrix(r.row, r.col, QString::fromLatin1(r.text));
        }
        EXPECT_EQ(g->TextMatrix(r.row, r.col), QString::fromLatin1(r.text)) << "kept as typed: " << r.message;
        prompts.messages.clear();
        QTest::mouseClick(c<QPushButton>(QStringLiteral("cmdFinish")), Qt::LeftButton);
        EXPECT_EQ(prompts.messages, QStringList {QString::fromLatin1(r.message)});
        EXPECT_EQ(w->mintCurrentPage, r.page);
        EXPECT_FALSE(w->mbOKed);
        ASSERT_TRUE(w->focusWidget() && g->isAncestorOf(w->focusWidget())) << r.message;
        EXPECT_EQ(std::pair(g->Row(), g->Col()), std::pair(r.row, r.col)) << r.message;
        auto* cells = g->findChild<FlexGrid*>(QStringLiteral("grid"));
        EXPECT_TRUE(cells->CurrentMarked()) << "shown selected: " << r.message;
        QTest::keyClicks(w->focusWidget(), QStringLiteral("8"));
        EXPECT_EQ(g->TextMatrix(r.row, r.col), QStringLiteral("8")) << r.message;
        EXPECT_FALSE(cells->CurrentMarked()) << r.message;
    }
    OpenTournament stored;
    LoadTournament(db, stored, t.glngCurrentTournamentID, false);
    EXPECT_EQ(stored.gdblLevelBigBlind[3], t.gdblLevelBigBlind[3]) << "nothing is stored";
}
