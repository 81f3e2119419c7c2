#pragma once

#include "platform/printer.h"

#include <QDialog>
#include <QObject>

#include <optional>

// The printer-setup dialog over the run's one printer: OK makes the chosen output and
// settings current, Cancel changes nothing.
class TPrinterSetupDialog : public QObject {
    Q_OBJECT
public:
    explicit TPrinterSetupDialog(QObject *AParent = nullptr);

    TPrinter &Printer() { return FPrinter; }

    // True on OK. Throws EPrinter when the platform offers no output at all.
    bool Execute();

    // For tests: the next Execute answers this without showing the dialog.
    void setNextAnswer(QDialog::DialogCode AAnswer) { FNextAnswer = AAnswer; }

private:
    TPrinter FPrinter;
    std::optional<QDialog::DialogCode> FNextAnswer;
};
