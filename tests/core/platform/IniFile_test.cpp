#include "TestSupport.h"
#include "core/platform/AppPaths.h"
#include "core/platform/FileStamp.h"
#include "core/platform/IniFile.h"
#include "core/store/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Written by hand on another system: CRLF line ends, a comment, a name in
// other letter case, a duplicate key, commas, backslashes, quotes and text
// in Latin-1 bytes next to UTF-8.
const QByteArray kHandWritten = "; ZRV settings, edited by hand\r\n"
                                "[Display]\r\n"
                                "currencysymbol=EUR\r\n"
                                "HandTimer=7\r\n"
                                "HANDTIMER=9\r\n"
                                "Note=one, two; three\r\n"
                                "  Padded  =   spaced value   \r\n"
                                "Empty=\r\n"
                                ";SeatID=1\r\n"
                                "NoEquals\r\n"
                                "\r\n"
                                "[Sounds]\r\n"
                                "CustomSound0=C:\\Sounds\\horn.wav\r\n"
                                "CustomSound1=\"  quoted, kept  \"\r\n"
                                "CustomSound2='single'\r\n"
                                "CustomSound3=\"mismatched'\r\n"
                                "CustomSound4=Caf\xe9 m\xfcsic\r\n"
                                "CustomSound5=Caf\xc3\xa9\r\n"
                                "\r\n";

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class SettingsFileTest : public DataFolderTest {
protected:
    QString settings() const { return AppPaths::settingsFile(); }
};

} // namespace

TEST_F(SettingsFileTest, HandWrittenFileReadsAsTheProfileFunctionsReadIt)
{
    writeBytes(settings(), kHandWritten);
    auto read = [](const char* section, const char* key) {
        return ReadIniValue(QString::fromLatin1(section), QString::fromLatin1(key), QStringLiteral("<default>"));
    };
    EXPECT_EQ(read("DISPLAY", "CurrencySymbol"), QStringLiteral("EUR"));
    EXPECT_EQ(read("display", "HandTimer"), QStringLiteral("7")); // the first of two
    EXPECT_EQ(read("Display", "Note"), QStringLiteral("one, two; three"));
    EXPECT_EQ(read("Display", "Padded"), QStringLiteral("spaced value"));
    EXPECT_EQ(read("Display", "Empty"), QString()); // present but empty: not the default
    EXPECT_EQ(read("Display", "SeatID"), QStringLiteral("<default>")); // commented out
    EXPECT_EQ(read("Display", "NoEquals"), QStringLiteral("<default>"));
    EXPECT_EQ(read("Display", "CustomSound0"), QStringLiteral("<default>")); // other section
    EXPECT_EQ(read("Sounds", "CustomSound0"), QStringLiteral("C:\\Sounds\\horn.wav"));
    EXPECT_EQ(read("Sounds", "CustomSound1"), QStringLiteral("  quoted, kept  "));
    EXPECT_EQ(read("Sounds", "CustomSound2"), QStringLiteral("single"));
    EXPECT_EQ(read("Sounds", "CustomSound3"), QStringLiteral("\"mismatched'"));
    EXPECT_EQ(read("Sounds", "CustomSound4"), QStringLiteral("Caf\u00e9 m\u00fcsic"));
    EXPECT_EQ(read("Sounds", "CustomSound5"), QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(read("Missing", "Key"), QStringLiteral("<default>"));
}

TEST_F(SettingsFileTest, MissingFileGivesTheDefaultsTextAndAWriteCreatesIt)
{
    EXPECT_EQ(ReadIniValue(QStringLiteral("Display"), QStringLiteral("Tutorial"), 1), QStringLiteral("1"));
    EXPECT_EQ(ReadIniValue(QStringLiteral("LevelGenerator"), QStringLiteral("TAEndBlindonBigPercentage"), 2.5),
              QStringLiteral("2.5"));
    EXPECT_FALSE(QFile::exists(settings()));

    EXPECT_TRUE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("Tutorial"), 0));
    EXPECT_EQ(readBytes(settings()), QByteArray("[Display]\nTutorial=0\n"));
    EXPECT_EQ(ReadIniValue(QStringLiteral("Display"), QStringLiteral("Tutorial"), 1), QStringLiteral("0"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(SettingsFileTest, WriteChangesOneLineAndKeepsEveryOtherByteForByte)
{
    writeBytes(settings(), kHandWritten);
    ASSERT_TRUE(WriteIniValue(QStringLiteral("display"), QStringLiteral("handtimer"), 12));
    QByteArray expected = kHandWritten;
    expected.replace("HandTimer=7\r\n", "HandTimer=12\r\n");
    EXPECT_EQ(readBytes(settings()), expected);

    // A new key goes to the end of its section, before the blank line; a
    // new section to the end of the file; both with the file's line ends.
    ASSERT_TRUE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("SeatID"), 1));
    ASSERT_TRUE(WriteIniValue(QStringLiteral("Defaults"), QStringLiteral("UseProxy"), 1));
    expected.replace("NoEquals\r\n", "NoEquals\r\nSeatID=1\r\n");
    expected.append("[Defaults]\r\nUseProxy=1\r\n");
    EXPECT_EQ(readBytes(settings()), expected);

    // Writing the value a key already has changes nothing at all.
    ASSERT_TRUE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("Padded"), QStringLiteral("spaced value")));
    EXPECT_EQ(readBytes(settings()), expected);
}

TEST_F(SettingsFileTest, ValuesComeBackAsWrittenWhateverTheirLengthOrBlanks)
{
    const QString longValue = QString(300, u'x') + QStringLiteral("end");
    const QString values[] = {longValue,
                              QStringLiteral("EUR "),
                              QStringLiteral(" lead"),
                              QStringLiteral("\"quoted\""),
                              QStringLiteral("a;b,c\\d"),
                              QStringLiteral("\u20ac \u00e9")};
    for (const QString& v : values) {
        ASSERT_TRUE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("CurrencySymbol"), v));
        EXPECT_EQ(ReadIniValue(QStringLiteral("Display"), QStringLiteral("CurrencySymbol"), QString()), v);
    }
    // Written as UTF-8.
    EXPECT_TRUE(readBytes(settings()).contains("CurrencySymbol=\xe2\x82\xac \xc3\xa9\n"));
}

TEST_F(SettingsFileTest, LastLineWithoutLineEndAndByteOrderMark)
{
    IniFile ini(path(QStringLiteral("plain.ini")));
    writeBytes(ini.path(), "\xEF\xBB\xBF[Display]\nA=1");
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.value(QStringLiteral("Display"), QStringLiteral("A")), QStringLiteral("1"));
    ini.setValue(QStringLiteral("Display"), QStringLiteral("B"), QStringLiteral("2"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readBytes(ini.path()), QByteArray("\xEF\xBB\xBF[Display]\nA=1\nB=2\n"));
}

TEST_F(SettingsFileTest, FailedWriteIsReportedOnceUntilAWriteSucceeds)
{
    // The data folder lies below a regular file, so nothing can be written.
    writeBytes(path(QStringLiteral("blocked")), "not a folder");
    AppPaths::setDataFolder(path(QStringLiteral("blocked")));
    EXPECT_FALSE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("Tutorial"), 0));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("Unable to save settings to ")));
    EXPECT_FALSE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("SeatID"), 1));
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(ReadIniValue(QStringLiteral("Display"), QStringLiteral("Tutorial"), 1), QStringLiteral("1"));

    ASSERT_TRUE(QFile::remove(path(QStringLiteral("blocked"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("blocked")));
    EXPECT_TRUE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("Tutorial"), 0));
    EXPECT_EQ(prompts.messages.size(), 1);

    // A settings file that cannot be read is not overwritten, and the
    // failure is reported afresh.
    const QString file = AppPaths::settingsFile();
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));
    EXPECT_FALSE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("Tutorial"), 0));
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(QFileInfo(file).isDir());
}

// Rewrites the file in place (same size, same file number) and sets its
// modification time, so that only its content tells it from before.
void rewriteInPlace(const QString& path, const QByteArray& bytes, qint64 modifiedNs)
{
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_EQ(f.size(), bytes.size());
        f.write(bytes);
    }
    const timespec times[2] = {{0, UTIME_OMIT}, {modifiedNs / 1'000'000'000, modifiedNs % 1'000'000'000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

TEST_F(SettingsFileTest, TheFileIsParsedOnceWhileItStaysAsItWas)
{
    auto handTimer = [] { return ReadIniValue(QStringLiteral("Display"), QStringLiteral("HandTimer"), 0); };
    const qint64 lastYear = WallClockNs() - 365LL * 24 * 3600 * 1'000'000'000;
    writeBytes(settings(), "[Display]\nHandTimer=7\n");
    rewriteInPlace(settings(), "[Display]\nHandTimer=7\n", lastYear);
    EXPECT_EQ(handTimer(), QStringLiteral("7"));

    // Same size and time: the parsed copy is used; a new time: read again.
    rewriteInPlace(settings(), "[Display]\nHandTimer=8\n", lastYear);
    EXPECT_EQ(handTimer(), QStringLiteral("7"));
    rewriteInPlace(settings(), "[Display]\nHandTimer=8\n", lastYear + 1);
    EXPECT_EQ(handTimer(), QStringLiteral("8"));

    // Our own write replaces the parsed copy.
    ASSERT_TRUE(WriteIniValue(QStringLiteral("Display"), QStringLiteral("HandTimer"), 9));
    rewriteInPlace(settings(), "[Display]\nHandTimer=5\n", StampOf(settings()).modifiedNs);
    EXPECT_EQ(handTimer(), QStringLiteral("9"));

    // A file changed within the last second is read again each time, as its
    // time may not tell two quick writes apart.
    const qint64 justNow = WallClockNs();
    rewriteInPlace(settings(), "[Display]\nHandTimer=1\n", justNow);
    EXPECT_EQ(handTimer(), QStringLiteral("1"));
    rewriteInPlace(settings(), "[Display]\nHandTimer=2\n", justNow);
    EXPECT_EQ(handTimer(), QStringLiteral("2"));
}

TEST(DecodeUtf8OrLatin1, InvalidSequencesFallBackBytewise)
{
    EXPECT_EQ(DecodeUtf8OrLatin1("a\xc3\xa9"), QStringLiteral("a\u00e9"));
    EXPECT_EQ(DecodeUtf8OrLatin1("\xe9t\xe9"), QStringLiteral("\u00e9t\u00e9"));
    EXPECT_EQ(DecodeUtf8OrLatin1("\xc3"), QStringLiteral("\u00c3")); // cut short
    EXPECT_EQ(DecodeUtf8OrLatin1("\xc0\xaf"), QStringLiteral("\u00c0\u00af")); // overlong
    EXPECT_EQ(DecodeUtf8OrLatin1("\xed\xa0\x80"), QStringLiteral("\u00ed\u00a0\u0080")); // surrogate
    EXPECT_EQ(DecodeUtf8OrLatin1("\xf0\x9f\x8e\xb2"), QString::fromUtf8("\xf0\x9f\x8e\xb2"));
}
