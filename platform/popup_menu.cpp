#include "platform/popup_menu.h"

#include <QSet>

TPopupMenu::TPopupMenu(QWidget *AParent) : QMenu(AParent) {
    connect(this, &QMenu::aboutToShow, this, &TPopupMenu::AssignAccelerators);
}

QChar TPopupMenu::AcceleratorOf(const QString &ACaption) {
    for (qsizetype Index = 0; Index + 1 < ACaption.size(); ++Index) {
        if (ACaption[Index] != u'&')
            continue;
        if (ACaption[Index + 1] != u'&')
            return ACaption[Index + 1];
        ++Index;
    }
    return {};
}

void TPopupMenu::AssignAccelerators() {
    QSet<QChar> Taken;
    for (const QAction *Item : actions())
        if (const QChar Accelerator = AcceleratorOf(Item->text()); !Accelerator.isNull())
            Taken.insert(Accelerator.toUpper());
    for (QAction *Item : actions()) {
        QString Caption = Item->text();
        if (Item->isSeparator() || !AcceleratorOf(Caption).isNull())
            continue;
        for (qsizetype Index = 0; Index < Caption.size(); ++Index) {
            const QChar Character = Caption[Index].toUpper();
            if (Character.isLetterOrNumber() && !Taken.contains(Character)) {
                Taken.insert(Character);
                Caption.insert(Index, u'&');
                Item->setText(Caption);
                break;
            }
        }
    }
}
