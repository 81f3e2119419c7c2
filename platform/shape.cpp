#include "platform/shape.h"

#include <QPainter>

TShape::TShape(QWidget *AParent) : QWidget(AParent) {}

void TShape::setPenColor(const QColor &AColor) {
    FPenColor = AColor;
    update();
}

void TShape::paintEvent(QPaintEvent *) {
    QPainter Painter(this);
    Painter.fillRect(rect(), Qt::white);
    Painter.setPen(QPen(FPenColor, 0));
    Painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
