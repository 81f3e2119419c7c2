#pragma once

#include <QPushButton>

// A push button that reports the pointer moving over it. While disabled its moves go on to
// the parent.
class TButton : public QPushButton {
    Q_OBJECT
public:
    explicit TButton(QWidget *AParent = nullptr);

signals:
    void mouseMoved(Qt::KeyboardModifiers AShift, int AX, int AY);

protected:
    void changeEvent(QEvent *AEvent) override;
    void mouseMoveEvent(QMouseEvent *AEvent) override;
};
