#pragma once

#include <QLineEdit>

// One line of editable text that reports each key released while it has the focus.
// Setting the text programmatically reports nothing.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget *AParent = nullptr);

signals:
    void keyUp(int AKey, Qt::KeyboardModifiers AShift);

protected:
    void keyReleaseEvent(QKeyEvent *AEvent) override;
    void mouseMoveEvent(QMouseEvent *AEvent) override;
};
