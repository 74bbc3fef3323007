#include "gui/floor/frmReminder.h"

#include "gui/controls/Artwork.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

frmReminder::frmReminder(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReminder"));
    setWindowTitle(QStringLiteral("Reminder"));
    setWindowModality(Qt::ApplicationModal);

    auto* layout = new QGridLayout(this);
    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ReminderPicture());
    Image1->setAlignment(Qt::AlignTop);
    layout->addWidget(Image1, 0, 0, 2, 1);

    auto* Label1 = new QLabel(QStringLiteral("Reminder To:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    layout->addWidget(Label1, 0, 1);

    lblReminder = new QLabel(this);
    lblReminder->setObjectName(QStringLiteral("lblReminder"));
    lblReminder->setFont(QFont(QStringLiteral("Arial"), 16));
    lblReminder->setWordWrap(true);
    lblReminder->setMinimumWidth(320);
    layout->addWidget(lblReminder, 1, 1);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    layout->addWidget(cmdOK, 2, 1, Qt::AlignRight);
    connect(cmdOK, &QPushButton::clicked, this, &frmReminder::cmdOK_Click);
}

void frmReminder::ShowReminder(const QString& text, std::function<void()> onClosed)
{
    lblReminder->setText(text);
    mOnClosed = std::move(onClosed);
    adjustSize();
    show();
    raise();
    activateWindow();
}

void frmReminder::cmdOK_Click() { accept(); }

void frmReminder::done(int result)
{
    QDialog::done(result);
    // Taken first: what runs may show the next reminder.
    if (auto onClosed = std::exchange(mOnClosed, nullptr))
        onClosed();
}

frmReminder& reminderWindow()
{
    static frmReminder* window = new frmReminder;
    return *window;
}
