#pragma once

#include <QAbstractButton>

class QMenu;

// A flat button that takes no focus. Its checked state is the down state, shared within
// its group: a click puts it down and releases the others of the group, or releases it
// when it is down and the group may be all up. An "&" in the caption makes the next
// character an accelerator (with Alt, or alone while the focus is on a control that takes
// no typed text) that fires the click without changing the down state.
class TSpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget *AParent = nullptr);

    // Hides QAbstractButton::setText to register the accelerator without Alt as well.
    void setText(const QString &ACaption);

    int tag() const { return FTag; }
    void setTag(int ATag) { FTag = ATag; }
    int groupIndex() const { return FGroupIndex; }
    void setGroupIndex(int AGroupIndex) { FGroupIndex = AGroupIndex; }
    bool allowAllUp() const { return FAllowAllUp; }
    void setAllowAllUp(bool AAllowAllUp) { FAllowAllUp = AAllowAllUp; }
    QMenu *popupMenu() const { return FPopupMenu; }
    void setPopupMenu(QMenu *AMenu) { FPopupMenu = AMenu; }

signals:
    void mouseMoved(Qt::KeyboardModifiers AShift, int AX, int AY);

protected:
    bool event(QEvent *AEvent) override;
    void nextCheckState() override;
    void changeEvent(QEvent *AEvent) override;
    void mousePressEvent(QMouseEvent *AEvent) override;
    void mouseMoveEvent(QMouseEvent *AEvent) override;
    void paintEvent(QPaintEvent *AEvent) override;

private:
    int FTag = 0;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    QMenu *FPopupMenu = nullptr;
    int FBareKeyShortcutId = 0;
};
