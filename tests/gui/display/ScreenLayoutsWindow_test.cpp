#include "MainWindowFixture.h"

#include "core/display/ScreenObjects.h"
#include "core/platform/Twips.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/RuledFrame.h"
#include "gui/display/DisplayLayout.h"
#include "gui/display/RotatingLayouts.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextEdit>

class ScreenLayoutWindowTest : public TournamentWindowFixture { };
class CustomPictureWindowTest : public TournamentWindowFixture {
protected:
    // The pictures differ in width, so the shown one is known by its width.
    void write(const char* name, int width)
    {
        QImage image(width, 10, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(dir.filePath(QString::fromLatin1(name))));
    }
    void write(const char* name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    int shownWidth()
    {
        w->SwitchView(6);
        return control<QLabel>("imgCustomPicture")->pixmap().width();
    }
    QTemporaryDir dir;
};
class RichTextScreenTest : public TournamentWindowFixture {
protected:
    QTextCharFormat lastFormat(const char* box) const
    {
        QTextCursor c(control<QTextEdit>(box)->document());
        c.movePosition(QTextCursor::End);
        return c.charFormat();
    }
};

TEST_F(ScreenLayoutWindowTest, PanelsFollowTheSidePanelAResizeAndSummaryFive)
{
    w->show();
    w->resize(1280, 1024);
    programSettings().gintShowChipsAndPayouts = 1;
    w->SwitchView(12);
    const QRect grid = parts(w).display.grid->geometry();
    EXPECT_EQ(grid.left(), TwipsToPixels(parts(w).layout->sizes.SidePanelWidth));
    EXPECT_EQ(grid.right() + 1, 1280 - TwipsToPixels(300));
    auto* kills = control<FlexGrid>("gridKills");
    EXPECT_EQ(kills->x(), grid.x() + TwipsToPixels(100));
    // Its header row and the room under its rows in the display's colour.
    EXPECT_EQ(kills->BackColorFixed(), parts(w).display.gridPayouts->BackColorFixed());
    EXPECT_EQ(kills->BackColorBkg(), parts(w).display.gridPayouts->BackColorBkg());
    // A resize lays the shown grid out again against its new inner width.
    for (const int width : {1280, 800}) {
        w->resize(width, 600);
        EXPECT_NEAR(kills->ColWidth(0) + kills->ColWidth(1) + kills->ColWidth(2), kills->InnerWidth(), 30);
    }

    w->SwitchView(14);
    auto* frame = control<QFrame>("frameSummary");
    EXPECT_EQ(frame->x(), TwipsToPixels(120));
    EXPECT_EQ(frame->width(), TwipsToPixels(PixelsToTwips(800) - 300));
    EXPECT_FALSE(control("lblChipValuesCap")->isVisible());
    // Buy-in right after: the labels centre on the buy-in frame, not on the
    // wide frame of summary style 5.
    w->SwitchView(2);
    auto* buyin = control<QFrame>("frameBuyin");
    EXPECT_EQ(buyin->x(), parts(w).display.grid->x());
    const QLabel* cap = control<QLabel>("lblBuyinCap");
    EXPECT_NEAR(cap->x() + cap->width() / 2, buyin->width() / 2, 1);
    w->SwitchView(1);
    EXPECT_EQ(frame->x(), parts(w).display.grid->x());

    programSettings().gintShowChipsAndPayouts = 0;
    w->SwitchView(9);
    EXPECT_EQ(parts(w).display.grid->x() + parts(w).display.grid->width() / 2, 400);
    EXPECT_EQ(control("gridTables")->x(), control("lblTimerCap")->x());

    // Summary style 2 spans the window whatever the side panel, its rules
    // drawn at the column quarters.
    w->SwitchView(10);
    auto* classic = control<RuledFrame>("frameSummary2");
    EXPECT_EQ(classic->geometry().left(), TwipsToPixels(80));
    ASSERT_EQ(classic->rules().size(), 8);
    EXPECT_NEAR(classic->rules()[0].x1(), classic->width() / 4, 1);
    EXPECT_NEAR(classic->rules()[1].x1(), classic->width() * 3 / 4, 1);
    EXPECT_EQ(control("lblClassicItem(12)")->geometry().right() + 1, classic->width());
    EXPECT_FALSE(control("lblBlinds")->isVisible());
}

TEST_F(CustomPictureWindowTest, FolderShowSkipsBadFilesAndFallsBackToTheBuiltInPicture)
{
    const int builtIn = QImage(QStringLiteral(":/pictures/custom.png")).width();
    EXPECT_EQ(shownWidth(), builtIn); // no location
    openTournament().gintCustomPictureType = 1;
    openTournament().gstrCustomPictureLocation = dir.path();
    write("a.jpg", 4);
    // Qt writes no GIF: a one-pixel GIF by hand.
    write("b.gif",
          QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c0000000001000100"
                              "0002024401003b"));
    write("c.bmp", 3);
    write("e.ico", 5);
    write("X.JPG", QByteArray("not a picture"));
    std::vector<int> shown;
    for (int i = 0; i < 5; ++i)
        shown.push_back(shownWidth());
    EXPECT_EQ(shown, (std::vector<int> {4, 1, 3, 5, 4}));
    // The file that is no picture, passed over twice, is named to the
    // director once, after the screen is shown.
    QApplication::processEvents();
    EXPECT_EQ(prompts.messages.filter(QStringLiteral("X.JPG")).size(), 1) << prompts.messages.join(u'\n').toStdString();
    shownWidth(); // b
    shownWidth(); // c
    QFile::remove(dir.filePath(QStringLiteral("c.bmp")));
    EXPECT_EQ(shownWidth(), 4); // after the remembered c, gone: from the start
    EXPECT_EQ(parts(w).rotating->mstrLastCustomPicture, QStringLiteral("a.jpg"));

    // One large file is scaled down to the players grid's rectangle.
    openTournament().gintCustomPictureType = 0;
    openTournament().gstrCustomPictureLocation = dir.filePath(QStringLiteral("big.bmp"));
    write("big.bmp", 6000);
    w->show();
    shownWidth();
    const QRect grid = parts(w).display.grid->geometry();
    const QRect picture = control("imgCustomPicture")->geometry();
    EXPECT_TRUE(grid.adjusted(-1, -1, 1, 1).contains(picture)) << picture.width() << "x" << picture.height();
}

TEST_F(CustomPictureWindowTest, APhotographLargerThanTheReadersMemoryLimitIsReadAtTheScreensSize)
{
    // A photograph of nine screens, over the reader's limit when decoded
    // whole, within it at the screen's size.
    const QSize screen = parts(w).display.imgCustomPicture->screen()->geometry().size();
    QImage photo(screen * 3, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    ASSERT_TRUE(photo.save(dir.filePath(QStringLiteral("photo.jpg"))));
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(int(qint64(screen.width()) * screen.height() * 4 * 4 / (1024 * 1024)) + 1);
    openTournament().gintCustomPictureType = 0;
    openTournament().gstrCustomPictureLocation = dir.filePath(QStringLiteral("photo.jpg"));
    w->SwitchView(6);
    QApplication::processEvents();
    QImageReader::setAllocationLimit(limit);
    EXPECT_EQ(control<QLabel>("imgCustomPicture")->pixmap().size(), screen);
    EXPECT_EQ(prompts.messages, QStringList {});
}

TEST_F(RichTextScreenTest, PlainTextTakesTheDefaultLookHtmlKeepsItsFontsBothTakeTheScreenColour)
{
    ScreenObjectTable& objects = screenObjects();
    objects.gtypScreenObjects[objects.gintRulesObject].FontColor = 0x0000FF; // red
    objects.gtypScreenObjects[objects.gintCustomMessageObject].FontColor = 0x00FF00; // green
    OpenTournament& t = openTournament();
    const QString plain = QStringLiteral("No phones\r\nNo <b>rebuys</b> {\\rtf1}");
    const QString html
        = QStringLiteral("  <!DOCTYPE HTML><html><body><p align=\"right\"><span style=\"font-family:'Arial'; "
                         "font-size:12pt;\">Good luck</span></p></body></html>");
    t.gstrRules = plain;
    t.gstrCustomMessage = html;

    w->SwitchView(4);
    EXPECT_EQ(control<QTextEdit>("rtbRules")->toPlainText(), QStringLiteral("No phones\nNo <b>rebuys</b> {\\rtf1}"));
    const QTextCharFormat plainLook = lastFormat("rtbRules");
    EXPECT_EQ(plainLook.fontFamilies().toStringList(), QStringList {"Times New Roman"});
    EXPECT_EQ(plainLook.fontPointSize(), 24);
    EXPECT_EQ(plainLook.fontWeight(), QFont::Bold);
    EXPECT_EQ(plainLook.foreground().color(), QColor(255, 0, 0));
    // Centred as the document's default, for every paragraph.
    EXPECT_TRUE(control<QTextEdit>("rtbRules")->document()->defaultTextOption().alignment().testFlag(Qt::AlignHCenter));
    EXPECT_EQ(control<QTextEdit>("rtbRules")->textCursor().position(), 0);

    w->SwitchView(5);
    EXPECT_EQ(lastFormat("rtbCustomMessage").fontPointSize(), 12);
    EXPECT_EQ(lastFormat("rtbCustomMessage").foreground().color(), QColor(0, 255, 0));
    EXPECT_TRUE(control<QTextEdit>("rtbCustomMessage")->alignment().testFlag(Qt::AlignRight));
    EXPECT_EQ(t.gstrRules, plain);
    EXPECT_EQ(t.gstrCustomMessage, html);

    // With no screen objects the text keeps the colours it came with.
    objects.clear();
    w->SwitchView(5);
    EXPECT_NE(lastFormat("rtbCustomMessage").foreground().color(), QColor(0, 255, 0));
}
