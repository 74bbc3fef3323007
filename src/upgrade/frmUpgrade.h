#pragma once

#include <QDialog>
#include <memory>

class FileOperations;
class QLabel;
class QLineEdit;
class QPushButton;
class UpgradePrompts;

// The upgrade program's one window: the installed ZRV's path, Upgrade and
// Exit. Closing it ends the program.
class frmUpgrade : public QDialog {
    Q_OBJECT

public:
    // prompts and files default to the real dialogs and the real files.
    frmUpgrade(const QString& toolFolder, const QString& dataFolder, UpgradePrompts* prompts = nullptr,
               FileOperations* files = nullptr, QWidget* parent = nullptr);
    ~frmUpgrade() override;

    static QString Caption();

    void Form_Load();
    void cmdBrowse_Click();
    void cmdUpgrade_Click();
    void cmdCancel_Click();

    QLabel* Label1;
    QLineEdit* txtFile;
    QPushButton* cmdBrowse;
    QLabel* Label2;
    QPushButton* cmdUpgrade;
    QPushButton* cmdCancel;

private:
    QString mToolFolder;
    QString mDataFolder;
    std::unique_ptr<UpgradePrompts> mOwnPrompts;
    std::unique_ptr<FileOperations> mOwnFiles;
    UpgradePrompts* mPrompts;
    FileOperations* mFiles;
};
