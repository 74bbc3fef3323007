#include "upgrade/frmUpgrade.h"

#include "core/platform/ProgramTitle.h"
#include "gui/controls/Named.h"
#include "upgrade/FileOperations.h"
#include "upgrade/UpgradeEngine.h"
#include "upgrade/UpgradePrompts.h"

#include <QCursor>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The busy pointer for the upgrade's lifetime, restored on every way out.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

frmUpgrade::frmUpgrade(const QString& toolFolder, const QString& dataFolder, UpgradePrompts* prompts,
                       FileOperations* files, QWidget* parent)
    : QDialog(parent)
    , mToolFolder(toolFolder)
    , mDataFolder(dataFolder)
    , mOwnPrompts(prompts ? nullptr : std::make_unique<DialogUpgradePrompts>())
    , mOwnFiles(files ? nullptr : std::make_unique<DiskFileOperations>())
    , mPrompts(prompts ? prompts : mOwnPrompts.get())
    , mFiles(files ? files : mOwnFiles.get())
{
    setObjectName(QStringLiteral("frmUpgrade"));
    setWindowTitle(Caption());

    Label1 = named(new QLabel(QStringLiteral("Previous Version Location"), this), QStringLiteral("Label1"));
    txtFile = named(new QLineEdit(DefaultProgramPath(toolFolder), this), QStringLiteral("txtFile"));
    txtFile->setMinimumWidth(360);
    cmdBrowse = named(new QPushButton(QStringLiteral(".."), this), QStringLiteral("cmdBrowse"));
    cmdBrowse->setAutoDefault(false);
    cmdBrowse->setFixedWidth(cmdBrowse->sizeHint().height() * 3 / 2);
    Label2 = named(
        new QLabel(
            QStringLiteral("Please make sure %1 is not running before starting the upgrade.").arg(ProgramTitle()),
            this),
        QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    cmdUpgrade = named(new QPushButton(QStringLiteral("Upgrade"), this), QStringLiteral("cmdUpgrade"));
    cmdUpgrade->setDefault(true);
    cmdCancel = named(new QPushButton(QStringLiteral("Exit"), this), QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(txtFile, 1, 0);
    grid->addWidget(cmdBrowse, 1, 1);
    grid->addWidget(Label2, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdUpgrade);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmUpgrade::cmdBrowse_Click);
    connect(cmdUpgrade, &QPushButton::clicked, this, &frmUpgrade::cmdUpgrade_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmUpgrade::cmdCancel_Click);
}

frmUpgrade::~frmUpgrade() = default;

QString frmUpgrade::Caption() { return ProgramTitle() + QStringLiteral(" Upgrade"); }

void frmUpgrade::Form_Load()
{
    raise();
    activateWindow();
}

void frmUpgrade::cmdBrowse_Click()
{
    const QString folder = QFileInfo(txtFile->text()).absolutePath();
    if (const auto chosen = mPrompts->chooseProgram(this, DefaultProgramPath(folder)))
        txtFile->setText(*chosen);
}

void frmUpgrade::cmdUpgrade_Click()
{
    UpgradeResult result;
    {
        BusyPointer busy;
        result = RunUpgrade(UpgradePathsFor(txtFile->text(), mToolFolder, mDataFolder), *mFiles);
    }
    mPrompts->message(this, result.message);
    if (result.complete)
        close();
}

void frmUpgrade::cmdCancel_Click() { close(); }
