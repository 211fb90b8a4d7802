#include "busybar.h"

#include <QProgressBar>

namespace {

constexpr int steps = 8;
constexpr int stepMilliseconds = 250;

} // namespace

BusyBar::BusyBar(QProgressBar *bar) : QObject(bar), bar(bar)
{
    bar->setRange(0, steps);
    stepTimer.setInterval(stepMilliseconds);
    connect(&stepTimer, &QTimer::timeout, this, &BusyBar::step);
}

void BusyBar::setRunning(bool running)
{
    bar->setValue(0);
    bar->setVisible(running);
    if (running)
        stepTimer.start();
    else
        stepTimer.stop();
}

void BusyBar::step()
{
    bar->setValue((bar->value() + 1) % (steps + 1));
}
