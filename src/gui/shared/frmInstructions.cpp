#include "gui/shared/frmInstructions.h"

#include "core/platform/Twips.h"
#include "core/store/OpenFileOrLink.h"
#include "core/store/SettingsKeys.h"
#include "gui/controls/ctlButton.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString helpPage(const QString& name)
{
    QFile file(QStringLiteral(":/help/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QRadioButton* option(QWidget* parent, QLayout* layout, const char* name, const QString& text)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    layout->addWidget(button);
    return button;
}

ctlButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new ctlButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setCaption(caption);
    b->setFixedHeight(28);
    return b;
}

QPointer<frmInstructions> gInstructions;

} // namespace

frmInstructions::frmInstructions(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInstructions"));
    setWindowTitle(QStringLiteral("Instructions"));
    setAttribute(Qt::WA_DeleteOnClose);

    txtSystem = helpPage(QStringLiteral("system.html"));
    txtManager = helpPage(QStringLiteral("manager.html"));
    txtSetup = helpPage(QStringLiteral("setup.html"));

    auto* layout = new QVBoxLayout(this);
    auto* options = new QHBoxLayout;
    optSystem = option(this, options, "optSystem", QStringLiteral("System Management Screen"));
    optZorvane = option(this, options, "optZorvane", QStringLiteral("Zorvane Screen"));
    optTournamentSetup = option(this, options, "optTournamentSetup", QStringLiteral("Tournament Setup Screen"));
    optWeb = option(this, options, "optWeb", QStringLiteral("Visit us on the Web"));
    layout->addLayout(options);

    rtbInstructions = new QTextBrowser(this);
    rtbInstructions->setObjectName(QStringLiteral("rtbInstructions"));
    rtbInstructions->setOpenLinks(false);
    layout->addWidget(rtbInstructions, 1);

    lblWeb = new QLabel(QStringLiteral("For support and product updates, visit us on the web at:"), this);
    lblWeb->setObjectName(QStringLiteral("lblWeb"));
    layout->addWidget(lblWeb);
    const QString site = ReadSetting(ProductWebSiteKey).trimmed();
    btnWeb = button(this, "btnWeb", site.isEmpty() ? NoWebSiteText() : site);
    layout->addWidget(btnWeb);
    layout->addStretch(0);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    btnClose = button(this, "btnClose", QStringLiteral("Close"));
    btnClose->setFixedWidth(100);
    bottom->addWidget(btnClose);
    layout->addLayout(bottom);

    connect(optSystem, &QRadioButton::clicked, this, &frmInstructions::optSystem_Click);
    connect(optZorvane, &QRadioButton::clicked, this, &frmInstructions::optZorvane_Click);
    connect(optTournamentSetup, &QRadioButton::clicked, this, &frmInstructions::optTournamentSetup_Click);
    connect(optWeb, &QRadioButton::clicked, this, &frmInstructions::optWeb_Click);
    connect(btnWeb, &ctlButton::Click, this, &frmInstructions::btnWeb_Click);
    connect(btnClose, &ctlButton::Click, this, &QDialog::close);

    resize(sizeHint().expandedTo(QSize(680, 540)));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(CornerPosition(screen->availableGeometry(), frameGeometry().size()));

    ShowPage(Page::System);
}

QPoint frmInstructions::CornerPosition(const QRect& screen, const QSize& window)
{
    return {screen.right() + 1 - window.width() - TwipsToPixels(120),
            screen.bottom() + 1 - window.height() - TwipsToPixels(300)};
}

void frmInstructions::ShowPage(Page page)
{
    switch (page) {
    case Page::System:
        optSystem->setChecked(true);
        optSystem_Click();
        break;
    case Page::Zorvane:
        optZorvane->setChecked(true);
        optZorvane_Click();
        break;
    case Page::TournamentSetup:
        optTournamentSetup->setChecked(true);
        optTournamentSetup_Click();
        break;
    case Page::Web:
        optWeb->setChecked(true);
        optWeb_Click();
        break;
    }
}

void frmInstructions::showHelpText(const QString& source)
{
    rtbInstructions->setHtml(source);
    lblWeb->hide();
    btnWeb->hide();
    rtbInstructions->show();
}

void frmInstructions::optSystem_Click() { showHelpText(txtSystem); }
void frmInstructions::optZorvane_Click() { showHelpText(txtManager); }
void frmInstructions::optTournamentSetup_Click() { showHelpText(txtSetup); }

void frmInstructions::optWeb_Click()
{
    lblWeb->show();
    btnWeb->show();
    rtbInstructions->hide();
}

void frmInstructions::btnWeb_Click()
{
    // The address the user reads is the one opened.
    const QString caption = btnWeb->Caption();
    OpenWebSite(caption == NoWebSiteText() ? QString() : caption);
}

frmInstructions* openInstructions() { return gInstructions.data(); }

void ShowInstructions(frmInstructions::Page page, bool modal)
{
    if (!gInstructions)
        gInstructions = new frmInstructions;
    gInstructions->ShowPage(page);
    if (gInstructions->isVisible()) {
        gInstructions->raise();
        gInstructions->activateWindow();
        return;
    }
    if (modal)
        gInstructions->exec();
    else
        gInstructions->show();
}
