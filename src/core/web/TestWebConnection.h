#pragma once

#include "core/platform/SoapClient.h"

#include <chrono>
#include <memory>

// Where the web window's status lines go.
class WebLog {
public:
    virtual ~WebLog() = default;
    virtual void ShowMessage(const QString& strMessage, bool bError) = 0;
};

// The text before the reason when the results site cannot be contacted.
QString WebContactErrorText();

// Makes the client ready for calls: reads the results site's description
// and calls TestConnection, once per window (`mbSoapConnected`). False,
// with the service's answer in the log, when TestConnection refuses; false
// with "No web site is set." when no site is set. When the site cannot be
// contacted or its description or answer cannot be read, the client is
// released and SoapError is thrown with the contact-error text and the
// reason, for the caller to show once its window is usable again.
bool TestWebConnection(std::unique_ptr<SoapClient>& client, bool& mbSoapConnected, WebLog& log, SoapLimits limits = {});
