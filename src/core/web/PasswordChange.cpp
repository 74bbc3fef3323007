#include "core/web/PasswordChange.h"

#include "core/platform/SoapDescription.h"

bool AskBeforeCall(const std::optional<UncertainPasswordChange>& change) { return change && !change->asked; }

QString AskingWhichPasswordText()
{
    return QStringLiteral("Checking which password the results web site takes, the old or the new one...");
}

PasswordCheckLine CheckPasswordInForce(QString& password, std::optional<UncertainPasswordChange>& change,
                                       const std::function<bool(const QString&)>& takes)
{
    if (!change)
        return {};
    const bool askedBefore = change->asked;
    // Until the site has answered, every call is to ask first.
    change->asked = false;
    auto asked = [&](const QString& candidate) {
        try {
            return takes(candidate);
        } catch (const std::exception& e) {
            throw SoapError(QStringLiteral("The results web site could not be asked which password it takes, the old "
                                           "or the new one: %1  The next call to the site asks again.")
                                .arg(QString::fromUtf8(e.what())));
        }
    };
    if (asked(change->newPassword)) {
        password = change->newPassword;
        change.reset();
        if (askedBefore)
            return {QStringLiteral("The new password is in force now: the change of password was stored after all.  "
                                   "Please try once more what was refused."),
                    false};
        return {QStringLiteral("The new password is in force: the change of password was stored."), false};
    }
    if (asked(password)) {
        change->asked = true;
        return {QStringLiteral("The old password is still in force: the change of password has not been stored so "
                               "far.  The web site may still store it later; should it then refuse a call, this "
                               "window asks again which password it takes."),
                true};
    }
    throw SoapError(QStringLiteral("The results web site refuses both the old and the new password, so the change of "
                                   "password may or may not have been stored.  Please close this window and log in "
                                   "again."));
}
