#pragma once

#include "gui/home/NameListDialogs.h"

// "Change League Name"
class frmChangeLeagueName : public NamePromptDialog {
    Q_OBJECT
public:
    explicit frmChangeLeagueName(QWidget* parent = nullptr);
    Long mlngLeagueId = 0;

protected:
    bool validate(const QString& name) override;
};

// "Open League": renames and deletes leagues; one league always stays.
class frmLeagueMaintenance : public NameListDialog {
    Q_OBJECT
public:
    explicit frmLeagueMaintenance(QWidget* parent = nullptr);
    QListWidget* lstLeagues;

    void cmdRename_Click() override;
    void cmdDelete_Click() override;
};
