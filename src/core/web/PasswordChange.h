#pragma once

#include <QString>
#include <functional>
#include <optional>

// A change of the account's password whose request went out whole and
// whose answer was lost. The site may have stored it; and as long as the
// old password is in force, the request may still arrive and be stored
// later. So the new password is kept, in memory only, until the site is
// found to take it or a later change of password is stored.
struct UncertainPasswordChange {
    QString newPassword;
    bool asked = false; // since the answer was lost, the site was found to take the old password
};

// Whether the site is to be asked which password it takes before the next
// call: once after the answer was lost. Later only a refused call asks again.
bool AskBeforeCall(const std::optional<UncertainPasswordChange>& change);

// The line the log shows before the site is asked.
QString AskingWhichPasswordText();

struct PasswordCheckLine {
    QString text;
    bool error = false;
};
// Asks the site which password it takes through `takes` (a login, which
// stores nothing), the new password first, and acts on the answer: the new
// one becomes `password` and the change is settled; the old one keeps the
// change uncertain. The line says which is in force. Throws SoapError when
// the site takes neither or cannot be asked; the next call then asks again
// before it is sent.
PasswordCheckLine CheckPasswordInForce(QString& password, std::optional<UncertainPasswordChange>& change,
                                       const std::function<bool(const QString&)>& takes);
