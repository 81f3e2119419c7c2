#pragma once

#include <QString>

#include <exception>
#include <functional>

// The application object's share of the program: its title and the report of an error
// that escapes an event handler.
class TApplication {
public:
    // The running program file's name up to its first ".", every character after the
    // first in lower case.
    static QString Title();
    static QString TitleFromPath(const QString &AProgramPath);

    // The message followed by "." when its last character's code is above that of ".".
    static QString ErrorReportText(const QString &AMessage);

    // The default error report: a modal message box with the error icon and one OK button,
    // captioned with the title. The event loop goes on afterwards.
    static void ShowException(const QString &AMessage);

    // Runs AHandler; an exception it throws ends it and goes to the error report, so none
    // ever reaches the Qt event loop.
    template <typename THandler> static void Guard(THandler &&AHandler) noexcept {
        try {
            AHandler();
        } catch (const std::exception &AError) {
            ShowException(QString::fromStdString(AError.what()));
        } catch (...) {
            ShowException(QStringLiteral("Unknown error"));
        }
    }

    // For tests: the report goes to ASeam instead of a message box; an empty function
    // restores the message box.
    using TErrorReportSeam = std::function<void(const QString &ACaption, const QString &AText)>;
    static void setErrorReportSeam(TErrorReportSeam ASeam);
};
