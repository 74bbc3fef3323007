#pragma once

#include "core/platform/SoapDescription.h"

#include <QList>
#include <QUrl>
#include <chrono>
#include <memory>
#include <variant>

class QNetworkAccessManager;
class QNetworkRequest;

// An argument of a call: text, a 32-bit or 16-bit whole number, or a
// double.
using SoapValue = std::variant<QString, qint32, qint16, double>;

// The text an argument is sent as: numbers in the C locale's form whatever
// the user's locale, text without the characters XML cannot carry.
QString SoapValueText(const SoapValue& value);

// The request document of a call. Throws SoapError when the number of
// arguments is not the operation's.
QByteArray SoapRequest(const SoapOperation& operation, const QList<SoapValue>& arguments);

// The result text of a reply with its HTTP status. Throws SoapError for a
// fault, an HTTP error or a reply that is not the operation's response.
QString ReadSoapReply(const SoapOperation& operation, const QByteArray& reply, int httpStatus);

// A client of one SOAP 1.1 web service. Each call waits for its answer in a
// local event loop, at most the transfer time-out; the caller disables its
// window meanwhile, so no other handler of it runs inside the call.
class SoapClient {
public:
    struct Options {
        bool useProxy = false; // true: the system's proxy configuration; false: none
        std::chrono::milliseconds timeout {30000};
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
    QString Call(const QString& operation, const QList<SoapValue>& arguments);

private:
    QByteArray transfer(QNetworkRequest& request, const QByteArray* body, int& httpStatus);

    Options m_options;
    std::unique_ptr<QNetworkAccessManager> m_network;
    ServiceDescription m_description;
    QUrl m_endpoint;
    bool m_initialised = false;
};
