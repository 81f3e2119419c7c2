#include "platform/open_picture_dialog.h"
#include "platform/picture_preview.h"
#include "test_application.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(OpenPictureDialog, OffersTheFivePictureFiltersInOrder) {
    std::vector<std::string> Shown, Listed;
    for (const auto &Filter : TOpenPictureDialog::Filters) {
        Shown.push_back(Filter.Shown);
        Listed.push_back(Filter.Patterns);
    }
    EXPECT_EQ(Shown, std::vector<std::string>({"All (*.bmp;*.ico;*.emf;*.wmf)", "Bitmaps (*.bmp)",
                                               "Icons (*.ico)", "Enhanced Metafiles (*.emf)",
                                               "Metafiles (*.wmf)"}));
    EXPECT_EQ(Listed, std::vector<std::string>(
                          {"*.bmp *.ico *.emf *.wmf", "*.bmp", "*.ico", "*.emf", "*.wmf"}));
}

TEST(OpenPictureDialog, ConfirmationSetsTheFullPathAndCancelKeepsIt) {
    TestApplication();
    TOpenPictureDialog Dialog;
    Dialog.setNextCancel();
    EXPECT_FALSE(Dialog.Execute());
    EXPECT_EQ(Dialog.FileName(), QString());

    QTemporaryDir Folder;
    const QString Path = Folder.filePath(QStringLiteral("board.bmp"));
    Dialog.setNextFileName(Path);
    EXPECT_TRUE(Dialog.Execute());
    EXPECT_EQ(Dialog.FileName(), Path);

    Dialog.setNextCancel();
    EXPECT_FALSE(Dialog.Execute());
    EXPECT_EQ(Dialog.FileName(), Path);

    // A relative name becomes a full path; a name of no existing file is accepted.
    Dialog.setNextFileName(QStringLiteral("missing.bmp"));
    EXPECT_TRUE(Dialog.Execute());
    EXPECT_EQ(Dialog.FileName(), QDir::current().absoluteFilePath(QStringLiteral("missing.bmp")));
}

TEST(PicturePreview, ShowsSizeOrNone) {
    TestApplication();
    QTemporaryDir Folder;
    const QString Bitmap = Folder.filePath(QStringLiteral("board.bmp"));
    QImage Picture(300, 75, QImage::Format_RGB888);
    Picture.fill(Qt::green);
    ASSERT_TRUE(Picture.save(Bitmap, "BMP"));
    const QString Metafile = Folder.filePath(QStringLiteral("drawing.wmf"));
    QFile(Metafile).open(QIODevice::WriteOnly);

    TPicturePreview Preview;
    EXPECT_EQ(Preview.caption(), QStringLiteral("Picture:"));
    Preview.showFile(Bitmap);
    EXPECT_EQ(Preview.caption(), QStringLiteral(" (300x75)"));
    EXPECT_EQ(Preview.picture().size(), QSize(300, 75));
    Preview.showFile(Metafile);
    EXPECT_EQ(Preview.caption(), QStringLiteral("Picture:"));
    EXPECT_TRUE(Preview.picture().isNull());
}

} // namespace

namespace {

// Runs ACheck on the modal dialog once it shows, then cancels it.
template <typename TCheck> void WhileModal(TCheck ACheck) {
    QTimer::singleShot(0, [ACheck] {
        QWidget *Dialog = QApplication::activeModalWidget();
        ASSERT_NE(Dialog, nullptr);
        ACheck(Dialog);
        Dialog->close();
    });
}

TEST(OpenPictureDialog, ShowsTheFiltersAndAPreviewAndKeepsTheNameOnCancel) {
    TestApplication();
    QTemporaryDir Folder;
    const QString Path = Folder.filePath(QStringLiteral("board.bmp"));
    QImage Picture(300, 75, QImage::Format_RGB888);
    Picture.fill(Qt::darkGreen);
    ASSERT_TRUE(Picture.save(Path, "BMP"));
    TOpenPictureDialog Dialog;
    Dialog.setNextFileName(Path);
    ASSERT_TRUE(Dialog.Execute());

    QStringList Shown;
    QString StartName;
    QString PreviewCaption;
    WhileModal([&](QWidget *AModal) {
        auto *FileDialog = qobject_cast<QFileDialog *>(AModal);
        ASSERT_NE(FileDialog, nullptr);
        const auto *Types = FileDialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(Types, nullptr);
        for (int Index = 0; Index < Types->count(); ++Index)
            Shown << Types->itemText(Index);
        const auto *Name = FileDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(Name, nullptr);
        StartName = Name->text();
        const auto *Preview = FileDialog->findChild<TPicturePreview *>();
        ASSERT_NE(Preview, nullptr);
        PreviewCaption = Preview->caption();
        EXPECT_GT(FileDialog->maximumWidth(), FileDialog->minimumWidth());
    });
    EXPECT_FALSE(Dialog.Execute());
    EXPECT_EQ(Shown,
              QStringList({"All (*.bmp;*.ico;*.emf;*.wmf)", "Bitmaps (*.bmp)", "Icons (*.ico)",
                           "Enhanced Metafiles (*.emf)", "Metafiles (*.wmf)"}));
    EXPECT_EQ(StartName, QStringLiteral("board.bmp"));
    EXPECT_EQ(PreviewCaption, QStringLiteral(" (300x75)"));
    EXPECT_EQ(Dialog.FileName(), Path);
}

} // namespace
