#include "platform/label.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int TextFlags = Qt::TextShowMnemonic | Qt::AlignVCenter;
// The layout's line pitch: 13 pixels for the 11-pixel Tahoma. Other fonts' metrics differ
// (Wine's Tahoma spaces its lines 10 pixels apart), so the pitch is kept, never less than the
// font's own height.
constexpr int LayoutLineHeight = 13;
} // namespace

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

QStringList TLabel::ShownLines() const {
    QString Lines = FText;
    Lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Lines.replace(u'\r', u'\n');
    return Lines.split(u'\n');
}

int TLabel::LineHeight() const {
    return std::max(LayoutLineHeight, fontMetrics().height());
}

void TLabel::FitToText() {
    if (!FAutoSize)
        return;
    const QStringList Lines = ShownLines();
    int Width = 0;
    for (const QString &Line : Lines)
        Width = std::max(Width, fontMetrics().size(TextFlags, Line).width());
    resize(Width, LineHeight() * static_cast<int>(Lines.size()));
}

// Line by line, so every line keeps the layout's pitch; a line wider than the label is cut
// at the label's edges.
void TLabel::paintEvent(QPaintEvent *) {
    QPainter Painter(this);
    Painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QStringList Lines = ShownLines();
    for (int Index = 0; Index < Lines.size(); ++Index)
        Painter.drawText(QRect(0, Index * LineHeight(), width(), LineHeight()),
                         TextFlags | FAlignment, Lines[Index]);
}
