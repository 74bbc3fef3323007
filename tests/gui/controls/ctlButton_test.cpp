#include "gui/controls/ctlButton.h"

#include "gui/controls/RectangleShape.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A shown, active window with a text box and then the button, so the button
// can get the focus by the keyboard.
class ctlButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.resize(300, 120);
        txtFirst->setObjectName(QStringLiteral("txtFirst"));
        txtFirst->setGeometry(10, 10, 120, 24);
        button->setObjectName(QStringLiteral("btnTest"));
        button->setGeometry(10, 50, 120, 30);
        button->setCaption(QStringLiteral("Start"));
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    template <typename T>
    T* part(const char* name) const
    {
        T* found = button->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void tabToButton()
    {
        txtFirst->setFocus();
        QTest::keyClick(txtFirst, Qt::Key_Tab);
        ASSERT_TRUE(button->hasFocus());
    }

    QWidget host;
    QLineEdit* txtFirst = new QLineEdit(&host);
    ctlButton* button = new ctlButton(&host);
    QSignalSpy clicks {button, &ctlButton::Click};
};

} // namespace

TEST_F(ctlButtonTest, EnterClicksOnlyWhileTheFocusBorderShows)
{
    auto* border = part<RectangleShape>("shpBorder");
    EXPECT_FALSE(border->isVisible());

    tabToButton();
    EXPECT_TRUE(border->isVisible());
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 2);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);

    txtFirst->setFocus();
    EXPECT_FALSE(border->isVisible());
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);

    // Focus gained while disabled shows no border; enabling it afterwards
    // does not bring one, so Enter still does nothing.
    button->setEnabled(false);
    tabToButton();
    EXPECT_FALSE(border->isVisible());
    button->setEnabled(true);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ctlButtonTest, DisabledCaptionTakesNoClickButPicturesDo)
{
    button->setEnabled(false);
    EXPECT_FALSE(button->Enabled());
    auto* lbl = part<QLabel>("lbl");
    EXPECT_FALSE(lbl->isEnabled());
    QTest::mouseClick(lbl, Qt::LeftButton);
    tabToButton();
    EXPECT_FALSE(part<RectangleShape>("shpBorder")->isVisible());
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 0);

    button->setDisplayType(1);
    QTest::mouseClick(part<QLabel>("picStartTimer"), Qt::LeftButton);
    button->setDisplayType(2);
    QTest::mouseClick(part<QLabel>("picPauseTimer"), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);

    button->setEnabled(true);
    button->setDisplayType(0);
    QTest::mouseClick(lbl, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(ctlButtonTest, ClickBesideThePictureDoesNothing)
{
    button->setDisplayType(1);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(button->hasFocus()); // a click still gives the focus
}

TEST_F(ctlButtonTest, ForeColorAlsoColoursTheBorder)
{
    button->setForeColor(0x0000FF);
    EXPECT_EQ(button->ForeColor(), 0x0000FFu);
    EXPECT_EQ(part<RectangleShape>("shpBorder")->borderColor(), QColor(Qt::red));
    auto* lbl = part<QLabel>("lbl");
    EXPECT_EQ(lbl->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    // Disabled, the caption greys rather than keeping its colour.
    EXPECT_NE(lbl->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::red));

    button->setBackColor(0xFF0000);
    EXPECT_EQ(button->palette().color(QPalette::Window), QColor(Qt::blue));
}

TEST_F(ctlButtonTest, DisplayTypeSwapsCaptionAndPictures)
{
    auto* lbl = part<QLabel>("lbl");
    auto* start = part<QLabel>("picStartTimer");
    auto* pause = part<QLabel>("picPauseTimer");
    EXPECT_EQ(start->size(), QSize(20, 21));
    EXPECT_EQ(pause->size(), QSize(21, 22));

    button->setDisplayType(1);
    EXPECT_FALSE(lbl->isVisible());
    EXPECT_TRUE(start->isVisible());
    EXPECT_FALSE(pause->isVisible());
    button->setDisplayType(0);
    EXPECT_TRUE(lbl->isVisible());
    EXPECT_FALSE(start->isVisible());
    EXPECT_FALSE(pause->isVisible());

    button->setDisplayType(2);
    button->setDisplayType(3);
    EXPECT_EQ(button->DisplayType(), 3);
    EXPECT_FALSE(lbl->isVisible());
    EXPECT_FALSE(start->isVisible());
    EXPECT_TRUE(pause->isVisible());
    EXPECT_EQ(button->WriteProperties().value(QStringLiteral("DisplayType")).toInt(), 3);
}

TEST_F(ctlButtonTest, ResizeFitsCaptionAndBorderToTheButton)
{
    button->resize(200, 40);
    const QRect caption = part<QLabel>("lbl")->geometry();
    EXPECT_EQ(caption.right(), 199);
    EXPECT_EQ(caption.height(), 40);
    EXPECT_EQ(part<RectangleShape>("shpBorder")->geometry(), QRect(0, 0, 200, 40));
}

TEST(ctlButtonProperties, MissingKeysGiveTheDefaults)
{
    ctlButton button;
    button.setCaption(QStringLiteral("x"));
    button.setDisplayType(2);
    button.ReadProperties(QVariantMap());
    EXPECT_EQ(button.BackColor(), 0x8000000Fu);
    EXPECT_EQ(button.ForeColor(), 0x80000012u);
    EXPECT_EQ(button.Caption(), QString());
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.DisplayType(), 0);
    EXPECT_FALSE(button.findChild<QLabel*>(QStringLiteral("lbl"))->isHidden());
    EXPECT_TRUE(button.WriteProperties().isEmpty());
}

TEST(ctlButtonProperties, StoredValuesComeBackAsTheyWere)
{
    ctlButton button;
    const QVariantMap stored {{QStringLiteral("ForeColor"), 0x8000000Fu},
                              {QStringLiteral("BackColor"), int(0x80000012u)}, // signed as stored
                              {QStringLiteral("Caption"), QStringLiteral("Pause")},
                              {QStringLiteral("Enabled"), false},
                              {QStringLiteral("DisplayType"), 1}};
    button.ReadProperties(stored);
    EXPECT_EQ(button.ForeColor(), 0x8000000Fu);
    EXPECT_EQ(button.BackColor(), 0x80000012u);
    EXPECT_EQ(button.Caption(), QStringLiteral("Pause"));
    EXPECT_FALSE(button.Enabled());
    EXPECT_TRUE(button.findChild<QLabel*>(QStringLiteral("lbl"))->isHidden());
    EXPECT_EQ(button.findChild<RectangleShape*>(QStringLiteral("shpBorder"))->borderColor(),
              OleColorToQColor(0x8000000F));

    const QVariantMap written = button.WriteProperties();
    EXPECT_EQ(written.keys(), stored.keys());
    EXPECT_EQ(OleColorFromVariant(written.value(QStringLiteral("ForeColor")), 0), 0x8000000Fu);
    EXPECT_EQ(OleColorFromVariant(written.value(QStringLiteral("BackColor")), 0), 0x80000012u);
    EXPECT_EQ(written.value(QStringLiteral("Caption")).toString(), QStringLiteral("Pause"));
    EXPECT_FALSE(written.value(QStringLiteral("Enabled")).toBool());
    EXPECT_EQ(written.value(QStringLiteral("DisplayType")).toInt(), 1);
}

TEST(ctlButtonProperties, UnreadableValuesFallBackToTheDefaults)
{
    ctlButton button;
    button.ReadProperties(
        {{QStringLiteral("ForeColor"), QStringLiteral("red")}, {QStringLiteral("DisplayType"), QStringLiteral("two")}});
    EXPECT_EQ(button.ForeColor(), 0x80000012u);
    EXPECT_EQ(button.DisplayType(), 0);
}
