#include "platform/edit.h"

#include <QKeyEvent>

TEdit::TEdit(QWidget *AParent) : QLineEdit(AParent) {}

void TEdit::keyReleaseEvent(QKeyEvent *AEvent) {
    QLineEdit::keyReleaseEvent(AEvent);
    // A held key repeats presses but is released once.
    if (!AEvent->isAutoRepeat())
        emit keyUp(AEvent->key(), AEvent->modifiers());
}
