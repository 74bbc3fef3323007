#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamAttributes>
#include <memory>
#include <stdexcept>
#include <vector>

// Whatever stops a call to a web service: no connection, a time-out, a
// fault, a reply or description that cannot be read. Its text is for the
// user.
class SoapError : public std::runtime_error {
public:
    // Whether the service may have received the call and done it: the
    // request went out whole and its answer was lost.
    enum class Delivery { NotDone, MaybeDone };

    explicit SoapError(const QString& text, Delivery delivery = Delivery::NotDone)
        : std::runtime_error(text.toStdString())
        , m_delivery(delivery)
    {
    }
    QString text() const { return QString::fromUtf8(what()); }
    bool mayHaveArrived() const { return m_delivery == Delivery::MaybeDone; }

private:
    Delivery m_delivery;
};

// The error of a call that went out whole and whose answer cannot be used:
// the service may have done it, so it is not to be sent again unasked. What
// that means for the user depends on the call, so the text is only why.
inline SoapError MayHaveArrivedError(const QString& reason)
{
    return SoapError(reason, SoapError::Delivery::MaybeDone);
}

// An XML document read into memory: the description and the replies are
// small, and both are looked up by name in any order.
struct XmlNode {
    QString ns;
    QString name;
    QXmlStreamAttributes attributes;
    QString text; // the element's own character data
    std::vector<std::unique_ptr<XmlNode>> children;

    QString attribute(const QString& attributeName) const { return attributes.value(attributeName).toString(); }
    // The first child element with this name (in this namespace when one
    // is given).
    const XmlNode* child(const QString& childName, const QString& childNs = QString()) const;
    std::vector<const XmlNode*> childrenNamed(const QString& childName, const QString& childNs = QString()) const;
};

// Reads a document; throws SoapError with `what` in its text when the bytes
// are not well-formed XML.
std::unique_ptr<XmlNode> ReadXmlDocument(const QByteArray& xml, const QString& what);

// One operation of the service, as the description declares it.
struct SoapOperation {
    QString name;
    QString action; // soapAction
    QString ns; // namespace of the request and response elements
    bool qualified = false; // parameters are in that namespace too
    QString requestElement;
    QStringList parameters; // in their order
    QString responseElement;
    QString resultElement; // empty when the response declares none
    QString problem; // why the operation cannot be called; empty when it can
};

struct ServiceDescription {
    QString endpointPath; // path and query of the service's address
    QMap<QString, SoapOperation> operations;
};

// Reads a service description with a SOAP 1.1 binding in document/literal
// wrapped style. Throws SoapError when there is no such binding; an
// operation that is bound otherwise is kept with its problem.
ServiceDescription ReadServiceDescription(const QByteArray& xml);
