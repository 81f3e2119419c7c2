#pragma once

#include <QColor>
#include <QWidget>

// A rectangle of the control's size, outlined with its pen and filled white.
class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget *AParent = nullptr);

    QColor penColor() const { return FPenColor; }
    void setPenColor(const QColor &AColor);

protected:
    void paintEvent(QPaintEvent *AEvent) override;

private:
    QColor FPenColor = Qt::black;
};
