#pragma once

#include <QAbstractScrollArea>

// A scrolling container for child widgets placed on its viewport, in the coordinates of the
// visible part: scrolling moves every child, shown or hidden. The scroll range reaches the
// right and bottom edges of the visible children; scroll bars show only when needed.
class TScrollBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TScrollBox(QWidget *AParent = nullptr);

protected:
    void scrollContentsBy(int ADx, int ADy) override;
    bool eventFilter(QObject *AWatched, QEvent *AEvent) override;

private:
    void UpdateScrollRange();

    bool FScrolling = false;
};
