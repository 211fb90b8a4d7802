#ifndef KORRIN_WIZARD_BUSYBAR_H
#define KORRIN_WIZARD_BUSYBAR_H

#include <QObject>
#include <QTimer>

class QProgressBar;

// Shows that Korrin runs on a progress bar that fills and starts again four
// times a second. The style's own animation of a bar without a range
// repaints it many times a second, which cost the wizard a quarter of its
// time during a long conversion.
class BusyBar : public QObject
{
    Q_OBJECT

public:
    explicit BusyBar(QProgressBar *bar);

    void setRunning(bool running);

private:
    void step();

    QProgressBar *bar;
    QTimer stepTimer;
};

#endif
