#include "platform/label.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int TextFlags = Qt::TextShowMnemonic | Qt::AlignTop;
}

// A label takes the pointer's moves itself: they do not reach its parent's handler.
TLabel::TLabel(QWidget *AParent) : QWidget(AParent) {
    setMouseTracking(true);
}

void TLabel::mouseMoveEvent(QMouseEvent *AEvent) {
    AEvent->accept();
}

void TLabel::setText(const QString &AText) {
    FText = AText;
    FitToText();
    update();
}

void TLabel::setAutoSize(bool AAutoSize) {
    FAutoSize = AAutoSize;
    FitToText();
}

void TLabel::setAlignment(Qt::Alignment AAlignment) {
    FAlignment = AAlignment;
    update();
}

void TLabel::setColor(const QColor &AColor) {
    QPalette Palette = palette();
    Palette.setColor(QPalette::Window, AColor);
    setPalette(Palette);
    // Set explicitly: the role would otherwise follow the parent's, e.g. a scroll area's Base.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void TLabel::changeEvent(QEvent *AEvent) {
    if (AEvent->type() == QEvent::FontChange)
        FitToText();
    QWidget::changeEvent(AEvent);
}

QString TLabel::ShownLines() const {
    QString Lines = FText;
    Lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Lines.replace(u'\r', u'\n');
    return Lines;
}

void TLabel::FitToText() {
    if (FAutoSize)
        resize(fontMetrics().size(TextFlags, ShownLines()));
}

void TLabel::paintEvent(QPaintEvent *) {
    QPainter Painter(this);
    Painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    Painter.drawText(rect(), TextFlags | FAlignment, ShownLines());
}
