#include "platform/open_picture_dialog.h"

#include "platform/picture_preview.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

TOpenPictureDialog::TOpenPictureDialog(QObject *AParent) : QObject(AParent) {}

bool TOpenPictureDialog::Execute() {
    std::optional<QString> Answer;
    if (FNextAnswer) {
        Answer = *FNextAnswer;
        FNextAnswer.reset();
    } else {
        // Qt's own dialog, as the preview pane goes into its layout.
        QFileDialog Dialog(QApplication::activeWindow());
        Dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        Dialog.setAcceptMode(QFileDialog::AcceptOpen);
        Dialog.setFileMode(QFileDialog::AnyFile);
        QStringList NameFilters;
        // The shown text keeps its semicolons; the hidden last parentheses give Qt the patterns.
        for (const TFilter &Filter : Filters)
            NameFilters << QStringLiteral("%1 (%2)").arg(QLatin1String(Filter.Shown),
                                                         QLatin1String(Filter.Patterns));
        Dialog.setNameFilters(NameFilters);
        auto *Preview = new TPicturePreview(&Dialog);
        if (auto *Grid = qobject_cast<QGridLayout *>(Dialog.layout()))
            Grid->addWidget(Preview, 0, Grid->columnCount(), Grid->rowCount(), 1);
        connect(&Dialog, &QFileDialog::currentChanged, Preview, &TPicturePreview::showFile);
        if (!FFileName.isEmpty()) {
            Dialog.selectFile(FFileName);
            Preview->showFile(FFileName);
        }
        if (Dialog.exec() == QDialog::Accepted && !Dialog.selectedFiles().isEmpty())
            Answer = Dialog.selectedFiles().constFirst();
    }
    if (!Answer)
        return false;
    FFileName = QFileInfo(*Answer).absoluteFilePath();
    return true;
}
