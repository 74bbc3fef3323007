#pragma once

#include "core/store/Nz.h"
#include "core/store/SettingsFile.h"

// The sections of Defaults.ini.
inline constexpr char DisplaySection[] = "Display";
inline constexpr char SoundsSection[] = "Sounds";
inline constexpr char LevelGeneratorSection[] = "LevelGenerator";
inline constexpr char DefaultsSection[] = "Defaults";

// A key read where it is used rather than at start-up, with its default's
// text.
struct SettingKey {
    const char* Section;
    const char* Key;
    const char* Default;
};

// 1 = the database engine's link handler has been registered.
inline constexpr SettingKey DAORegisteredKey {DefaultsSection, "DAORegistered", "0"};
// 1 = the web service is reached through the system proxy.
inline constexpr SettingKey UseProxyKey {DefaultsSection, "UseProxy", "0"};
// League and tournament selected at the last Exit.
inline constexpr SettingKey LastLeagueKey {DefaultsSection, "LastLeague", "0"};
inline constexpr SettingKey LastTournamentKey {DefaultsSection, "LastTournament", "0"};
// 1 = open the players dialog when a newly set-up tournament first shows;
// also picks the web results window's first page.
inline constexpr SettingKey ShowWebTrialKey {DefaultsSection, "ShowWebTrial", "1"};
// 1 = the main window's floating toolbar is visible.
inline constexpr SettingKey ShowToolbarKey {DefaultsSection, "ShowToolbar", "1"};
// Toolbar position in twips; the main window computes the defaults from
// its own size, so none is given here.
inline constexpr SettingKey ToolBarLeftKey {DefaultsSection, "ToolBarLeft", ""};
inline constexpr SettingKey ToolBarTopKey {DefaultsSection, "ToolBarTop", ""};
// 1 = new entrants get the default buy-in.
inline constexpr SettingKey AutoBuyinKey {DefaultsSection, "AutoBuyin", "1"};
// The web results window's login name, reply-to address and e-mail subject.
inline constexpr SettingKey UserNameKey {DefaultsSection, "UserName", ""};
inline constexpr SettingKey ReplyAddressKey {DefaultsSection, "ReplyAddress", ""};
inline constexpr SettingKey SubjectKey {DefaultsSection, "Subject", "Poker Tournament Results Available"};
// Addresses of the product's and the results web site; empty = none set.
inline constexpr SettingKey ProductWebSiteKey {DefaultsSection, "ProductWebSite", ""};
inline constexpr SettingKey ResultsWebSiteKey {DefaultsSection, "ResultsWebSite", ""};

inline QString ReadSetting(const SettingKey& k)
{
    return ReadIniValue(QString::fromLatin1(k.Section), QString::fromLatin1(k.Key), QString::fromUtf8(k.Default));
}

// The key as a whole number; the fallback when the stored text is none.
inline Long ReadLongSetting(const SettingKey& k, Long fallback)
{
    return ReadIniLong(QString::fromLatin1(k.Section), QString::fromLatin1(k.Key), fallback);
}

// The key as a whole number; its default when the stored text is none.
inline Long ReadLongSetting(const SettingKey& k) { return ReadLongSetting(k, NzLong(QString::fromLatin1(k.Default))); }

// The key as a 16-bit whole number; its default when the stored text is none
// or out of range.
inline Integer ReadIntegerSetting(const SettingKey& k)
{
    return ReadIniInteger(QString::fromLatin1(k.Section), QString::fromLatin1(k.Key),
                          NzInteger(QString::fromLatin1(k.Default)));
}

inline bool WriteSetting(const SettingKey& k, const QVariant& Value)
{
    return WriteIniValue(QString::fromLatin1(k.Section), QString::fromLatin1(k.Key), Value);
}
