#include "platform/speed_button.h"

#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>

TSpeedButton::TSpeedButton(QWidget *AParent) : QAbstractButton(AParent) {
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

void TSpeedButton::setText(const QString &ACaption) {
    QAbstractButton::setText(ACaption);
    if (FBareKeyShortcutId != 0)
        releaseShortcut(FBareKeyShortcutId);
    FBareKeyShortcutId = 0;
    const QKeySequence WithAlt = QKeySequence::mnemonic(ACaption);
    if (!WithAlt.isEmpty())
        FBareKeyShortcutId = grabShortcut(QKeySequence(WithAlt[0].key()));
}

bool TSpeedButton::event(QEvent *AEvent) {
    // Both accelerators arrive here; an accelerator clicks without toggling the down state.
    if (AEvent->type() == QEvent::Shortcut) {
        if (isEnabled())
            emit clicked(isChecked());
        return true;
    }
    return QAbstractButton::event(AEvent);
}

void TSpeedButton::nextCheckState() {
    if (FGroupIndex == 0)
        return;
    if (isChecked()) {
        if (FAllowAllUp)
            setChecked(false);
        return;
    }
    setChecked(true);
    const auto Siblings = parentWidget()->findChildren<TSpeedButton *>(Qt::FindDirectChildrenOnly);
    for (TSpeedButton *Sibling : Siblings)
        if (Sibling != this && Sibling->FGroupIndex == FGroupIndex)
            Sibling->setChecked(false);
}

void TSpeedButton::changeEvent(QEvent *AEvent) {
    // Qt gives a disabled widget's mouse events to no one; these go to the parent instead.
    if (AEvent->type() == QEvent::EnabledChange)
        setAttribute(Qt::WA_TransparentForMouseEvents, !isEnabled());
    QAbstractButton::changeEvent(AEvent);
}

void TSpeedButton::mousePressEvent(QMouseEvent *AEvent) {
    if (AEvent->button() == Qt::RightButton && FPopupMenu != nullptr) {
        FPopupMenu->popup(AEvent->globalPosition().toPoint());
        AEvent->accept();
        return;
    }
    QAbstractButton::mousePressEvent(AEvent);
}

void TSpeedButton::mouseMoveEvent(QMouseEvent *AEvent) {
    const QPoint Position = AEvent->position().toPoint();
    emit mouseMoved(AEvent->modifiers(), Position.x(), Position.y());
    QAbstractButton::mouseMoveEvent(AEvent);
    AEvent->accept();
}

void TSpeedButton::paintEvent(QPaintEvent *) {
    QStylePainter Painter(this);
    QStyleOptionToolButton Option;
    Option.initFrom(this);
    Option.state |= QStyle::State_AutoRaise;
    if (isChecked() || isDown())
        Option.state |= QStyle::State_Sunken;
    if (isChecked())
        Option.state |= QStyle::State_On;
    else if (isEnabled() && underMouse() && !isDown())
        Option.state |= QStyle::State_Raised;
    Option.subControls = QStyle::SC_ToolButton;
    Option.activeSubControls = isDown() ? QStyle::SC_ToolButton : QStyle::SC_None;
    Option.toolButtonStyle = Qt::ToolButtonTextOnly;
    Option.text = text();
    Option.font = font();
    Painter.drawComplexControl(QStyle::CC_ToolButton, Option);
}
