#include "upgrade/UpgradePrompts.h"

#include "upgrade/frmUpgrade.h"

#include <QFileDialog>
#include <QMessageBox>

void DialogUpgradePrompts::message(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, frmUpgrade::Caption(), text);
}

std::optional<QString> DialogUpgradePrompts::chooseProgram(QWidget* parent, const QString& startPath)
{
    const QString chosen
        = QFileDialog::getOpenFileName(parent, frmUpgrade::Caption(), startPath, QStringLiteral("ZRV (ZRV)"));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}
