#pragma once

#include "LeagueTestData.h"
#include "core/setup/NewTournament.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/setup/frmAddEditAward.h"
#include "gui/setup/frmAddEditTournament.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

// A wizard on a stored-looking tournament of the league "Tuesday": ten
// levels, three places at 60/30/10 %, four chip colours, 20 players
// expected at 20 each.
class WizardFixture : public LeagueDatabaseTest {
protected:
    void SetUp() override
    {
        LeagueDatabaseTest::SetUp();
        setProgramDatabase(&db);
        programSettings() = ProgramSettings();
        programSettings().gstrMoneyFormat = QStringLiteral("$#,##0");
        t = makeBlankTournament(QDate(2026, 3, 7));
        t.glngCurrentLeagueID = addLeague(QStringLiteral("Tuesday"));
        t.gstrTournamentName = QStringLiteral("Week 1");
        anna = addPlayer(QStringLiteral("anna"), {t.glngCurrentLeagueID});
        bob = addPlayer(QStringLiteral("Bob"), {t.glngCurrentLeagueID});
    }
    void TearDown() override
    {
        w.reset();
        programSettings() = ProgramSettings();
        setProgramDatabase(nullptr);
        LeagueDatabaseTest::TearDown();
    }

    void open(bool isNew = false)
    {
        w = std::make_unique<frmAddEditTournament>(t);
        w->LoadData(isNew);
    }
    // The wizard's control of that name and type. A missing one ends the test
    // with its name (the exception fails it) rather than crashing the run
    // where the caller uses it.
    template <typename T = QWidget>
    T* c(const QString& name) const
    {
        T* found = w->findChild<T*>(name);
        if (!found)
            throw std::runtime_error("the wizard has no " + std::string(T::staticMetaObject.className()) + " named "
                                     + name.toStdString());
        return found;
    }
    QString cell(const char* grid, long r, long col) const
    {
        return c<ctlDataEntryGrid>(QString::fromLatin1(grid))->TextMatrix(r, col);
    }
    QString estimate(long r) const { return c<FlexGrid>(QStringLiteral("gridEstPayouts"))->TextMatrix(r, 1); }
    void type(const char* box, const QString& value) { c<QLineEdit>(QString::fromLatin1(box))->setText(value); }
    void choose(const char* combo, int position)
    {
        c<QComboBox>(QString::fromLatin1(combo))->setCurrentIndex(position);
    }
    void setPayouts(const QStringList& texts)
    {
        auto* g = c<ctlDataEntryGrid>(QStringLiteral("grid"));
        for (int i = 0; i < texts.size(); ++i)
            g->setTextMatrix(i + 1, 1, texts[i]);
        w->CalcEstimates();
    }
    // Answers the award dialog with an entry of its own making.
    void answerAward(std::function<void(frmAddEditAward&)> fill)
    {
        w->showAwardDialog = [fill](frmAddEditAward& d) {
            fill(d);
            d.cmdOK_Click();
            return d.mbOKed;
        };
    }
    static void bounty(frmAddEditAward& d, int player)
    {
        d.optBounty->setChecked(true);
        d.cmbPlayer->setCurrentIndex(player);
    }
    static void award(frmAddEditAward& d, const QString& description, const QString& dollars)
    {
        d.optAward->setChecked(true);
        d.cmbDescription->setCurrentText(description);
        d.txtDollars->setText(dollars);
    }

    OpenTournament t;
    Long anna = 0, bob = 0;
    std::unique_ptr<frmAddEditTournament> w;
};
