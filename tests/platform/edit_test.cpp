#include "platform/edit.h"
#include "test_application.h"

#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Edit, ReportsEveryKeyReleaseButNotTextSetByTheProgram) {
    TestApplication();
    TEdit Edit;
    std::vector<int> Keys;
    QObject::connect(&Edit, &TEdit::keyUp,
                     [&](int AKey, Qt::KeyboardModifiers) { Keys.push_back(AKey); });
    Edit.setText(QStringLiteral("600"));
    EXPECT_TRUE(Keys.empty());

    QTest::keyClick(&Edit, Qt::Key_Backspace);
    QTest::keyClick(&Edit, Qt::Key_5);
    QTest::keyClick(&Edit, Qt::Key_Left);
    // A held key repeats its press but is released once.
    QKeyEvent Repeat(QEvent::KeyRelease, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true);
    QCoreApplication::sendEvent(&Edit, &Repeat);
    EXPECT_EQ(Keys, std::vector<int>({Qt::Key_Backspace, Qt::Key_5, Qt::Key_Left}));
    EXPECT_EQ(Edit.text(), QStringLiteral("605"));
}

} // namespace
