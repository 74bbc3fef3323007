#include "TestSupport.h"
#include "core/platform/AppPaths.h"
#include "core/store/DAORegister.h"
#include "core/store/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <set>

namespace {

const QString kClass = QStringLiteral("HKEY_CLASSES_ROOT\\CLSID\\{F7A9C6E0-EFF2-101A-8185-00DD01108C6B}");

class RegistrationTest : public DataFolderTest {
protected:
    QString daoRegistered() const
    {
        return ReadIniValue(QStringLiteral("Defaults"), QStringLiteral("DAORegistered"), QStringLiteral("<none>"));
    }
};

} // namespace

TEST_F(RegistrationTest, FirstStartWritesTheThreeEntriesOnce)
{
    EXPECT_TRUE(RegisterLinkHandlerOnce());
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(daoRegistered(), QStringLiteral("1"));

    const RegistryStore store(AppPaths::registryFile());
    EXPECT_EQ(store.stringValue(kClass, QString()), QStringLiteral("OLE 2.0 Link"));
    EXPECT_EQ(store.stringValue(kClass + QStringLiteral("\\InprocHandler"), QString()), QStringLiteral("ole2.dll"));
    EXPECT_EQ(store.stringValue(kClass + QStringLiteral("\\ProgID"), QString()), QStringLiteral("Access.OLE2Link"));

    // Not again with this settings file.
    ASSERT_TRUE(QFile::remove(AppPaths::registryFile()));
    EXPECT_FALSE(RegisterLinkHandlerOnce());
    EXPECT_FALSE(QFile::exists(AppPaths::registryFile()));
}

TEST_F(RegistrationTest, UnwritableRegistryShowsOneMessageAndStillMarksItDone)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("registry.ini"))); // cannot be written as a file
    EXPECT_TRUE(RegisterLinkHandlerOnce());
    EXPECT_EQ(
        prompts.messages,
        QStringList {QStringLiteral("Error registering DAO.  If this problem persists, please contact support.")});
    EXPECT_EQ(daoRegistered(), QStringLiteral("1"));
    EXPECT_FALSE(RegisterLinkHandlerOnce());
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(RegistrationTest, AnythingButZeroCountsAsRegisteredAndGarbageAsNot)
{
    ASSERT_TRUE(WriteIniValue(QStringLiteral("Defaults"), QStringLiteral("DAORegistered"), 2));
    EXPECT_FALSE(RegisterLinkHandlerOnce());
    ASSERT_TRUE(WriteIniValue(QStringLiteral("Defaults"), QStringLiteral("DAORegistered"), QStringLiteral("yes")));
    EXPECT_TRUE(RegisterLinkHandlerOnce());
    EXPECT_EQ(daoRegistered(), QStringLiteral("1"));
}

TEST_F(RegistrationTest, HandleTableHoldsOneEntryPerHandleWithItsPath)
{
    RegistryStore store(AppPaths::registryFile());
    DAORegister reg(store);
    reg.RegisterDAO();
    std::set<Long> handles;
    for (const auto& entry : reg.regKeys())
        handles.insert(entry.KeyHandle);
    EXPECT_EQ(handles.size(), reg.regKeys().size());
    ASSERT_FALSE(reg.regKeys().empty());
    // Closed handles are handed out again; the entry takes the newest path.
    EXPECT_EQ(reg.RegKeyPath(reg.regKeys().back().KeyHandle), kClass + QStringLiteral("\\ProgID"));

    Long parent = 0;
    ASSERT_TRUE(reg.CreateRegKey(RegistryStore::HKEY_CURRENT_USER, QStringLiteral("Software"), QStringLiteral("\\ZRV"),
                                 parent));
    Long child = 0;
    ASSERT_TRUE(reg.CreateRegKey(parent, QStringLiteral("Sub"), QString(), child));
    EXPECT_NE(child, parent);
    EXPECT_EQ(reg.RegKeyPath(child), QStringLiteral("HKEY_CURRENT_USER\\Software\\ZRV\\Sub"));
    EXPECT_TRUE(store.keyExists(QStringLiteral("hkey_current_user\\software\\zrv\\sub")));
    EXPECT_TRUE(reg.SetRegString(child, QStringLiteral("Name"), QStringLiteral(" padded ")));
    EXPECT_EQ(store.stringValue(QStringLiteral("HKEY_CURRENT_USER\\Software\\ZRV\\Sub"), QStringLiteral("Name")),
              QStringLiteral(" padded "));
    EXPECT_TRUE(reg.CloseRegKey(child));
    EXPECT_FALSE(reg.CloseRegKey(child));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(RegistrationTest, RefusalsWithoutAMessage)
{
    RegistryStore store(AppPaths::registryFile());
    DAORegister reg(store);
    Long handle = 0;
    EXPECT_FALSE(reg.CreateRegKey(RegistryStore::HKEY_CLASSES_ROOT, QString(), QStringLiteral("x"), handle));
    EXPECT_FALSE(reg.SetRegString(0, QString(), QStringLiteral("x")));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(AppPaths::registryFile()));

    EXPECT_EQ(reg.RegKeyPath(77), QString());
    EXPECT_EQ(reg.FindRegKeyHandle(77), -1);
    EXPECT_EQ(reg.RegKeyPath(RegistryStore::HKEY_USERS), QStringLiteral("HKEY_USERS"));
    EXPECT_EQ(DAORegister::RootKeyName(static_cast<Long>(0x80000004u)), QString());

    // A handle the store never gave out.
    EXPECT_FALSE(reg.CreateRegKey(77, QStringLiteral("Key"), QString(), handle));
    EXPECT_EQ(prompts.messages.size(), 1);
}
