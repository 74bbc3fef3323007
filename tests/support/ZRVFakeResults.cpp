// A results web service on this computer for trying the web results window:
// prints the address to set as ResultsWebSite, then one line per call, with
// passwords and answers as ***.

#include "FakeResultsService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QMap>
#include <QMutex>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZRVFakeResults"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A results web service for trying the web results window."));
    parser.addHelpOption();
    const FakeResultsService::Account defaults;
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port on 127.0.0.1; 0 takes a free one."),
                                  QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption login(QStringLiteral("login"), QStringLiteral("The account's login."),
                                   QStringLiteral("login"), defaults.login);
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("The account's password."),
                                      QStringLiteral("password"), defaults.password);
    const QCommandLineOption answer(QStringLiteral("answer"), QStringLiteral("The answer to the security question."),
                                    QStringLiteral("answer"), defaults.answer);
    const QCommandLineOption script(
        QStringLiteral("script"),
        QStringLiteral(
            "How an operation is answered instead of from the account, to try failures by hand: "
            "Operation=reply:TEXT, fault:TEXT, garbage, close, store-then-close (stores the call, then "
            "closes without answering), silent, store-then-silent (stores the call, then never answers), "
            "store-then-garbage (stores the call, then answers with bytes that are no XML), "
            "store-then-http500 (stores the call, then answers HTTP 500 with an HTML page) or "
            "store-then-oversize[:BYTES] (stores the call, then answers with a body of that many bytes, "
            "by default 1 MiB more than the program takes) or store-then-reply:TEXT (stores the call, "
            "then answers with that reply), store-then-redirect[:STATUS] (stores the call, then sends the program "
            "elsewhere with HTTP status 307 or the one given) or store-later:MS (answers nothing and stores "
            "the call that many milliseconds later). May be given more than once."),
        QStringLiteral("operation=how"));
    parser.addOptions({port, login, password, answer, script});
    parser.process(app);

    QMap<QString, FakeResultsService::Script> scripts;
    for (const QString& given : parser.values(script)) {
        const QString operation = given.section(QLatin1Char('='), 0, 0);
        const QString how = given.section(QLatin1Char('='), 1);
        const QString kind = how.section(QLatin1Char(':'), 0, 0);
        const QString text = how.section(QLatin1Char(':'), 1);
        using B = FakeResultsService::Behaviour;
        const QMap<QString, B> kinds {{QStringLiteral("reply"), B::Reply},
                                      {QStringLiteral("fault"), B::Fault},
                                      {QStringLiteral("garbage"), B::Garbage},
                                      {QStringLiteral("close"), B::Close},
                                      {QStringLiteral("store-then-close"), B::StoreThenClose},
                                      {QStringLiteral("silent"), B::Silent},
                                      {QStringLiteral("store-then-silent"), B::StoreThenSilent},
                                      {QStringLiteral("store-then-garbage"), B::StoreThenGarbage},
                                      {QStringLiteral("store-then-http500"), B::StoreThenServerError},
                                      {QStringLiteral("store-then-oversize"), B::StoreThenOversize},
                                      {QStringLiteral("store-then-reply"), B::StoreThenReply},
                                      {QStringLiteral("store-then-redirect"), B::StoreThenRedirect},
                                      {QStringLiteral("store-later"), B::StoreLater}};
        bool sized = true;
        const B behaviour = kinds.value(kind);
        if ((behaviour == B::StoreThenOversize || behaviour == B::StoreThenRedirect) && !text.isEmpty())
            text.toLongLong(&sized);
        if (behaviour == B::StoreLater)
            text.toInt(&sized);
        if (operation.isEmpty() || !kinds.contains(kind) || !sized) {
            QTextStream(stderr) << "Cannot read the script \"" << given << "\"." << Qt::endl;
            return 2;
        }
        scripts.insert(operation, {kinds.value(kind), text});
    }

    bool portOk = false;
    const uint portNumber = parser.value(port).toUInt(&portOk);
    if (!portOk || portNumber > 65535) {
        QTextStream(stderr) << "The port must be a number from 0 to 65535." << Qt::endl;
        return 2;
    }
    FakeResultsService service(static_cast<quint16>(portNumber));
    if (!service.isListening()) {
        QTextStream(stderr) << "Cannot listen on 127.0.0.1 port " << portNumber << '.' << Qt::endl;
        return 1;
    }
    FakeResultsService::Account account;
    account.login = parser.value(login);
    account.password = parser.value(password);
    account.answer = parser.value(answer);
    service.setAccount(account);
    for (auto it = scripts.cbegin(); it != scripts.cend(); ++it)
        service.script(it.key(), it.value());

    QTextStream out(stdout);
    out << service.address() << Qt::endl;
    service.setCallObserver(
        [&out](const FakeResultsService::Call& call) { out << FakeResultsService::MaskedLine(call) << Qt::endl; });
    return app.exec();
}
