// Measures what showing Korrin's output costs the wizard: converts one
// project through the wizard, headless, and prints the CPU time the wizard
// and Korrin each took for the conversion, and the lines the log holds.
// Usage: KorrinWizardLogBench <source_proj> <dest_folder> [-rp]

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QTextBrowser>
#include <QTextStream>
#include <sys/resource.h>

#include "ticodecomposerconverter.h"

namespace {

double seconds(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

// User and system time of the process itself or of its waited-for children.
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

template <class Condition>
void runEventsUntil(Condition condition)
{
    while (!condition())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3 || arguments.size() > 4) {
        QTextStream(stderr) << "Usage: KorrinWizardLogBench <source_proj> <dest_folder> [-rp]\n";
        return 2;
    }
    TICodeComposerConverter wizard;
    wizard.show();
    wizard.openProject(arguments[1]);
    wizard.findChild<QLineEdit *>(QStringLiteral("CorProjectEdit"))->setText(arguments[2]);
    wizard.findChild<QCheckBox *>(QStringLiteral("ReplicateSourceTreeCheckBox"))->setChecked(arguments.size() == 4);
    for (int page = 0; page < 4; ++page) {
        runEventsUntil([&wizard] { return wizard.button(QWizard::NextButton)->isEnabled(); });
        wizard.next();
    }

    const double wizardBefore = cpuSeconds(RUSAGE_SELF);
    const double childrenBefore = cpuSeconds(RUSAGE_CHILDREN);
    wizard.accept();
    QProcess *korrin = wizard.findChildren<QProcess *>().last();
    runEventsUntil([korrin] { return korrin->state() == QProcess::NotRunning; });
    QApplication::processEvents();
    const double wizardTime = cpuSeconds(RUSAGE_SELF) - wizardBefore;
    const double korrinTime = cpuSeconds(RUSAGE_CHILDREN) - childrenBefore;

    const int lines = wizard.findChild<QTextBrowser *>(QStringLiteral("DetailsText"))->document()->blockCount();
    QTextStream(stdout) << "log lines " << lines << ", wizard CPU " << wizardTime << " s, Korrin CPU " << korrinTime
                        << " s, wizard/Korrin " << (korrinTime > 0 ? wizardTime / korrinTime : 0) << '\n';
    return 0;
}
