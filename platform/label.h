#pragma once

#include <QColor>
#include <QWidget>

// Static text. An "&" underlines the next character and "&&" shows one "&"; a carriage
// return or line feed starts a new line; lines never wrap. With automatic sizing the label
// fits its text and keeps its left edge; without, each line is placed by the alignment
// within the fixed size and cut off at its edges.
class TLabel : public QWidget {
    Q_OBJECT
public:
    explicit TLabel(QWidget *AParent = nullptr);

    QString text() const { return FText; }
    void setText(const QString &AText);
    bool autoSize() const { return FAutoSize; }
    void setAutoSize(bool AAutoSize);
    void setAlignment(Qt::Alignment AAlignment);
    // An opaque background of this colour instead of the parent's.
    void setColor(const QColor &AColor);

protected:
    void changeEvent(QEvent *AEvent) override;
    void mouseMoveEvent(QMouseEvent *AEvent) override;
    void paintEvent(QPaintEvent *AEvent) override;

private:
    QStringList ShownLines() const;
    int LineHeight() const;
    void FitToText();

    QString FText;
    bool FAutoSize = true;
    Qt::Alignment FAlignment = Qt::AlignLeft;
};
