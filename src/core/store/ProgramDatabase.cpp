#include "core/store/ProgramDatabase.h"

#include "core/platform/AppPaths.h"
#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/store/DatabaseSchema.h"

#include <QFileInfo>

bool OpenProgramDatabase()
{
    Database& db = gobjDatabase();
    const QString file = AppPaths::databaseFile();
    try {
        db.open(file);
    } catch (const DatabaseError& e) {
        prompter().message(e.text());
        return false;
    }
    try {
        if (db.tableNames().isEmpty())
            CreateBaseSchema(db);
    } catch (const DatabaseError& e) {
        db.close();
        prompter().message(QStringLiteral("The database \"%1\" cannot be created: %2")
                               .arg(QFileInfo(file).absoluteFilePath(), e.text()));
        return false;
    }
    CheckDatabaseVersion(db);
    return true;
}
