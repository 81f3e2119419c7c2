#pragma once

#include <QAction>
#include <QMenu>

// A menu item: its text is the caption, its triggered signal the click.
using TMenuItem = QAction;

// A popup menu that writes accelerators into its items' captions each time it opens:
// from the top down, every item without one takes the first letter or digit of its caption
// that no item has taken yet, marked by an inserted "&"; an item with no free character
// gets none.
class TPopupMenu : public QMenu {
    Q_OBJECT
public:
    explicit TPopupMenu(QWidget *AParent = nullptr);

    // The character after the caption's single "&", or a null character when there is none.
    static QChar AcceleratorOf(const QString &ACaption);

private:
    void AssignAccelerators();
};
