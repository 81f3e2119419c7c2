#include "platform/button.h"

#include <QMouseEvent>

TButton::TButton(QWidget *AParent) : QPushButton(AParent) {
    setMouseTracking(true);
}

void TButton::changeEvent(QEvent *AEvent) {
    // Qt gives a disabled widget's mouse events to no one; these go to the parent instead.
    if (AEvent->type() == QEvent::EnabledChange)
        setAttribute(Qt::WA_TransparentForMouseEvents, !isEnabled());
    QPushButton::changeEvent(AEvent);
}

void TButton::mouseMoveEvent(QMouseEvent *AEvent) {
    const QPoint Position = AEvent->position().toPoint();
    emit mouseMoved(AEvent->modifiers(), Position.x(), Position.y());
    QPushButton::mouseMoveEvent(AEvent);
    AEvent->accept();
}
