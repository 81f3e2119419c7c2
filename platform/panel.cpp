#include "platform/panel.h"

#include <QMouseEvent>

TPanel::TPanel(QWidget *AParent) : QFrame(AParent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setMouseTracking(true);
}

void TPanel::mouseMoveEvent(QMouseEvent *AEvent) {
    const QPoint Position = AEvent->position().toPoint();
    emit mouseMoved(AEvent->modifiers(), Position.x(), Position.y());
}
