#pragma once

#include "core/settings_files.h"
#include "platform/application.h"
#include "tests/platform/test_application.h"
#include "ui/uTavrel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

// Readable failure messages for the Qt types the window tests compare.
inline std::ostream &operator<<(std::ostream &AStream, const QString &AText) {
    return AStream << '"' << AText.toStdString() << '"';
}
inline void PrintTo(const QString &AText, std::ostream *AStream) {
    *AStream << AText;
}
inline void PrintTo(const QRect &ARect, std::ostream *AStream) {
    *AStream << ARect.x() << ", " << ARect.y() << ", " << ARect.width() << " x " << ARect.height();
}
inline void PrintTo(const QSize &ASize, std::ostream *AStream) {
    *AStream << ASize.width() << " x " << ASize.height();
}

// What the default error report would have shown.
struct TErrorReport {
    QString Caption;
    QString Text;
};

// Builds and shows the window with its program folder in a fresh temporary folder, and
// catches the error reports instead of showing message boxes.
class TFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApplication();
        ASSERT_TRUE(FFolder.isValid());
        TApplication::setErrorReportSeam([this](const QString &ACaption, const QString &AText) {
            Reports.push_back({ACaption, AText});
        });
        CreateForm();
    }

    void TearDown() override {
        Form.reset();
        TApplication::setErrorReportSeam({});
    }

    // Builds the window anew, e.g. after writing a program settings file.
    void CreateForm() {
        Form.reset();
        Form = std::make_unique<TForm2>(ExecutablePath());
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }

    // A path in the temporary folder.
    QString TempPath(const QString &AName) const { return FFolder.filePath(AName); }
    QString ExecutablePath() const { return TempPath(QStringLiteral("tavrel")); }
    QString ProgramSettingsPath() const {
        return QString::fromStdString(ProgramSettingsFileName(ExecutablePath().toStdString()));
    }

    static void WriteFile(const QString &APath, const QByteArray &AContent) {
        QFile File(APath);
        ASSERT_TRUE(File.open(QIODevice::WriteOnly));
        File.write(AContent);
    }

    // The next run of the open dialog confirms AFileName, or cancels.
    void AnswerOpenDialog(const QString &AFileName) {
        Form->OpenPictureDialog1->setNextFileName(AFileName);
    }
    void CancelOpenDialog() { Form->OpenPictureDialog1->setNextCancel(); }

    std::unique_ptr<TForm2> Form;
    std::vector<TErrorReport> Reports;

private:
    QTemporaryDir FFolder;
};
