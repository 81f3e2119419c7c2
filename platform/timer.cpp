#include "platform/timer.h"

TTimer::TTimer(QObject *AParent) : QObject(AParent) {
    FTimer.setTimerType(Qt::PreciseTimer);
    FTimer.setInterval(1000);
    connect(&FTimer, &QTimer::timeout, this, &TTimer::timer);
}

void TTimer::setEnabled(bool AEnabled) {
    if (!AEnabled)
        FTimer.stop();
    else if (!FTimer.isActive())
        FTimer.start();
}
