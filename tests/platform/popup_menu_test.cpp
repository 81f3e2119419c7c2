#include "platform/popup_menu.h"
#include "test_application.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList Captions(const QMenu &AMenu) {
    QStringList Texts;
    for (const QAction *Item : AMenu.actions())
        Texts << Item->text();
    return Texts;
}

void OpenAndClose(QMenu &AMenu) {
    AMenu.popup(QPoint(10, 10));
    ASSERT_TRUE(AMenu.isVisible());
    AMenu.close();
}

TEST(PopupMenu, AcceleratorsAfterFirstAndSecondOpening) {
    TestApplication();
    TPopupMenu Menu;
    for (int Mils = 500; Mils <= 2000; Mils += 100)
        Menu.addAction(QString::number(Mils));
    const QStringList Expected = {"&500",  "&600",  "&700",  "&800",  "&900", "&1000",
                                  "11&00", "1&200", "1&300", "1&400", "1500", "1600",
                                  "1700",  "1800",  "1900",  "2000"};
    OpenAndClose(Menu);
    EXPECT_EQ(Captions(Menu), Expected);
    OpenAndClose(Menu);
    EXPECT_EQ(Captions(Menu), Expected);
}

TEST(PopupMenu, ExistingAcceleratorsAreKeptAndTakenFirst) {
    TestApplication();
    TPopupMenu Menu;
    for (const char *Caption : {"Open", "Ope&n", "Print", "&&More", "--"})
        Menu.addAction(QString::fromLatin1(Caption));
    OpenAndClose(Menu);
    // "n" is held by the second item, so the first takes "O"; upper and lower case clash.
    EXPECT_EQ(Captions(Menu), QStringList({"&Open", "Ope&n", "&Print", "&&&More", "--"}));
}

TEST(PopupMenu, AcceleratorOfFindsTheCharacterAfterASingleAmpersand) {
    EXPECT_EQ(TPopupMenu::AcceleratorOf(QStringLiteral("11&00")), QChar(u'0'));
    EXPECT_EQ(TPopupMenu::AcceleratorOf(QStringLiteral("a&&b&c")), QChar(u'c'));
    EXPECT_TRUE(TPopupMenu::AcceleratorOf(QStringLiteral("a&&b")).isNull());
    EXPECT_TRUE(TPopupMenu::AcceleratorOf(QStringLiteral("ab&")).isNull());
}

TEST(PopupMenu, TypingTheAcceleratorChoosesTheItem) {
    TestApplication();
    TPopupMenu Menu;
    QAction *Chosen = nullptr;
    QObject::connect(&Menu, &QMenu::triggered, [&](QAction *AItem) { Chosen = AItem; });
    for (int Mils = 500; Mils <= 1200; Mils += 100)
        Menu.addAction(QString::number(Mils));
    Menu.popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Menu));
    QTest::keyClick(&Menu, Qt::Key_2);
    ASSERT_NE(Chosen, nullptr);
    EXPECT_EQ(Chosen->text(), QStringLiteral("1&200"));
    EXPECT_FALSE(Menu.isVisible());
}

} // namespace
