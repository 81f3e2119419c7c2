#pragma once

#include <QImage>
#include <QWidget>

// Shows its picture at natural size from the top-left corner, clipped to its bounds, and
// repaints only the exposed part. Transparent, it leaves out every pixel of the colour of
// the picture's bottom-left pixel. Mouse events come over its whole area, picture or not.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget *AParent = nullptr);

    const QImage &picture() const { return FPicture; }
    void setPicture(const QImage &APicture);
    bool isTransparent() const { return FTransparent; }
    void setTransparent(bool ATransparent);

signals:
    void mouseDown(Qt::MouseButton AButton, Qt::KeyboardModifiers AShift, int AX, int AY);
    void mouseMoved(Qt::KeyboardModifiers AShift, int AX, int AY);

protected:
    void paintEvent(QPaintEvent *AEvent) override;
    void mousePressEvent(QMouseEvent *AEvent) override;
    void mouseMoveEvent(QMouseEvent *AEvent) override;

private:
    void UpdateDrawnPicture();

    QImage FPicture;
    QImage FDrawn; // FPicture, with the see-through colour cleared when transparent
    bool FTransparent = false;
};
