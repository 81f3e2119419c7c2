#include "platform/printer_setup_dialog.h"

#include "core/printing.h"

#include <QPrintDialog>
#include <QWidget>

TPrinterSetupDialog::TPrinterSetupDialog(QObject *AParent) : QObject(AParent) {}

bool TPrinterSetupDialog::Execute() {
    if (!FPrinter.Device().isValid())
        throw EPrinter("There is no default printer currently selected");
    if (FNextAnswer) {
        const bool Accepted = *FNextAnswer == QDialog::Accepted;
        FNextAnswer.reset();
        return Accepted;
    }
    QPrintDialog Dialog(&FPrinter.Device(), qobject_cast<QWidget *>(parent()));
    Dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return Dialog.exec() == QDialog::Accepted;
}
