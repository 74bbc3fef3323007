#pragma once

#include <QString>
#include <vector>

class Database;

// The layout of zr.mdb and its version chain. tblVersion holds one row, the
// code of the last step applied; every start brings the file forward from
// there, one step at a time. A new file is made in the oldest layout
// (INITIAL) and brought forward by the same steps.

// Creates the tables of the INITIAL layout (without tblVersion) in one
// transaction.
void CreateBaseSchema(Database& db);

// One step of the chain: the code it is compared by (upper case), the text
// it stores in tblVersion, and its statements.
struct UpgradeStep {
    QString code;
    QString stamp;
    void (*apply)(Database& db);
};

// The steps in chain order; the layout before the first is INITIAL, the
// layout after the last is the current one.
const std::vector<UpgradeStep>& UpgradeSteps();

// The statements of each step (its stamp is written by the check).
void UpgradeToVerona(Database& db);
void UpgradeToErlanger(Database& db);
void UpgradeToVegas(Database& db);
void UpgradeToVegas10(Database& db);
void UpgradeToNYNYLV(Database& db);
void UpgradeToQUORVEL(Database& db);
void UpgradeToQUORVEL2(Database& db);
void UpgradeToBengals(Database& db);
void UpgradeToVantish(Database& db);

// Creates tblVersion (with the row "INITIAL") when no table has exactly that
// name, reads the stored code without regard to letter case and runs every
// step after it in order. A code outside the chain, the current one or Null
// runs nothing. Each step runs in one transaction together with its stamp:
// a step that fails leaves nothing of itself behind, so the next start runs
// it again from the beginning. Then makes the lookup indexes
// (CreateLookupIndexes), where a table of another layout never fails the check. An error is shown through prompter()
// with the engine's own text and ends the check; returns false then.
bool CheckDatabaseVersion(Database& db);

// The indexes of the lookups every floor command and load runs: an entrant
// by tournament and player, a tournament's payout places, levels and awards,
// a league's members. They are no part of the layout and leave the stored
// version alone: each is made when missing, on the tables there are, so a
// file of any layout, older or newer, gets them at every start. Each one is
// made on its own and only where it fits: a missing table or column skips
// that index without a message, and an index already there is left as it is.
// Any other error making one (a locked file, one that cannot be written) is
// raised as a DatabaseError.
void CreateLookupIndexes(Database& db);
