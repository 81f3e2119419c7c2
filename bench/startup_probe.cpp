// Starts a window and quits once its first frame is painted: the program's own window, or,
// built with TAVREL_MINIMAL_PEER, a minimal Qt Widgets window with one button.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#ifndef TAVREL_MINIMAL_PEER
#include "ui/uTavrel.h"
#endif

namespace {

// Quits right after the first paint of the top-level window.
class TFirstFrame : public QObject {
public:
    explicit TFirstFrame(QWidget *AWindow) : FWindow(AWindow) { qApp->installEventFilter(this); }

    bool eventFilter(QObject *AWatched, QEvent *AEvent) override {
        if (AWatched == FWindow && AEvent->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget *FWindow;
    bool FSeen = false;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication Application(argc, argv);
#ifdef TAVREL_MINIMAL_PEER
    QWidget Window;
    Window.resize(1008, 684);
    QPushButton Button(QStringLiteral("Open BMP"), &Window);
#else
    TForm2 Window(QCoreApplication::applicationFilePath());
#endif
    TFirstFrame FirstFrame(&Window);
    Window.show();
    return Application.exec();
}
