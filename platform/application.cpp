#include "platform/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {
TApplication::TErrorReportSeam &ErrorReportSeam() {
    static TApplication::TErrorReportSeam Seam;
    return Seam;
}
} // namespace

QString TApplication::Title() {
    return TitleFromPath(QCoreApplication::applicationFilePath());
}

QString TApplication::TitleFromPath(const QString &AProgramPath) {
    const QString Name = QFileInfo(AProgramPath).fileName();
    const QString Stem = Name.left(Name.indexOf(u'.'));
    return Stem.left(1) + Stem.mid(1).toLower();
}

QString TApplication::ErrorReportText(const QString &AMessage) {
    if (!AMessage.isEmpty() && AMessage.back() > QChar(u'.'))
        return AMessage + u'.';
    return AMessage;
}

void TApplication::ShowException(const QString &AMessage) {
    const QString Text = ErrorReportText(AMessage);
    if (ErrorReportSeam()) {
        ErrorReportSeam()(Title(), Text);
        return;
    }
    QMessageBox Box(QMessageBox::Critical, Title(), Text, QMessageBox::Ok,
                    QApplication::activeWindow());
    Box.exec();
}

void TApplication::setErrorReportSeam(TErrorReportSeam ASeam) {
    ErrorReportSeam() = std::move(ASeam);
}
