#include "core/store/DefaultSound.h"

#include "TestSupport.h"

#include <QFile>

using DefaultSoundTest = DataFolderTest;

TEST_F(DefaultSoundTest, WrittenWhenMissingAndKeptWhenReplaced)
{
    const QString sound = path(QStringLiteral("airhorn.wav"));
    ASSERT_TRUE(WriteDefaultSoundIfMissing());
    QFile written(sound);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(12).startsWith("RIFF"));
    written.close();

    {
        QFile mine(sound);
        ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
        mine.write("the director's own sound");
    }
    EXPECT_TRUE(WriteDefaultSoundIfMissing());
    QFile kept(sound);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("the director's own sound"));
}
