#include "platform/application.h"
#include "test_application.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct TTextRow {
    const char *Given;
    const char *Expected;
};

class TitleTest : public ::testing::TestWithParam<TTextRow> {};

TEST_P(TitleTest, NameUpToFirstFullStopLowerCasedAfterFirstCharacter) {
    EXPECT_EQ(TApplication::TitleFromPath(QString::fromUtf8(GetParam().Given)),
              QString::fromUtf8(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(Application, TitleTest,
                         ::testing::Values(TTextRow{"/usr/bin/tavrel", "tavrel"},
                                           TTextRow{"/opt/Tavrel.exe", "Tavrel"},
                                           TTextRow{"/x/TAVREL.Beta.exe", "Tavrel"},
                                           TTextRow{"/x/ÉCRAN", "Écran"},
                                           TTextRow{"/x/.hidden", ""}));

class ErrorTextTest : public ::testing::TestWithParam<TTextRow> {};

TEST_P(ErrorTextTest, FullStopAddedAfterCharactersAboveFullStop) {
    EXPECT_EQ(TApplication::ErrorReportText(QString::fromUtf8(GetParam().Given)),
              QString::fromUtf8(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Application, ErrorTextTest,
    ::testing::Values(TTextRow{"Bitmap image is not valid", "Bitmap image is not valid."},
                      TTextRow{"Unable to write to /a/b.ini", "Unable to write to /a/b.ini."},
                      TTextRow{"Ends with a full stop.", "Ends with a full stop."},
                      TTextRow{"Ends with a blank ", "Ends with a blank "},
                      TTextRow{"Ends with a quote \"", "Ends with a quote \""},
                      TTextRow{"Ends with a hyphen -", "Ends with a hyphen -"},
                      TTextRow{"Ends with a slash /", "Ends with a slash /."},
                      TTextRow{"Ends with a digit 7", "Ends with a digit 7."},
                      TTextRow{"Ends with an umlaut ä", "Ends with an umlaut ä."},
                      TTextRow{"", ""}));

TEST(ApplicationGuard, HandsEveryEscapingErrorToTheReportAndGoesOn) {
    TestApplication();
    QStringList Captions, Texts;
    TApplication::setErrorReportSeam([&](const QString &ACaption, const QString &AText) {
        Captions << ACaption;
        Texts << AText;
    });
    bool StepAfterError = false;
    TApplication::Guard([&] {
        throw std::runtime_error("Stream read error");
        StepAfterError = true;
    });
    TApplication::Guard([] { throw 42; });
    TApplication::Guard([] {});
    TApplication::setErrorReportSeam({});

    EXPECT_FALSE(StepAfterError);
    EXPECT_EQ(Texts, QStringList({"Stream read error.", "Unknown error."}));
    // The caption is the test program's own name, not a window caption.
    EXPECT_EQ(Captions, QStringList(2, TApplication::Title()));
    EXPECT_EQ(TApplication::Title(), QStringLiteral("controls_test"));
}

} // namespace

namespace {

TEST(ApplicationErrorReport, IsAModalErrorBoxWithOneOkButton) {
    TestApplication();
    QString Title, Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QList<QAbstractButton *> Buttons;
    QTimer::singleShot(0, [&] {
        auto *Box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(Box, nullptr);
        Title = Box->windowTitle();
        Text = Box->text();
        Icon = Box->icon();
        Buttons = Box->buttons();
        Box->button(QMessageBox::Ok)->click();
    });
    TApplication::ShowException(QStringLiteral("Bitmap image is not valid"));
    EXPECT_EQ(Title, QStringLiteral("controls_test"));
    EXPECT_EQ(Text, QStringLiteral("Bitmap image is not valid."));
    EXPECT_EQ(Icon, QMessageBox::Critical);
    EXPECT_EQ(Buttons.size(), 1);
}

} // namespace
