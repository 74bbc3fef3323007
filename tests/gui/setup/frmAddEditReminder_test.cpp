#include "TestSupport.h"
#include "WindowTestHelpers.h"
#include "gui/setup/frmAddEditReminder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

TEST(ReminderEditor, OkTakesTheTextAndPauseCancelKeepsThem)
{
    QString reminder = QStringLiteral("Serve Snacks");
    bool pause = true;
    OnNextDialog<frmAddEditReminder>([](frmAddEditReminder& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Add/Edit Reminder"));
        EXPECT_EQ(d.cmbReminder->count(), 7);
        EXPECT_EQ(d.cmbReminder->currentText(), QStringLiteral("Serve Snacks"));
        EXPECT_TRUE(d.chkPause->isChecked());
        d.cmbReminder->setEditText(QStringLiteral("Pay the dealers"));
        d.chkPause->setChecked(false);
        d.cmdCancel->click();
    });
    EXPECT_FALSE(frmAddEditReminder::edit(nullptr, reminder, pause));
    EXPECT_EQ(reminder, QStringLiteral("Serve Snacks"));
    EXPECT_TRUE(pause);

    OnNextDialog<frmAddEditReminder>([](frmAddEditReminder& d) {
        d.cmbReminder->setEditText(QStringLiteral("Pay the dealers"));
        d.chkPause->setChecked(false);
        d.cmdOK->click();
    });
    EXPECT_TRUE(frmAddEditReminder::edit(nullptr, reminder, pause));
    EXPECT_EQ(reminder, QStringLiteral("Pay the dealers"));
    EXPECT_FALSE(pause);
}
