#include "platform/button.h"

#include <QMouseEvent>

TButton::TButton(QWidget *AParent) : QPushButton(AParent) {
    setMouseTracking(true);
}

void TButton::mouseMoveEvent(QMouseEvent *AEvent) {
    const QPoint Position = AEvent->position().toPoint();
    emit mouseMoved(AEvent->modifiers(), Position.x(), Position.y());
    QPushButton::mouseMoveEvent(AEvent);
    AEvent->accept();
}
