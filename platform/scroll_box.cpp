#include "platform/scroll_box.h"

#include <QChildEvent>
#include <QScrollBar>

#include <algorithm>

TScrollBox::TScrollBox(QWidget *AParent) : QAbstractScrollArea(AParent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    horizontalScrollBar()->setSingleStep(8);
    verticalScrollBar()->setSingleStep(8);
    viewport()->installEventFilter(this);
}

void TScrollBox::scrollContentsBy(int ADx, int ADy) {
    FScrolling = true;
    // QWidget::scroll moves the children and repaints only the uncovered strip, but does
    // nothing while the viewport is not shown.
    if (viewport()->isVisible()) {
        viewport()->scroll(ADx, ADy);
    } else {
        for (QWidget *Child : viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            Child->move(Child->pos() + QPoint(ADx, ADy));
    }
    FScrolling = false;
}

bool TScrollBox::eventFilter(QObject *AWatched, QEvent *AEvent) {
    switch (AEvent->type()) {
    case QEvent::ChildAdded:
        if (AWatched == viewport()) {
            if (QObject *Child = static_cast<QChildEvent *>(AEvent)->child(); Child->isWidgetType())
                Child->installEventFilter(this);
        }
        UpdateScrollRange();
        break;
    case QEvent::ChildRemoved:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (AWatched == viewport() || AWatched->parent() == viewport())
            UpdateScrollRange();
        break;
    default:
        break;
    }
    return QAbstractScrollArea::eventFilter(AWatched, AEvent);
}

void TScrollBox::UpdateScrollRange() {
    if (FScrolling)
        return;
    const QPoint Offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    int Right = 0;
    int Bottom = 0;
    for (const QWidget *Child : viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (Child->isHidden())
            continue;
        const QRect Content = Child->geometry().translated(Offset);
        Right = std::max(Right, Content.x() + Content.width());
        Bottom = std::max(Bottom, Content.y() + Content.height());
    }
    const QSize Visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, Right - Visible.width()));
    horizontalScrollBar()->setPageStep(Visible.width());
    verticalScrollBar()->setRange(0, std::max(0, Bottom - Visible.height()));
    verticalScrollBar()->setPageStep(Visible.height());
}
