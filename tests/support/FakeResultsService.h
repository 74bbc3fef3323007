#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>
#include <functional>

// A results web service on 127.0.0.1 for tests and for trying the web
// window by hand. It runs in its own thread, serves a service description
// of the twelve operations, answers from one small in-memory account or
// from a per-operation script, and records every call.
class FakeResultsService {
public:
    struct Call {
        QString operation;
        QString soapAction; // as sent, quotes included
        QString contentType;
        QStringList argumentNames;
        QStringList arguments;
    };

    // How an operation is answered: from the account, with a set reply,
    // an HTTP 500 fault, bytes that are no XML, a closed connection, the
    // call stored in the account and then a closed connection, not at all,
    // or the call stored and then not answered. The next four store the
    // call and then answer with bytes that are no XML, with HTTP 500 and an
    // HTML error page, with a body of `reply` bytes (when empty, 1 MiB more
    // than a client takes), or with the set reply. StoreThenRedirect stores
    // it and sends the client elsewhere on the site with the HTTP status in
    // `reply` (307 when empty); StoreLater answers nothing and stores the
    // call `reply` milliseconds later, after the client has given up.
    enum class Behaviour {
        Account,
        Reply,
        Fault,
        Garbage,
        Close,
        StoreThenClose,
        Silent,
        StoreThenSilent,
        StoreThenGarbage,
        StoreThenServerError,
        StoreThenOversize,
        StoreThenReply,
        StoreThenRedirect,
        StoreLater
    };
    struct Script {
        Behaviour behaviour = Behaviour::Account;
        QString reply; // the reply text, the fault's text, or the oversize body's bytes
    };

    struct Account {
        QString login = QStringLiteral("director@example.com");
        QString password = QStringLiteral("secret");
        QString question = QStringLiteral("Name of your first dog?");
        QString answer = QStringLiteral("Rex");
        qint32 league = 42;
        // The league record, field by field.
        QStringList leagueFields {QStringLiteral("Wednesday Poker"),
                                  QStringLiteral("True"),
                                  QStringLiteral("False"),
                                  QStringLiteral("Springfield"),
                                  QStringLiteral("IL"),
                                  QStringLiteral("USA"),
                                  QStringLiteral("Next game Friday"),
                                  QString(),
                                  QString(),
                                  QStringLiteral("Pat"),
                                  QStringLiteral("Jones")};
        QList<QPair<qint32, QString>> tournaments; // posted: number, name
        QStringList refusedTournaments; // names InsertWebTournament refuses
        QStringList refusedPlayers; // players InsertWebPlayerResult4 refuses
        QList<QStringList> results; // the arguments of each posted result after the password
        QList<QStringList> emails; // recipients, reply-to, subject, body
        qint32 nextTournament = 100;
    };

    // What the served description looks like.
    struct DescriptionOptions {
        bool qualified = true; // parameters in the service's namespace
        QString parameterPrefix = QStringLiteral("arg"); // parameters are named prefix1, prefix2, ...
        QString style = QStringLiteral("document");
        QString omitted; // an operation left out
        QString extraParameterFor; // an operation given one parameter too many
    };
    static QByteArray Description(const DescriptionOptions& options, const QString& address);

    // Listens on 127.0.0.1 at the port (0: a free one).
    explicit FakeResultsService(quint16 port = 0);
    ~FakeResultsService();
    FakeResultsService(const FakeResultsService&) = delete;
    FakeResultsService& operator=(const FakeResultsService&) = delete;

    bool isListening() const { return m_port != 0; }
    quint16 port() const { return m_port; }
    // The address to set as the results web site.
    QString address() const;

    void setDescription(const DescriptionOptions& options);
    void setDescription(const QByteArray& description);
    void script(const QString& operation, const Script& how);
    void clearScripts();
    Account account() const;
    void setAccount(const Account& account);
    QList<Call> calls() const;
    QStringList operationsCalled() const;

    // Runs on the service's thread for each call.
    void setCallObserver(std::function<void(const Call&)> observer);

    // A call as one line, with passwords and answers as ***.
    static QString MaskedLine(const Call& call);

private:
    class Server;
    friend class Server;
    QByteArray answer(const QByteArray& method, const QString& target, const QMap<QByteArray, QByteArray>& headers,
                      const QByteArray& body, bool& close, bool& silent);
    QString accountReply(const Call& call);
    QByteArray page(const QString& target);

    mutable QMutex m_mutex;
    QThread m_thread;
    Server* m_server = nullptr;
    quint16 m_port = 0;
    QByteArray m_description;
    bool m_customDescription = false;
    QMap<QString, Script> m_scripts;
    Account m_account;
    QList<Call> m_calls;
    std::function<void(const Call&)> m_observer;
};
