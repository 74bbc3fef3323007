#include "gui/home/frmAbout.h"

#include "core/platform/ProgramTitle.h"
#include "gui/controls/Artwork.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace {

QLabel* addLabel(QWidget* parent, QLayout* layout, const char* name, const QString& text, int pointSize,
                 bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    label->setFont(font);
    layout->addWidget(label);
    return label;
}

} // namespace

QString VersionText()
{
    const QVersionNumber v = QVersionNumber::fromString(QCoreApplication::applicationVersion().isEmpty()
                                                            ? QStringLiteral(ZRV_VERSION)
                                                            : QCoreApplication::applicationVersion());
    return QStringLiteral("Version %1.%2.%3").arg(v.majorVersion()).arg(v.minorVersion()).arg(v.microVersion());
}

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ProgramTitle());
    setStyleSheet(QStringLiteral("frmAbout { background: white; border: 2px solid #1f4e79; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 24, 30, 24);
    layout->setSpacing(10);

    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(LogoPicture().scaled(220, 158, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Image1->setAlignment(Qt::AlignCenter);
    layout->addWidget(Image1);

    addLabel(this, layout, "lblTitle", ProgramTitle(), 22, true);
    addLabel(this, layout, "lblVersion", VersionText(), 11);

    auto* Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(CardsPicture());
    Image2->setAlignment(Qt::AlignCenter);
    layout->addWidget(Image2);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    layout->addWidget(line);

    addLabel(this, layout, "Label1",
             QStringLiteral("Warning: this program is protected by copyright law. Reproducing or "
                            "distributing it, or any part of it, without permission is not allowed."),
             8);
    addLabel(this, layout, "lblOwnership",
             QStringLiteral("Copyright \u00a9 the %1 developers. All rights reserved.").arg(ProgramTitle()), 8);

    // Kept just outside the visible area: it is the window's cancel button,
    // so Esc closes the window.
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->resize(cmdCancel->sizeHint());
    cmdCancel->move(-cmdCancel->width(), 0);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAbout::closeWindow);

    tmrStartup = new QTimer(this);
    tmrStartup->setObjectName(QStringLiteral("tmrStartup"));
    tmrStartup->setInterval(2000);
    tmrStartup->setSingleShot(true);
    connect(tmrStartup, &QTimer::timeout, this, &frmAbout::closeWindow);

    for (QLabel* label : findChildren<QLabel*>())
        label->installEventFilter(this);

    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}

void frmAbout::ShowAsSplash()
{
    tmrStartup->start();
    exec();
}

void frmAbout::ShowAsAbout()
{
    tmrStartup->stop();
    exec();
}

void frmAbout::reject() { closeWindow(); }

void frmAbout::closeWindow()
{
    tmrStartup->stop();
    if (isVisible())
        QDialog::reject();
    else
        hide();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        closeWindow();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    closeWindow();
}

frmAbout& aboutWindow()
{
    static frmAbout* window = new frmAbout;
    return *window;
}
