#include "platform/edit.h"

#include <QKeyEvent>
#include <QMouseEvent>

// The box takes the pointer's moves itself: they do not reach its parent's handler.
TEdit::TEdit(QWidget *AParent) : QLineEdit(AParent) {
    setMouseTracking(true);
}

void TEdit::mouseMoveEvent(QMouseEvent *AEvent) {
    QLineEdit::mouseMoveEvent(AEvent);
    AEvent->accept();
}

void TEdit::keyReleaseEvent(QKeyEvent *AEvent) {
    QLineEdit::keyReleaseEvent(AEvent);
    // A held key repeats presses but is released once.
    if (!AEvent->isAutoRepeat())
        emit keyUp(AEvent->key(), AEvent->modifiers());
}
