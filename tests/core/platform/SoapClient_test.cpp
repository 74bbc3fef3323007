#include "core/platform/SoapClient.h"

#include "FakeResultsService.h"
#include "TestSupport.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTcpServer>

namespace {

using Behaviour = FakeResultsService::Behaviour;

SoapOperation operation(bool qualified)
{
    SoapOperation op;
    op.name = QStringLiteral("Echo");
    op.ns = QStringLiteral("urn:x");
    op.qualified = qualified;
    op.requestElement = QStringLiteral("Echo");
    op.parameters = QStringList {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    op.responseElement = QStringLiteral("EchoResponse");
    op.resultElement = QStringLiteral("EchoResult");
    return op;
}

// What the request carries, parameter by parameter, read back by an XML
// reader.
QStringList readBack(const QByteArray& request, QString* ns = nullptr)
{
    const auto root = ReadXmlDocument(request, QStringLiteral("request"));
    const XmlNode* wrapper = root->child(QStringLiteral("Body"))->children.front().get();
    QStringList texts;
    for (const auto& c : wrapper->children) {
        texts << c->text;
        if (ns)
            *ns = c->ns;
    }
    return texts;
}

} // namespace

TEST(SoapClientMessages, ArgumentsKeepTheirTextAndNumbersTheirCLocaleFormUnderAnyLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // A raw carriage return would reach the service as a line feed.
    const QString lines = QStringLiteral("a\rb\r\nc\n\td");
    for (bool qualified : {true, false}) {
        QString ns;
        const QByteArray request
            = SoapRequest(operation(qualified), {QStringLiteral("<&>\" 'x'"), 1234.5, qint16(-7), lines});
        EXPECT_EQ(readBack(request, &ns),
                  (QStringList {QStringLiteral("<&>\" 'x'"), QStringLiteral("1234.5"), QStringLiteral("-7"), lines}));
        EXPECT_EQ(ns, qualified ? QStringLiteral("urn:x") : QString());
    }
    EXPECT_EQ(SoapValueText(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(SoapValueText(qint32(2147483647)), QStringLiteral("2147483647"));
    EXPECT_THROW(SoapRequest(operation(true), {QStringLiteral("one")}), SoapError);
    QLocale::setDefault(before);

    // What XML cannot carry is refused, not dropped on the way.
    for (const char16_t c :
         {u'\x0', u'\x1', u'\x8', u'\xB', u'\xC', u'\xE', u'\x1F', u'\xD800', u'\xFFFE', u'\xFFFF'}) {
        const QString text = QStringLiteral("a") + QChar(c) + QStringLiteral("b");
        EXPECT_EQ(CharacterXmlCannotCarry(text), char32_t(c)) << int(c);
        EXPECT_THROW(SoapRequest(operation(true), {text, 1.0, qint16(1), QString()}), SoapError) << int(c);
    }
    EXPECT_EQ(CharacterXmlCannotCarry(lines + QString::fromUcs4(U"\U0001F0A1")), std::nullopt);
    EXPECT_EQ(CodePointName(0xB), QStringLiteral("U+000B"));
}

TEST(SoapClientMessages, MutatedRepliesAndDescriptionsAreErrorsNeverCrashes)
{
    const QByteArray description = FakeResultsService::Description({}, QStringLiteral("http://127.0.0.1:1"));
    const QByteArray reply
        = "<?xml version=\"1.0\"?><soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
          "<soap:Body><EchoResponse xmlns=\"urn:x\"><EchoResult>0|ok</EchoResult></EchoResponse></soap:Body>"
          "</soap:Envelope>";
    ASSERT_EQ(ReadSoapReply(operation(true), reply, 200), QStringLiteral("0|ok"));
    ASSERT_EQ(ReadServiceDescription(description).operations.size(), 12);
    QRandomGenerator random(25);
    for (int i = 0; i < 400; ++i) {
        for (const QByteArray* original : {&reply, &description}) {
            QByteArray mutated = *original;
            const int edits = 1 + random.bounded(4);
            for (int e = 0; e < edits; ++e) {
                const qsizetype at = random.bounded(int(mutated.size()));
                switch (random.bounded(3)) {
                case 0:
                    mutated.truncate(at);
                    break;
                case 1:
                    mutated.remove(at, 1 + random.bounded(8));
                    break;
                default:
                    if (!mutated.isEmpty())
                        mutated[at] = char(random.bounded(256));
                }
                if (mutated.isEmpty())
                    break;
            }
            try {
                if (original == &reply)
                    ReadSoapReply(operation(true), mutated, 200);
                else
                    ReadServiceDescription(mutated);
            } catch (const SoapError&) {
            }
        }
    }
}

class SoapClientCalls : public DataFolderTest {
protected:
    QString call(const QString& name, const QList<SoapValue>& arguments, SoapLimits limits = {std::chrono::seconds(10)})
    {
        SoapClient client({false, limits});
        client.Initialise(QUrl(fake.address() + QStringLiteral("/ZRVResultsShare.asmx?WSDL")));
        return client.Call(name, arguments);
    }

    FakeResultsService fake;
};

TEST_F(SoapClientCalls, SendsAPostWithTheQuotedActionToTheConfiguredSiteAndReturnsTheResultText)
{
    for (bool qualified : {true, false}) {
        FakeResultsService::DescriptionOptions options;
        options.qualified = qualified;
        options.parameterPrefix = QStringLiteral("value");
        fake.setDescription(options);
        EXPECT_EQ(call(QStringLiteral("LoginNew"), {QStringLiteral("director@example.com"), QStringLiteral("secret")}),
                  QStringLiteral("0|42"));
        const FakeResultsService::Call sent = fake.calls().back();
        EXPECT_EQ(sent.soapAction, QStringLiteral("\"http://zrv.example/results/LoginNew\""));
        EXPECT_EQ(sent.contentType, QStringLiteral("text/xml; charset=utf-8"));
        EXPECT_EQ(sent.argumentNames, (QStringList {QStringLiteral("value1"), QStringLiteral("value2")}));
    }
    // The calls stay on the site the description was read from, wherever
    // the description says the service is.
    fake.setDescription(FakeResultsService::Description({}, QStringLiteral("http://elsewhere.invalid:9")));
    EXPECT_EQ(call(QStringLiteral("TestConnection"), {}), QStringLiteral("0|The results service is working."));
}

TEST_F(SoapClientCalls, FailuresBecomeErrorsThatSayWhatWentWrongAndWhetherTheCallMayHaveArrived)
{
    struct Case {
        Behaviour behaviour;
        QString reply;
        QString says;
        bool mayHaveArrived; // the whole request went out and no SOAP answer came back
    };
    const Case cases[] = {
        {Behaviour::Fault, QStringLiteral("Database offline"),
         QStringLiteral("fault in TestConnection: Database offline"), false},
        {Behaviour::Garbage, QString(), QStringLiteral("not readable XML"), true},
        {Behaviour::StoreThenGarbage, QString(), QStringLiteral("not readable XML"), true},
        {Behaviour::StoreThenServerError, QString(), QStringLiteral("answered TestConnection with HTTP status 500"),
         true},
        {Behaviour::StoreThenOversize, QStringLiteral("100000"), QStringLiteral("reply too large"), true},
        {Behaviour::Close, QString(), QStringLiteral("closed the connection without answering"), true},
        {Behaviour::StoreThenRedirect, QStringLiteral("308"),
         QStringLiteral("answered with a redirect to %1/moved.asmx (HTTP status 308) instead of a reply")
             .arg(fake.address()),
         true},
        {Behaviour::Silent, QString(), QStringLiteral("did not answer within 0 seconds"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says.toStdString());
        fake.script(QStringLiteral("TestConnection"), {c.behaviour, c.reply});
        try {
            call(QStringLiteral("TestConnection"), {}, {std::chrono::milliseconds(300), 64 * 1024});
            ADD_FAILURE() << "no error";
        } catch (const SoapError& e) {
            EXPECT_TRUE(e.text().contains(c.says)) << e.text().toStdString();
            EXPECT_EQ(e.mayHaveArrived(), c.mayHaveArrived);
        }
    }
    EXPECT_THROW(call(QStringLiteral("NoSuchOperation"), {}), SoapError);
}

TEST_F(SoapClientCalls, ARefusedConnectionOrAMissingDescriptionIsAnError)
{
    QTcpServer unused;
    ASSERT_TRUE(unused.listen(QHostAddress::LocalHost));
    const quint16 closedPort = unused.serverPort();
    unused.close();
    SoapClient client({false, {std::chrono::seconds(10)}});
    EXPECT_THROW(
        client.Initialise(QUrl(QStringLiteral("http://127.0.0.1:%1/ZRVResultsShare.asmx?WSDL").arg(closedPort))),
        SoapError);
    EXPECT_THROW(client.Initialise(QUrl(fake.address() + QStringLiteral("/elsewhere.asmx?WSDL"))), SoapError);
    EXPECT_THROW(client.Call(QStringLiteral("TestConnection"), {}), SoapError);
}
