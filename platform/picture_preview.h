#pragma once

#include <QImage>
#include <QWidget>

class QLabel;
class QToolButton;

// The open-picture dialog's preview pane: the picture of a file fitted and centred, with
// " (WxH)" above it, or "Picture:" and "(None)" when there is nothing to show; a button
// shows the picture larger in a window of its own.
class TPicturePreview : public QWidget {
    Q_OBJECT
public:
    explicit TPicturePreview(QWidget *AParent = nullptr);

    void showFile(const QString &AFileName);
    QString caption() const;
    const QImage &picture() const { return FPicture; }

protected:
    bool eventFilter(QObject *AWatched, QEvent *AEvent) override;

private:
    void ShowLarger();

    QImage FPicture;
    QLabel *FCaption;
    QWidget *FPane;
    QToolButton *FLargerButton;
};
