#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <optional>

// The open-file dialog for pictures, with a preview pane. FileName keeps the file confirmed
// last; a cancel leaves it as it was.
class TOpenPictureDialog : public QObject {
    Q_OBJECT
public:
    struct TFilter {
        const char *Shown;
        const char *Patterns; // separated by blanks
    };
    static constexpr std::array<TFilter, 5> Filters{{
        {"All (*.bmp;*.ico;*.emf;*.wmf)", "*.bmp *.ico *.emf *.wmf"},
        {"Bitmaps (*.bmp)", "*.bmp"},
        {"Icons (*.ico)", "*.ico"},
        {"Enhanced Metafiles (*.emf)", "*.emf"},
        {"Metafiles (*.wmf)", "*.wmf"},
    }};

    explicit TOpenPictureDialog(QObject *AParent = nullptr);

    QString FileName() const { return FFileName; }

    // Shows the dialog modally; true when the user confirmed a file.
    bool Execute();

    // For tests: the next Execute answers without showing the dialog, confirming
    // AFileName or cancelling.
    void setNextFileName(const QString &AFileName) { FNextAnswer = AFileName; }
    void setNextCancel() { FNextAnswer = std::optional<QString>(); }

private:
    QString FFileName;
    std::optional<std::optional<QString>> FNextAnswer;
};
