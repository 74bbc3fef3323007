#include "core/platform/SoapClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScopeGuard>
#include <QTimer>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>

namespace {

const QString EnvelopeNs = QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/");

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

QString doubleText(double d)
{
    if (std::isnan(d))
        return QStringLiteral("NaN");
    if (std::isinf(d))
        return d > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

class SystemProxyFactory : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override { return systemProxyForQuery(query); }
};

QString hostOf(const QUrl& url) { return url.host().isEmpty() ? url.toString() : url.host(); }

// A request body that can be read once. When a connection closes before
// its answer, the network layer sends the request again by rewinding its
// body; this one cannot be rewound, so a call that may already have been
// stored is never sent twice, and the lost answer becomes an error.
class OneShotBody : public QIODevice {
public:
    explicit OneShotBody(const QByteArray& bytes)
        : m_bytes(bytes)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_bytes.size() - m_read + QIODevice::bytesAvailable(); }
    bool reset() override { return false; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min(maxSize, qint64(m_bytes.size()) - m_read);
        std::copy_n(m_bytes.constData() + m_read, n, data);
        m_read += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_read = 0;
};

} // namespace

QString SoapValueText(const SoapValue& value)
{
    return std::visit(
        [](const auto& v) -> QString {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QString>)
                return v;
            else if constexpr (std::is_same_v<T, double>)
                return doubleText(v);
            else
                return QString::number(v);
        },
        value);
}

std::optional<char32_t> CharacterXmlCannotCarry(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i; // a pair stands for a character beyond U+FFFF, which XML carries
            continue;
        }
        // A surrogate out of its pair is no character at all.
        if (c.isSurrogate() || !allowedInXml(c.unicode()))
            return c.unicode();
    }
    return std::nullopt;
}

QString CodePointName(char32_t c)
{
    return QStringLiteral("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

void WriteXmlText(QXmlStreamWriter& writer, const QString& text)
{
    const QStringList pieces = text.split(QLatin1Char('\r'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            writer.writeEntityReference(QStringLiteral("#13"));
        writer.writeCharacters(pieces[i]);
    }
}

QByteArray SoapRequest(const SoapOperation& operation, const QList<SoapValue>& arguments)
{
    if (arguments.size() != operation.parameters.size())
        throw SoapError(QStringLiteral("The operation %1 takes %2 arguments, not %3.")
                            .arg(operation.name)
                            .arg(operation.parameters.size())
                            .arg(arguments.size()));
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.writeStartDocument();
    w.writeNamespace(EnvelopeNs, QStringLiteral("soap"));
    w.writeStartElement(EnvelopeNs, QStringLiteral("Envelope"));
    w.writeStartElement(EnvelopeNs, QStringLiteral("Body"));
    w.writeNamespace(operation.ns, QStringLiteral("m"));
    w.writeStartElement(operation.ns, operation.requestElement);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString text = SoapValueText(arguments[i]);
        if (const std::optional<char32_t> c = CharacterXmlCannotCarry(text))
            throw SoapError(QStringLiteral("Argument %1 of %2 holds the character %3, which cannot be sent.")
                                .arg(operation.parameters[i], operation.name, CodePointName(*c)));
        if (operation.qualified)
            w.writeStartElement(operation.ns, operation.parameters[i]);
        else
            w.writeStartElement(operation.parameters[i]);
        WriteXmlText(w, text);
        w.writeEndElement();
    }
    w.writeEndDocument();
    return xml;
}

QString ReadSoapReply(const SoapOperation& operation, const QByteArray& reply, int httpStatus)
{
    std::unique_ptr<XmlNode> root;
    try {
        root = ReadXmlDocument(reply, QStringLiteral("The reply to %1").arg(operation.name));
    } catch (const SoapError&) {
        if (httpStatus < 200 || httpStatus > 299)
            throw SoapError(
                QStringLiteral("The web service answered %1 with HTTP status %2.").arg(operation.name).arg(httpStatus));
        throw;
    }
    const XmlNode* body = root->name == QLatin1String("Envelope") && root->ns == EnvelopeNs
        ? root->child(QStringLiteral("Body"), EnvelopeNs)
        : nullptr;
    const XmlNode* content = body && !body->children.empty() ? body->children.front().get() : nullptr;
    if (content && content->name == QLatin1String("Fault") && content->ns == EnvelopeNs) {
        const XmlNode* text = content->child(QStringLiteral("faultstring"));
        throw SoapFault(QStringLiteral("The web service reported a fault in %1: %2")
                            .arg(operation.name, text ? text->text.trimmed() : QStringLiteral("(no description)")));
    }
    if (httpStatus < 200 || httpStatus > 299)
        throw SoapError(
            QStringLiteral("The web service answered %1 with HTTP status %2.").arg(operation.name).arg(httpStatus));
    if (!content || content->name != operation.responseElement || content->children.empty())
        throw SoapError(QStringLiteral("The reply to %1 is not its response.").arg(operation.name));
    const XmlNode* result
        = operation.resultElement.isEmpty() ? content->children.front().get() : content->child(operation.resultElement);
    if (!result)
        throw SoapError(QStringLiteral("The reply to %1 holds no result.").arg(operation.name));
    return result->text;
}

SoapClient::SoapClient(Options options)
    : m_options(options)
    , m_network(std::make_unique<QNetworkAccessManager>())
{
    if (options.useProxy)
        m_network->setProxyFactory(new SystemProxyFactory);
    else
        m_network->setProxy(QNetworkProxy::NoProxy);
}

SoapClient::~SoapClient() = default;

void SoapClient::Initialise(const QUrl& descriptionAddress)
{
    m_initialised = false;
    QNetworkRequest request(descriptionAddress);
    int status = 0;
    bool requestSent = false;
    const QByteArray xml = transfer(request, nullptr, status, requestSent);
    if (status < 200 || status > 299)
        throw SoapError(QStringLiteral("The service description at %1 could not be read (HTTP status %2).")
                            .arg(descriptionAddress.toString())
                            .arg(status));
    m_description = ReadServiceDescription(xml);
    m_endpoint = descriptionAddress.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
    const QString path = m_description.endpointPath.section(QLatin1Char('?'), 0, 0);
    m_endpoint.setPath(path.isEmpty() ? descriptionAddress.path() : path, QUrl::TolerantMode);
    if (m_description.endpointPath.contains(QLatin1Char('?')))
        m_endpoint.setQuery(m_description.endpointPath.section(QLatin1Char('?'), 1), QUrl::TolerantMode);
    m_initialised = true;
}

QString SoapClient::Call(const QString& operation, const QList<SoapValue>& arguments)
{
    if (!m_initialised)
        throw SoapError(QStringLiteral("The web service is not connected."));
    const auto found = m_description.operations.constFind(operation);
    if (found == m_description.operations.cend())
        throw SoapError(QStringLiteral("The web service does not offer the operation %1.").arg(operation));
    if (!found->problem.isEmpty())
        throw SoapError(found->problem);
    const QByteArray body = SoapRequest(*found, arguments);
    QNetworkRequest request(m_endpoint);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/xml; charset=utf-8"));
    request.setRawHeader("SOAPAction", QByteArray("\"") + found->action.toUtf8() + "\"");
    // Every call on a connection of its own, closed after the answer: a
    // connection kept from an earlier call may have been dropped by the
    // site meanwhile, and a call on it would fail without having arrived.
    m_network->clearConnectionCache();
    request.setRawHeader("Connection", "close");
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    int status = 0;
    bool requestSent = false;
    try {
        const QByteArray reply = transfer(request, &body, status, requestSent);
        return ReadSoapReply(*found, reply, status);
    } catch (const SoapFault&) {
        throw;
    } catch (const SoapError& e) {
        if (!requestSent)
            throw;
        throw MayHaveArrivedError(e.text());
    }
}

QByteArray SoapClient::transfer(QNetworkRequest& request, const QByteArray* body, int& httpStatus, bool& requestSent)
{
    // A description may be fetched from where the site sends it on the same
    // site; a call goes to the one address only, so a redirect is its answer.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         body ? QNetworkRequest::ManualRedirectPolicy : QNetworkRequest::SameOriginRedirectPolicy);
    QNetworkReply* reply = nullptr;
    if (body) {
        // Reading a description may be repeated; a call is sent exactly once.
        request.setHeader(QNetworkRequest::ContentLengthHeader, body->size());
        request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
        auto* once = new OneShotBody(*body);
        reply = m_network->post(request, once);
        once->setParent(reply);
    } else {
        reply = m_network->get(request);
    }
    const auto release = qScopeGuard([reply] { reply->deleteLater(); });

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool tooLarge = false;
    QObject::connect(reply, &QNetworkReply::uploadProgress, &loop,
                     [&](qint64 sent, qint64 total) { requestSent = requestSent || (total > 0 && sent >= total); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
        if (received > m_options.limits.replySize) {
            tooLarge = true;
            loop.quit();
        }
    });
    timer.start(m_options.limits.timeout);
    if (!reply->isFinished())
        loop.exec();
    const QString host = hostOf(request.url());
    if (!reply->isFinished() || tooLarge) {
        reply->abort();
        if (tooLarge)
            throw SoapError(QStringLiteral("%1 sent a reply too large to be the web service's.").arg(host));
        throw SoapError(QStringLiteral("%1 did not answer within %2 seconds.")
                            .arg(host)
                            .arg(std::chrono::duration_cast<std::chrono::seconds>(m_options.limits.timeout).count()));
    }
    httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // The network layer wanted to send it a second time, to the same address
    // or where a redirect pointed: it went out.
    if (reply->error() == QNetworkReply::ContentReSendError)
        requestSent = true;
    if (body && httpStatus >= 300 && httpStatus <= 399) {
        const QUrl target
            = request.url().resolved(reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        throw SoapError(QStringLiteral("%1 answered with a redirect to %2 (HTTP status %3) instead of a reply; the "
                                       "call was not sent there.")
                            .arg(host, target.toString())
                            .arg(httpStatus));
    }
    if (reply->error() == QNetworkReply::ContentReSendError)
        throw SoapError(QStringLiteral("%1 closed the connection without answering.").arg(host));
    if (reply->error() != QNetworkReply::NoError && httpStatus == 0)
        throw SoapError(QStringLiteral("%1 cannot be reached: %2").arg(host, reply->errorString()));
    return reply->readAll();
}
