#include "core/platform/SoapDescription.h"

#include <QHash>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

const QString WsdlNs = QStringLiteral("http://schemas.xmlsoap.org/wsdl/");
const QString Soap11BindingNs = QStringLiteral("http://schemas.xmlsoap.org/wsdl/soap/");
const QString SchemaNs = QStringLiteral("http://www.w3.org/2001/XMLSchema");

// Deeper documents are not descriptions or replies of this service.
constexpr int MaximumDepth = 64;

// References between the parts of a description are qualified names; the
// local part is enough to tell the parts of one service apart.
QString localName(const QString& qualifiedName) { return qualifiedName.section(QLatin1Char(':'), -1); }

struct SchemaElement {
    const XmlNode* node = nullptr;
    QString ns;
    bool qualified = false;
};

class DescriptionReader {
public:
    explicit DescriptionReader(const XmlNode& root)
        : m_root(root)
    {
    }

    ServiceDescription read()
    {
        collectSchemas();
        for (const XmlNode* message : m_root.childrenNamed(QStringLiteral("message"), WsdlNs))
            m_messages.insert(message->attribute(QStringLiteral("name")), message);
        for (const XmlNode* portType : m_root.childrenNamed(QStringLiteral("portType"), WsdlNs))
            m_portTypes.insert(portType->attribute(QStringLiteral("name")), portType);

        ServiceDescription description;
        const XmlNode* binding = soap11Binding(description.endpointPath);
        const QString bindingStyle
            = binding->child(QStringLiteral("binding"), Soap11BindingNs)->attribute(QStringLiteral("style"));
        const XmlNode* portType = m_portTypes.value(localName(binding->attribute(QStringLiteral("type"))));
        for (const XmlNode* op : binding->childrenNamed(QStringLiteral("operation"), WsdlNs)) {
            SoapOperation operation = readOperation(*op, bindingStyle, portType);
            description.operations.insert(operation.name, operation);
        }
        return description;
    }

private:
    void collectSchemas()
    {
        const XmlNode* types = m_root.child(QStringLiteral("types"), WsdlNs);
        if (!types)
            return;
        for (const XmlNode* schema : types->childrenNamed(QStringLiteral("schema"), SchemaNs)) {
            const QString ns = schema->attribute(QStringLiteral("targetNamespace"));
            const bool qualified
                = schema->attribute(QStringLiteral("elementFormDefault")) == QLatin1String("qualified");
            for (const XmlNode* element : schema->childrenNamed(QStringLiteral("element"), SchemaNs))
                m_elements.insert(element->attribute(QStringLiteral("name")), {element, ns, qualified});
            for (const XmlNode* type : schema->childrenNamed(QStringLiteral("complexType"), SchemaNs))
                m_complexTypes.insert(type->attribute(QStringLiteral("name")), type);
        }
    }

    // The binding that a port of the service reaches with a SOAP 1.1
    // address; the path of that address is where the calls go.
    const XmlNode* soap11Binding(QString& endpointPath) const
    {
        for (const XmlNode* service : m_root.childrenNamed(QStringLiteral("service"), WsdlNs)) {
            for (const XmlNode* port : service->childrenNamed(QStringLiteral("port"), WsdlNs)) {
                const XmlNode* address = port->child(QStringLiteral("address"), Soap11BindingNs);
                if (!address)
                    continue;
                const QString bindingName = localName(port->attribute(QStringLiteral("binding")));
                for (const XmlNode* binding : m_root.childrenNamed(QStringLiteral("binding"), WsdlNs)) {
                    if (binding->attribute(QStringLiteral("name")) != bindingName
                        || !binding->child(QStringLiteral("binding"), Soap11BindingNs))
                        continue;
                    const QUrl location(address->attribute(QStringLiteral("location")));
                    endpointPath = location.path(QUrl::FullyEncoded);
                    if (location.hasQuery())
                        endpointPath += QLatin1Char('?') + location.query(QUrl::FullyEncoded);
                    return binding;
                }
            }
        }
        throw SoapError(QStringLiteral("The service description has no SOAP 1.1 port."));
    }

    SoapOperation readOperation(const XmlNode& op, const QString& bindingStyle, const XmlNode* portType) const
    {
        SoapOperation operation;
        operation.name = op.attribute(QStringLiteral("name"));
        const XmlNode* soapOperation = op.child(QStringLiteral("operation"), Soap11BindingNs);
        QString style = bindingStyle;
        if (soapOperation) {
            operation.action = soapOperation->attribute(QStringLiteral("soapAction"));
            if (!soapOperation->attribute(QStringLiteral("style")).isEmpty())
                style = soapOperation->attribute(QStringLiteral("style"));
        }
        if (!style.isEmpty() && style != QLatin1String("document")) {
            operation.problem = QStringLiteral("The operation %1 is bound in %2 style, not document style.")
                                    .arg(operation.name, style);
            return operation;
        }
        for (const char* direction : {"input", "output"}) {
            const XmlNode* io = op.child(QString::fromLatin1(direction), WsdlNs);
            const XmlNode* body = io ? io->child(QStringLiteral("body"), Soap11BindingNs) : nullptr;
            const QString use = body ? body->attribute(QStringLiteral("use")) : QString();
            if (!use.isEmpty() && use != QLatin1String("literal")) {
                operation.problem = QStringLiteral("The operation %1 is %2, not literal.").arg(operation.name, use);
                return operation;
            }
        }
        const XmlNode* abstract = nullptr;
        if (portType) {
            for (const XmlNode* candidate : portType->childrenNamed(QStringLiteral("operation"), WsdlNs))
                if (candidate->attribute(QStringLiteral("name")) == operation.name)
                    abstract = candidate;
        }
        if (!abstract) {
            operation.problem = QStringLiteral("The operation %1 has no messages.").arg(operation.name);
            return operation;
        }
        const SchemaElement request = wrapper(*abstract, QStringLiteral("input"), operation);
        const SchemaElement response = wrapper(*abstract, QStringLiteral("output"), operation);
        if (!operation.problem.isEmpty())
            return operation;
        operation.ns = request.ns;
        operation.qualified = request.qualified;
        operation.requestElement = request.node->attribute(QStringLiteral("name"));
        operation.parameters = sequence(*request.node);
        operation.responseElement = response.node->attribute(QStringLiteral("name"));
        const QStringList results = sequence(*response.node);
        operation.resultElement = results.value(0);
        return operation;
    }

    // The element that wraps a message: its one part names it.
    SchemaElement wrapper(const XmlNode& abstract, const QString& direction, SoapOperation& operation) const
    {
        const XmlNode* io = abstract.child(direction, WsdlNs);
        const XmlNode* message = io ? m_messages.value(localName(io->attribute(QStringLiteral("message")))) : nullptr;
        const auto parts
            = message ? message->childrenNamed(QStringLiteral("part"), WsdlNs) : std::vector<const XmlNode*>();
        if (parts.size() != 1 || parts.front()->attribute(QStringLiteral("element")).isEmpty()) {
            if (operation.problem.isEmpty())
                operation.problem
                    = QStringLiteral("The operation %1 is not in document/literal wrapped style.").arg(operation.name);
            return {};
        }
        const QString elementName = localName(parts.front()->attribute(QStringLiteral("element")));
        const SchemaElement element = m_elements.value(elementName);
        if (!element.node && operation.problem.isEmpty())
            operation.problem
                = QStringLiteral("The operation %1 names the undeclared element %2.").arg(operation.name, elementName);
        return element;
    }

    // The names of the elements a wrapper holds, in their order.
    QStringList sequence(const XmlNode& element) const
    {
        const XmlNode* type = element.child(QStringLiteral("complexType"), SchemaNs);
        if (!type)
            type = m_complexTypes.value(localName(element.attribute(QStringLiteral("type"))));
        const XmlNode* seq = type ? type->child(QStringLiteral("sequence"), SchemaNs) : nullptr;
        QStringList names;
        if (seq) {
            for (const XmlNode* item : seq->childrenNamed(QStringLiteral("element"), SchemaNs))
                names << item->attribute(QStringLiteral("name"));
        }
        return names;
    }

    const XmlNode& m_root;
    QHash<QString, SchemaElement> m_elements;
    QHash<QString, const XmlNode*> m_complexTypes;
    QHash<QString, const XmlNode*> m_messages;
    QHash<QString, const XmlNode*> m_portTypes;
};

} // namespace

const XmlNode* XmlNode::child(const QString& childName, const QString& childNs) const
{
    for (const auto& c : children)
        if (c->name == childName && (childNs.isEmpty() || c->ns == childNs))
            return c.get();
    return nullptr;
}

std::vector<const XmlNode*> XmlNode::childrenNamed(const QString& childName, const QString& childNs) const
{
    std::vector<const XmlNode*> found;
    for (const auto& c : children)
        if (c->name == childName && (childNs.isEmpty() || c->ns == childNs))
            found.push_back(c.get());
    return found;
}

std::unique_ptr<XmlNode> ReadXmlDocument(const QByteArray& xml, const QString& what)
{
    QXmlStreamReader reader(xml);
    std::unique_ptr<XmlNode> root;
    std::vector<XmlNode*> open;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (open.size() >= MaximumDepth)
                throw SoapError(QStringLiteral("%1 is nested too deeply to be read.").arg(what));
            auto node = std::make_unique<XmlNode>();
            node->ns = reader.namespaceUri().toString();
            node->name = reader.name().toString();
            node->attributes = reader.attributes();
            XmlNode* raw = node.get();
            if (open.empty())
                root = std::move(node);
            else
                open.back()->children.push_back(std::move(node));
            open.push_back(raw);
            break;
        }
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            if (!open.empty())
                open.back()->text += reader.text();
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || !root)
        throw SoapError(QStringLiteral("%1 is not readable XML (%2).")
                            .arg(what, reader.hasError() ? reader.errorString() : QStringLiteral("empty")));
    return root;
}

ServiceDescription ReadServiceDescription(const QByteArray& xml)
{
    const auto root = ReadXmlDocument(xml, QStringLiteral("The service description"));
    if (root->name != QLatin1String("definitions") || root->ns != WsdlNs)
        throw SoapError(QStringLiteral("The service description is not a WSDL document."));
    return DescriptionReader(*root).read();
}
