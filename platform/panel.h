#pragma once

#include <QFrame>

// A rectangle with a raised bevel that reports the pointer moving over it, and over its
// disabled children.
class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget *AParent = nullptr);

signals:
    void mouseMoved(Qt::KeyboardModifiers AShift, int AX, int AY);

protected:
    void mouseMoveEvent(QMouseEvent *AEvent) override;
};
