// A results web service on this computer for trying the web results window:
// prints the address to set as ResultsWebSite, then one line per call, with
// passwords and answers as ***.

#include "FakeResultsService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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
    parser.addOptions({port, login, password, answer});
    parser.process(app);

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

    QTextStream out(stdout);
    out << service.address() << Qt::endl;
    service.setCallObserver(
        [&out](const FakeResultsService::Call& call) { out << FakeResultsService::MaskedLine(call) << Qt::endl; });
    return app.exec();
}
