#include "core/web/TestWebConnection.h"

#include "core/platform/Prompter.h"
#include "core/store/OpenFileOrLink.h"
#include "core/store/ProgramSettings.h"
#include "core/store/SettingsKeys.h"
#include "core/web/WebService.h"

QString WebContactErrorText()
{
    return QStringLiteral("Error contacting website.  Please make sure you have access to the internet.  Also, if "
                          "your connection uses a proxy server, in the Login window, tick \"My Connection Uses a "
                          "Proxy Server\".");
}

bool TestWebConnection(std::unique_ptr<SoapClient>& client, bool& mbSoapConnected, WebLog& log, SoapLimits limits)
{
    if (mbSoapConnected)
        return true;
    std::optional<QUrl> site;
    try {
        site = ResultsSiteAddress(ReadSetting(ResultsWebSiteKey));
    } catch (const SoapError& e) {
        prompter().message(e.text());
        return false;
    }
    if (!site) {
        prompter().message(NoWebSiteText());
        return false;
    }
    log.ShowMessage(QStringLiteral("Connecting to ") + site->host() + QStringLiteral("..."), false);
    if (SendsPasswordsInClear(*site))
        log.ShowMessage(QStringLiteral("Warning:  the results web site address begins with http://, so your login "
                                       "and password cross the internet unencrypted."),
                        true);
    Integer& gintUseProxy = programSettings().gintUseProxy;
    gintUseProxy = ReadIntegerSetting(UseProxyKey);

    QString reply;
    try {
        client = std::make_unique<SoapClient>(SoapClient::Options {gintUseProxy == 1, limits});
        client->Initialise(ServiceDescriptionAddress(*site));
        CheckWebServiceDescription(client->description());
        reply = WebService::TestConnection(*client);
        if (!ReplySucceeded(reply)) {
            log.ShowMessage(QStringLiteral("Error connecting to  website.  Please make sure you have access to the "
                                           "internet.  Also, if your connection uses a proxy server, be sure to check "
                                           "the box under the login area.  Error Message:  ")
                                + reply,
                            true);
            return false;
        }
    } catch (const SoapError& e) {
        client.reset();
        throw SoapError(WebContactErrorText() + QStringLiteral("\n\n") + e.text());
    }
    log.ShowMessage(QStringLiteral("Connection successful."), false);
    mbSoapConnected = true;
    return true;
}
