#pragma once

#include "core/platform/SoapDescription.h"

#include <QList>
#include <QUrl>
#include <chrono>
#include <memory>
#include <optional>
#include <variant>

class QNetworkAccessManager;
class QNetworkRequest;
class QXmlStreamWriter;

// An argument of a call: text, a 32-bit or 16-bit whole number, or a
// double.
using SoapValue = std::variant<QString, qint32, qint16, double>;

// The text an argument is sent as: numbers in the C locale's form whatever
// the user's locale, text as it is.
QString SoapValueText(const SoapValue& value);

// The first character of the text that XML cannot carry (a control
// character but tab, line feed and carriage return, or a non-character);
// nothing when there is none.
std::optional<char32_t> CharacterXmlCannotCarry(const QString& text);
// A character as a message names it: "U+000B".
QString CodePointName(char32_t c);

// Writes character data so that a reader gets it back as it is: a carriage
// return as a character reference, which readers do not turn into a line
// feed as they do a raw one.
void WriteXmlText(QXmlStreamWriter& writer, const QString& text);

// The request document of a call. Throws SoapError when the number of
// arguments is not the operation's, or when a text holds a character XML
// cannot carry.
QByteArray SoapRequest(const SoapOperation& operation, const QList<SoapValue>& arguments);

// What the service sends back for a call it did not do.
class SoapFault : public SoapError {
public:
    using SoapError::SoapError;
};

// The result text of a reply with its HTTP status. Throws SoapFault for a
// fault, SoapError for an HTTP error or a reply that is not the operation's
// response.
QString ReadSoapReply(const SoapOperation& operation, const QByteArray& reply, int httpStatus);

// What a call may take: how long to wait for its answer, and how large an
// answer may be. Descriptions and replies of this service are a few
// kilobytes; a larger answer is not one of them.
struct SoapLimits {
    std::chrono::milliseconds timeout {30000};
    qint64 replySize = 8 * 1024 * 1024;
};

// A client of one SOAP 1.1 web service. Each call waits for its answer in a
// local event loop, at most the transfer time-out; the caller disables its
// window meanwhile, so no other handler of it runs inside the call.
class SoapClient {
public:
    struct Options {
        bool useProxy = false; // true: the system's proxy configuration; false: none
        SoapLimits limits;
    };

    explicit SoapClient(Options options);
    ~SoapClient();
    SoapClient(const SoapClient&) = delete;
    SoapClient& operator=(const SoapClient&) = delete;

    // Reads the service description. Every call then goes to the path of
    // the service's address on the scheme, host and port of this address,
    // so nothing sent reaches another site. Throws SoapError.
    void Initialise(const QUrl& descriptionAddress);
    const ServiceDescription& description() const { return m_description; }

    // Calls an operation by name; the reply's result text. Throws SoapError.
    // Once the whole request has gone out, the service may have done the
    // call whatever becomes of its answer: unless a fault came back, the
    // error is then marked as one that may have arrived, and says only why;
    // what that means is the caller's to say, who knows what the call does.
    QString Call(const QString& operation, const QList<SoapValue>& arguments);

private:
    // `requestSent` becomes true once the whole body has gone out.
    QByteArray transfer(QNetworkRequest& request, const QByteArray* body, int& httpStatus, bool& requestSent);

    Options m_options;
    std::unique_ptr<QNetworkAccessManager> m_network;
    ServiceDescription m_description;
    QUrl m_endpoint;
    bool m_initialised = false;
};
