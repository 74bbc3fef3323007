#include "gui/floor/frmHandTimer.h"

#include "core/platform/SteadyClock.h"
#include "core/store/ProgramSettings.h"
#include "gui/display/frmAppearance.h"
#include "gui/floor/FloorCommands.h"
#include "gui/floor/frmMain.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton* addButton(QWidget* parent, QLayout* row, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

int handTimerMinutes() { return programSettings().gintHandTimer; }

} // namespace

frmHandTimer::frmHandTimer(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHandTimer"));
    setWindowTitle(QStringLiteral("Hand Timer"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* Label1 = new QLabel(QStringLiteral("Hand Timer"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
    layout->addWidget(Label1);

    lblTimer = new QLabel(this);
    lblTimer->setObjectName(QStringLiteral("lblTimer"));
    lblTimer->setAlignment(Qt::AlignCenter);
    lblTimer->setFont(QFont(QStringLiteral("Arial"), 48, QFont::Bold));
    lblTimer->setMinimumWidth(lblTimer->fontMetrics().horizontalAdvance(QStringLiteral("000:00")));
    layout->addWidget(lblTimer);

    auto* row = new QHBoxLayout;
    cmdStartPause = addButton(this, row, "cmdStartPause", QStringLiteral("Start"));
    cmdReset = addButton(this, row, "cmdReset", QStringLiteral("Reset"));
    cmdSettings = addButton(this, row, "cmdSettings", QStringLiteral("Settings..."));
    cmdClose = addButton(this, row, "cmdClose", QStringLiteral("Close"));
    layout->addLayout(row);
    cmdStartPause->setDefault(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);

    connect(cmdStartPause, &QPushButton::clicked, this, &frmHandTimer::cmdStartPause_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmHandTimer::cmdReset_Click);
    connect(cmdSettings, &QPushButton::clicked, this, &frmHandTimer::cmdSettings_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmHandTimer::cmdClose_Click);
    connect(Timer1, &QTimer::timeout, this, &frmHandTimer::Timer1_Timer);

    Form_Load();
}

void frmHandTimer::Form_Load() { cmdReset_Click(); }

void frmHandTimer::ShowModal()
{
    Form_Load();
    exec();
}

void frmHandTimer::cmdStartPause_Click()
{
    mTimer.StartPause(steadyClock().nowMs(), handTimerMinutes());
    showState();
}

void frmHandTimer::cmdReset_Click()
{
    mTimer.Reset(handTimerMinutes());
    showState();
}

void frmHandTimer::cmdSettings_Click()
{
    if (frmMain* w = mainWindow()) {
        w->ShowAppearance();
    } else {
        frmAppearance dialog(this);
        dialog.exec();
    }
}

void frmHandTimer::cmdClose_Click()
{
    mTimer.Reset(handTimerMinutes());
    showState();
    QDialog::reject();
}

void frmHandTimer::reject() { cmdClose_Click(); }

void frmHandTimer::Timer1_Timer()
{
    mTimer.Tick(steadyClock().nowMs());
    showState();
}

void frmHandTimer::showState()
{
    lblTimer->setText(mTimer.text());
    cmdStartPause->setText(mTimer.startPauseCaption());
    if (!mTimer.running())
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}

frmHandTimer& handTimerWindow()
{
    static frmHandTimer* window = new frmHandTimer;
    return *window;
}
