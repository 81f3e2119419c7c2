#include "platform/image.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TImage::TImage(QWidget *AParent) : QWidget(AParent) {
    setMouseTracking(true);
}

void TImage::setPicture(const QImage &APicture) {
    FPicture = APicture;
    UpdateDrawnPicture();
}

void TImage::setTransparent(bool ATransparent) {
    FTransparent = ATransparent;
    UpdateDrawnPicture();
}

void TImage::UpdateDrawnPicture() {
    FDrawn = FPicture;
    if (FTransparent && !FPicture.isNull()) {
        const QRgb SeeThrough = FPicture.pixel(0, FPicture.height() - 1);
        FDrawn = FPicture.convertToFormat(QImage::Format_ARGB32);
        for (int Y = 0; Y < FDrawn.height(); ++Y) {
            auto *Line = reinterpret_cast<QRgb *>(FDrawn.scanLine(Y));
            for (int X = 0; X < FDrawn.width(); ++X)
                if (Line[X] == SeeThrough)
                    Line[X] = qRgba(0, 0, 0, 0);
        }
    }
    update();
}

void TImage::paintEvent(QPaintEvent *AEvent) {
    if (FDrawn.isNull())
        return;
    QPainter Painter(this);
    for (const QRect &Exposed : AEvent->region()) {
        const QRect Part = Exposed & FDrawn.rect();
        if (!Part.isEmpty())
            Painter.drawImage(Part.topLeft(), FDrawn, Part);
    }
}

void TImage::mousePressEvent(QMouseEvent *AEvent) {
    const QPoint Position = AEvent->position().toPoint();
    emit mouseDown(AEvent->button(), AEvent->modifiers(), Position.x(), Position.y());
}

void TImage::mouseMoveEvent(QMouseEvent *AEvent) {
    const QPoint Position = AEvent->position().toPoint();
    emit mouseMoved(AEvent->modifiers(), Position.x(), Position.y());
}
