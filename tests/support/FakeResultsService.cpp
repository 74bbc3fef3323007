#include "FakeResultsService.h"

#include "core/platform/SoapClient.h"
#include "core/platform/SoapDescription.h"
#include "core/web/WebService.h"

#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QXmlStreamWriter>
#include <memory>

namespace {

const QString ServiceNs = QStringLiteral("http://zrv.example/results/");
const QString Separator = QStringLiteral(",,,~~~");
constexpr char ServicePath[] = "/ZRVResultsShare.asmx";

QString xsdType(SoapType t)
{
    switch (t) {
    case SoapType::Int32:
        return QStringLiteral("s:int");
    case SoapType::Int16:
        return QStringLiteral("s:short");
    case SoapType::Double:
        return QStringLiteral("s:double");
    default:
        return QStringLiteral("s:string");
    }
}

QByteArray httpResponse(int status, const QByteArray& reason, const QByteArray& contentType, const QByteArray& body)
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: " + contentType
        + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

QByteArray soapEnvelope(const std::function<void(QXmlStreamWriter&)>& body)
{
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    const QString env = QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/");
    w.writeStartDocument();
    w.writeNamespace(env, QStringLiteral("soap"));
    w.writeStartElement(env, QStringLiteral("Envelope"));
    w.writeStartElement(env, QStringLiteral("Body"));
    body(w);
    w.writeEndDocument();
    return xml;
}

QString html(const QString& title, const QString& body)
{
    return QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1>%2</body></html>")
        .arg(title.toHtmlEscaped(), body);
}

} // namespace

class FakeResultsService::Server : public QObject {
public:
    explicit Server(FakeResultsService& owner)
        : m_owner(owner)
    {
    }

    quint16 listen(quint16 port)
    {
        m_tcp = new QTcpServer(this);
        if (!m_tcp->listen(QHostAddress::LocalHost, port))
            return 0;
        connect(m_tcp, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_tcp->nextPendingConnection())
                serve(socket);
        });
        return m_tcp->serverPort();
    }

private:
    void serve(QTcpSocket* socket)
    {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QList<QByteArray> lines = buffer->left(end).split('\n');
            const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
            QMap<QByteArray, QByteArray> headers;
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines[i].indexOf(':');
                if (colon > 0)
                    headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
            }
            const qsizetype length = headers.value("content-length").toLongLong();
            if (buffer->size() < end + 4 + length)
                return;
            bool close = false;
            bool silent = false;
            const QByteArray response = m_owner.answer(request.value(0), QString::fromUtf8(request.value(1)), headers,
                                                       buffer->mid(end + 4, length), close, silent);
            buffer->clear();
            if (silent)
                return;
            if (close) {
                socket->abort();
                return;
            }
            socket->write(response);
            socket->disconnectFromHost();
        });
    }

    FakeResultsService& m_owner;
    QTcpServer* m_tcp = nullptr;
};

QByteArray FakeResultsService::Description(const DescriptionOptions& options, const QString& address)
{
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    const QString wsdl = QStringLiteral("http://schemas.xmlsoap.org/wsdl/");
    const QString soap = QStringLiteral("http://schemas.xmlsoap.org/wsdl/soap/");
    const QString xsd = QStringLiteral("http://www.w3.org/2001/XMLSchema");
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeNamespace(wsdl, QStringLiteral("wsdl"));
    w.writeNamespace(soap, QStringLiteral("soap"));
    w.writeNamespace(xsd, QStringLiteral("s"));
    w.writeNamespace(ServiceNs, QStringLiteral("tns"));
    w.writeStartElement(wsdl, QStringLiteral("definitions"));
    w.writeAttribute(QStringLiteral("targetNamespace"), ServiceNs);

    QList<WebOperation> operations;
    for (WebOperation op : WebOperations()) {
        if (op.name == options.omitted)
            continue;
        if (op.name == options.extraParameterFor)
            op.arguments << SoapType::Text;
        operations << op;
    }

    w.writeStartElement(wsdl, QStringLiteral("types"));
    w.writeStartElement(xsd, QStringLiteral("schema"));
    w.writeAttribute(QStringLiteral("targetNamespace"), ServiceNs);
    if (options.qualified)
        w.writeAttribute(QStringLiteral("elementFormDefault"), QStringLiteral("qualified"));
    auto element = [&](const QString& name, const QList<QPair<QString, QString>>& children) {
        w.writeStartElement(xsd, QStringLiteral("element"));
        w.writeAttribute(QStringLiteral("name"), name);
        w.writeStartElement(xsd, QStringLiteral("complexType"));
        w.writeStartElement(xsd, QStringLiteral("sequence"));
        for (const auto& [childName, type] : children) {
            w.writeEmptyElement(xsd, QStringLiteral("element"));
            w.writeAttribute(QStringLiteral("minOccurs"), QStringLiteral("0"));
            w.writeAttribute(QStringLiteral("name"), childName);
            w.writeAttribute(QStringLiteral("type"), type);
        }
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement();
    };
    for (const WebOperation& op : operations) {
        QList<QPair<QString, QString>> parameters;
        for (qsizetype i = 0; i < op.arguments.size(); ++i)
            parameters.append({options.parameterPrefix + QString::number(i + 1), xsdType(op.arguments[i])});
        element(op.name, parameters);
        element(op.name + QStringLiteral("Response"),
                {{op.name + QStringLiteral("Result"), QStringLiteral("s:string")}});
    }
    w.writeEndElement();
    w.writeEndElement();

    for (const WebOperation& op : operations) {
        for (const char* direction : {"In", "Out"}) {
            w.writeStartElement(wsdl, QStringLiteral("message"));
            w.writeAttribute(QStringLiteral("name"), op.name + QStringLiteral("Soap") + QString::fromLatin1(direction));
            w.writeEmptyElement(wsdl, QStringLiteral("part"));
            w.writeAttribute(QStringLiteral("name"), QStringLiteral("parameters"));
            w.writeAttribute(QStringLiteral("element"),
                             QStringLiteral("tns:") + op.name
                                 + (direction[0] == 'O' ? QStringLiteral("Response") : QString()));
            w.writeEndElement();
        }
    }
    w.writeStartElement(wsdl, QStringLiteral("portType"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("ResultsShareSoap"));
    for (const WebOperation& op : operations) {
        w.writeStartElement(wsdl, QStringLiteral("operation"));
        w.writeAttribute(QStringLiteral("name"), op.name);
        w.writeEmptyElement(wsdl, QStringLiteral("input"));
        w.writeAttribute(QStringLiteral("message"), QStringLiteral("tns:") + op.name + QStringLiteral("SoapIn"));
        w.writeEmptyElement(wsdl, QStringLiteral("output"));
        w.writeAttribute(QStringLiteral("message"), QStringLiteral("tns:") + op.name + QStringLiteral("SoapOut"));
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeStartElement(wsdl, QStringLiteral("binding"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("ResultsShareSoap"));
    w.writeAttribute(QStringLiteral("type"), QStringLiteral("tns:ResultsShareSoap"));
    w.writeEmptyElement(soap, QStringLiteral("binding"));
    w.writeAttribute(QStringLiteral("transport"), QStringLiteral("http://schemas.xmlsoap.org/soap/http"));
    for (const WebOperation& op : operations) {
        w.writeStartElement(wsdl, QStringLiteral("operation"));
        w.writeAttribute(QStringLiteral("name"), op.name);
        w.writeEmptyElement(soap, QStringLiteral("operation"));
        w.writeAttribute(QStringLiteral("soapAction"), ServiceNs + op.name);
        w.writeAttribute(QStringLiteral("style"), options.style);
        for (const char* direction : {"input", "output"}) {
            w.writeStartElement(wsdl, QString::fromLatin1(direction));
            w.writeEmptyElement(soap, QStringLiteral("body"));
            w.writeAttribute(QStringLiteral("use"), QStringLiteral("literal"));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeStartElement(wsdl, QStringLiteral("service"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("ResultsShare"));
    w.writeStartElement(wsdl, QStringLiteral("port"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("ResultsShareSoap"));
    w.writeAttribute(QStringLiteral("binding"), QStringLiteral("tns:ResultsShareSoap"));
    w.writeEmptyElement(soap, QStringLiteral("address"));
    w.writeAttribute(QStringLiteral("location"), address + QString::fromLatin1(ServicePath));
    w.writeEndDocument();
    return xml;
}

FakeResultsService::FakeResultsService(quint16 port)
{
    m_server = new Server(*this);
    m_server->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_server, &QObject::deleteLater);
    m_thread.start();
    quint16 listening = 0;
    QMetaObject::invokeMethod(
        m_server, [this, port, &listening] { listening = m_server->listen(port); }, Qt::BlockingQueuedConnection);
    m_port = listening;
    setDescription(DescriptionOptions {});
}

FakeResultsService::~FakeResultsService()
{
    m_thread.quit();
    m_thread.wait();
}

QString FakeResultsService::address() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

void FakeResultsService::setDescription(const DescriptionOptions& options)
{
    setDescription(Description(options, address()));
}

void FakeResultsService::setDescription(const QByteArray& description)
{
    QMutexLocker lock(&m_mutex);
    m_description = description;
}

void FakeResultsService::script(const QString& operation, const Script& how)
{
    QMutexLocker lock(&m_mutex);
    m_scripts.insert(operation, how);
}

void FakeResultsService::clearScripts()
{
    QMutexLocker lock(&m_mutex);
    m_scripts.clear();
}

FakeResultsService::Account FakeResultsService::account() const
{
    QMutexLocker lock(&m_mutex);
    return m_account;
}

void FakeResultsService::setAccount(const Account& account)
{
    QMutexLocker lock(&m_mutex);
    m_account = account;
}

QList<FakeResultsService::Call> FakeResultsService::calls() const
{
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

QStringList FakeResultsService::operationsCalled() const
{
    QStringList names;
    for (const Call& c : calls())
        names << c.operation;
    return names;
}

void FakeResultsService::setCallObserver(std::function<void(const Call&)> observer)
{
    QMutexLocker lock(&m_mutex);
    m_observer = std::move(observer);
}

QString FakeResultsService::MaskedLine(const Call& call)
{
    QList<int> secret {1};
    if (call.operation == QLatin1String("ChangePassword")
        || call.operation == QLatin1String("ChangePasswordBySecurityAnswer"))
        secret = {1, 2};
    else if (call.operation == QLatin1String("TestConnection")
             || call.operation == QLatin1String("GetSecurityQuestion"))
        secret = {};
    else if (call.operation == QLatin1String("UpdateWebLeagueInfo3"))
        secret = {1, 10};
    QStringList shown = call.arguments;
    for (int i : secret)
        if (i < shown.size())
            shown[i] = QStringLiteral("***");
    return call.operation + QLatin1Char('(') + shown.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QByteArray FakeResultsService::answer(const QByteArray& method, const QString& target,
                                      const QMap<QByteArray, QByteArray>& headers, const QByteArray& body, bool& close,
                                      bool& silent)
{
    if (method == "GET") {
        if (target.compare(QString::fromLatin1(ServicePath) + QStringLiteral("?WSDL"), Qt::CaseInsensitive) == 0) {
            QMutexLocker lock(&m_mutex);
            return httpResponse(200, "OK", "text/xml; charset=utf-8", m_description);
        }
        return page(target);
    }
    Call call;
    call.soapAction = QString::fromUtf8(headers.value("soapaction"));
    call.contentType = QString::fromUtf8(headers.value("content-type"));
    try {
        const auto root = ReadXmlDocument(body, QStringLiteral("The request"));
        const XmlNode* soapBody = root->child(QStringLiteral("Body"));
        const XmlNode* request = soapBody && !soapBody->children.empty() ? soapBody->children.front().get() : nullptr;
        if (!request)
            throw SoapError(QStringLiteral("no request"));
        call.operation = request->name;
        for (const auto& argument : request->children) {
            call.argumentNames << argument->name;
            call.arguments << argument->text;
        }
    } catch (const SoapError& e) {
        return httpResponse(400, "Bad Request", "text/plain", e.text().toUtf8());
    }

    Script how;
    std::function<void(const Call&)> observer;
    {
        QMutexLocker lock(&m_mutex);
        m_calls << call;
        how = m_scripts.value(call.operation);
        observer = m_observer;
    }
    if (observer)
        observer(call);
    switch (how.behaviour) {
    case Behaviour::StoreThenClose:
        accountReply(call);
        close = true;
        return {};
    case Behaviour::Close:
        close = true;
        return {};
    case Behaviour::StoreThenSilent:
        accountReply(call);
        silent = true;
        return {};
    case Behaviour::Silent:
        silent = true;
        return {};
    case Behaviour::StoreLater:
        // Runs on the service's thread, like every call.
        QTimer::singleShot(how.reply.toInt(), m_server, [this, call] { accountReply(call); });
        silent = true;
        return {};
    case Behaviour::StoreThenRedirect: {
        accountReply(call);
        const int status = how.reply.isEmpty() ? 307 : how.reply.toInt();
        return "HTTP/1.1 " + QByteArray::number(status) + " Redirect\r\nLocation: " + address().toUtf8()
            + "/moved.asmx\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    }
    case Behaviour::StoreThenGarbage:
        accountReply(call);
        [[fallthrough]];
    case Behaviour::Garbage:
        return httpResponse(200, "OK", "text/xml", "<html><body>Service unavailable");
    case Behaviour::StoreThenServerError:
        accountReply(call);
        return httpResponse(500, "Internal Server Error", "text/html; charset=utf-8",
                            "<!DOCTYPE html>\r\n<html><head><title>Runtime Error</title></head><body>"
                            "<h1>Server Error in '/' Application.</h1><p>Object reference not set to an instance "
                            "of an object.<br></p></body></html>");
    case Behaviour::StoreThenOversize: {
        accountReply(call);
        const qsizetype size
            = how.reply.isEmpty() ? qsizetype(SoapLimits {}.replySize + 1024 * 1024) : how.reply.toLongLong();
        return httpResponse(200, "OK", "text/xml; charset=utf-8", QByteArray(size, ' '));
    }
    case Behaviour::Fault:
        return httpResponse(500, "Internal Server Error", "text/xml; charset=utf-8",
                            soapEnvelope([&](QXmlStreamWriter& w) {
                                w.writeStartElement(QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/"),
                                                    QStringLiteral("Fault"));
                                w.writeTextElement(QStringLiteral("faultcode"), QStringLiteral("soap:Server"));
                                w.writeTextElement(QStringLiteral("faultstring"), how.reply);
                                w.writeEndElement();
                            }));
    default:
        break;
    }
    if (how.behaviour == Behaviour::StoreThenReply)
        accountReply(call);
    const bool set = how.behaviour == Behaviour::Reply || how.behaviour == Behaviour::StoreThenReply;
    const QString reply = set ? how.reply : accountReply(call);
    return httpResponse(200, "OK", "text/xml; charset=utf-8", soapEnvelope([&](QXmlStreamWriter& w) {
                            w.writeStartElement(ServiceNs, call.operation + QStringLiteral("Response"));
                            w.writeStartElement(ServiceNs, call.operation + QStringLiteral("Result"));
                            WriteXmlText(w, reply);
                            w.writeEndElement();
                            w.writeEndElement();
                        }));
}

QString FakeResultsService::accountReply(const Call& call)
{
    QMutexLocker lock(&m_mutex);
    Account& a = m_account;
    const QStringList& x = call.arguments;
    const QString& op = call.operation;
    auto ok = [](const QString& payload) { return QStringLiteral("0|") + payload; };
    const QString refused = QStringLiteral("1|Invalid login or password.");
    if (op == QLatin1String("TestConnection"))
        return ok(QStringLiteral("The results service is working."));
    if (op == QLatin1String("GetSecurityQuestion"))
        return x.value(0) == a.login ? ok(a.question) : QStringLiteral("1|No account has that login.");
    if (op == QLatin1String("ChangePasswordBySecurityAnswer")) {
        if (x.value(0) != a.login || x.value(1) != a.answer)
            return QStringLiteral("1|The answer is not correct.");
        a.password = x.value(2);
        return ok(QStringLiteral("Your password has been changed."));
    }
    if (x.value(0) != a.login || x.value(1) != a.password)
        return refused;
    if (op == QLatin1String("LoginNew"))
        return ok(QString::number(a.league));
    if (op == QLatin1String("ChangePassword")) {
        a.password = x.value(2);
        return ok(QStringLiteral("Your password has been changed."));
    }
    if (op == QLatin1String("GetWebLeague3"))
        return ok(a.leagueFields.join(Separator));
    if (op == QLatin1String("UpdateWebLeagueInfo3")) {
        auto flag = [](const QString& v) {
            return v == QLatin1String("1") ? QStringLiteral("True") : QStringLiteral("False");
        };
        a.leagueFields
            = QStringList {x.value(9), flag(x.value(7)),        flag(x.value(8)), x.value(3),  x.value(4), x.value(5),
                           x.value(6), a.leagueFields.value(7), x.value(10),      x.value(11), x.value(12)};
        return ok(QStringLiteral("League details saved."));
    }
    if (op == QLatin1String("GetWebTournaments")) {
        QString list;
        for (const auto& [number, name] : a.tournaments)
            list += QString::number(number) + Separator + name + Separator;
        return ok(list);
    }
    if (op == QLatin1String("InsertWebTournament")) {
        if (a.refusedTournaments.contains(x.value(3)))
            return QStringLiteral("1|The tournament was refused.");
        a.tournaments.append({a.nextTournament, x.value(3)});
        return ok(QString::number(a.nextTournament++));
    }
    if (op == QLatin1String("InsertWebPlayerResult4")) {
        if (a.refusedPlayers.contains(x.value(5)))
            return QStringLiteral("1|The player result was refused.");
        a.results << x.mid(2);
        return ok(QStringLiteral("Result saved."));
    }
    if (op == QLatin1String("DeleteWebTournament")) {
        const qsizetype before = a.tournaments.size();
        a.tournaments.removeIf([&](const auto& t) { return QString::number(t.first) == x.value(2); });
        a.results.removeIf([&](const QStringList& r) { return r.value(2) == x.value(2); });
        return a.tournaments.size() < before ? ok(QStringLiteral("Tournament removed."))
                                             : QStringLiteral("1|No such tournament.");
    }
    if (op == QLatin1String("EmailPlayer")) {
        a.emails << x.mid(2);
        return ok(QStringLiteral("Email sent."));
    }
    return QStringLiteral("1|Unknown operation.");
}

QByteArray FakeResultsService::page(const QString& target)
{
    const QUrl url(target);
    QString text;
    if (url.path().compare(QLatin1String("/webresultssharing.aspx"), Qt::CaseInsensitive) == 0) {
        const Account a = account();
        text = html(
            QStringLiteral("Free web results account"),
            QStringLiteral("<p>This test service has one account: login <b>%1</b>.</p>").arg(a.login.toHtmlEscaped()));
    } else if (url.path().compare(QLatin1String("/leaguehome.aspx"), Qt::CaseInsensitive) == 0) {
        const Account a = account();
        QString list;
        for (const auto& [number, name] : a.tournaments)
            list += QStringLiteral("<li>%1 (%2)</li>").arg(name.toHtmlEscaped()).arg(number);
        for (const QStringList& r : a.results)
            list += QStringLiteral("<li>tournament %1: %2 finished %3, payout %4, points %5, eliminated by %6</li>")
                        .arg(r.value(2).toHtmlEscaped(), r.value(3).toHtmlEscaped(), r.value(4).toHtmlEscaped(),
                             r.value(5).toHtmlEscaped(), r.value(12).toHtmlEscaped(), r.value(0).toHtmlEscaped());
        text = html(a.leagueFields.value(0),
                    QStringLiteral("<p>%1</p><ul>%2</ul>").arg(a.leagueFields.value(6).toHtmlEscaped(), list));
    } else {
        return httpResponse(404, "Not Found", "text/plain", "Not found");
    }
    return httpResponse(200, "OK", "text/html; charset=utf-8", text.toUtf8());
}
