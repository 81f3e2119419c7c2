#pragma once

#include <QObject>
#include <QTimer>

// A periodic timer on the GUI thread. Unlike QTimer::start, enabling a running timer keeps
// its count going; enabling a stopped one starts a full new interval.
class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject *AParent = nullptr);

    bool isEnabled() const { return FTimer.isActive(); }
    void setEnabled(bool AEnabled);
    int interval() const { return FTimer.interval(); }
    void setInterval(int AMilliseconds) { FTimer.setInterval(AMilliseconds); }

signals:
    void timer();

private:
    QTimer FTimer;
};
