#include "core/platform/ReportFailures.h"

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"

#include <QDebug>
#include <exception>

bool ReportFailures(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const DatabaseError& e) {
        // Every database failure the director sees names the database's file.
        const QString file = gobjDatabase().fileName();
        prompter().message(e.fileName().isEmpty() && !file.isEmpty()
                               ? QString::fromUtf8(DatabaseError(e.text(), file).what())
                               : QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        prompter().message(QString::fromUtf8(e.what()));
    } catch (...) {
        prompter().message(QStringLiteral("An unexpected error stopped this command."));
    }
    return false;
}

bool LogFailures(const QString& step, const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        qWarning().noquote() << step << "failed:" << e.what();
    } catch (...) {
        qWarning().noquote() << step << "failed";
    }
    return false;
}
