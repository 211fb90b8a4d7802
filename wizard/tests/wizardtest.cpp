#include "wizardtest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

QColor textColour(QLineEdit *field)
{
    return field->palette().color(QPalette::Text);
}

void onNextModal(std::function<void(QWidget *)> action)
{
    QTimer::singleShot(10, [action] {
        if (QWidget *modal = QApplication::activeModalWidget())
            action(modal);
        else
            onNextModal(action);
    });
}

void press(QWizard &wizard, QWizard::WizardButton which)
{
    QTest::mouseClick(wizard.button(which), Qt::LeftButton);
}

WorkingDirectory::WorkingDirectory() : previous(QDir::currentPath())
{
    QDir::setCurrent(dir.path());
    write(QStringLiteral("app.pjt"), "[Project Settings]\n");
    QDir(dir.path()).mkdir(QStringLiteral("out"));
}

WorkingDirectory::~WorkingDirectory()
{
    QDir::setCurrent(previous);
}

void WorkingDirectory::write(const QString &name, const QByteArray &content) const
{
    QFile file(this->file(name));
    QDir().mkpath(QFileInfo(file).path());
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

QByteArray WorkingDirectory::read(const QString &name) const
{
    QFile file(this->file(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

namespace {

QByteArray shellQuoted(const QByteArray &text)
{
    QByteArray quoted = text;
    quoted.replace('\'', "'\\''");
    return '\'' + quoted + '\'';
}

QByteArray prependToPath(const QString &folder)
{
    const QByteArray previous = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder) + ':' + previous);
    return previous;
}

} // namespace

StandInKorrin::StandInKorrin(const QByteArray &firstOutput, const QByteArray &secondOutput, int status)
{
    const QByteArray script = "#!/bin/sh\n"
                              "here=$(dirname \"$0\")\n"
                              "record=arguments\n"
                              "for argument in \"$@\"; do [ \"$argument\" = -macros ] && record=listing; done\n"
                              "{ basename \"$0\"; for argument in \"$@\"; do printf '%s\\n' \"$argument\"; done; } > \"$here/$record\"\n"
                              "if [ $record = listing ]; then cat \"$here/macros\" 2>/dev/null; exit 0; fi\n"
                              "printf '%s' " + shellQuoted(firstOutput) + "\n"
                              "while [ ! -e \"$here/release\" ]; do sleep 0.02; done\n"
                              "printf '%s' " + shellQuoted(secondOutput) + "\n"
                              "exit " + QByteArray::number(status) + "\n";
    QFile file(dir.filePath(QStringLiteral("Korrin")));
    if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size())
        qFatal("cannot write the stand-in Korrin");
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    previousPath = prependToPath(dir.path());
}

StandInKorrin::~StandInKorrin()
{
    release();
    qputenv("PATH", previousPath);
}

void StandInKorrin::release() const
{
    QFile(dir.filePath(QStringLiteral("release"))).open(QIODevice::WriteOnly);
}

bool StandInKorrin::started() const
{
    return QFile::exists(dir.filePath(QStringLiteral("arguments")));
}

void StandInKorrin::listMacros(const QByteArray &lines) const
{
    QFile file(dir.filePath(QStringLiteral("macros")));
    if (!file.open(QIODevice::WriteOnly) || file.write(lines) != lines.size())
        qFatal("cannot write the stand-in's macros");
}

QStringList StandInKorrin::arguments() const
{
    return recorded(QStringLiteral("arguments"));
}

QStringList StandInKorrin::listingArguments() const
{
    return recorded(QStringLiteral("listing"));
}

QStringList StandInKorrin::recorded(const QString &name) const
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("(not started)")};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast(); // after the last line end
    return lines;
}

NoKorrinOnPath::NoKorrinOnPath() : previousPath(qgetenv("PATH"))
{
    qputenv("PATH", QFile::encodeName(dir.path()));
}

NoKorrinOnPath::~NoKorrinOnPath()
{
    qputenv("PATH", previousPath);
}

void fillInAndGoToMacros(TICodeComposerConverter &wizard, const QString &project)
{
    edit(wizard, "TIProjectEdit")->setText(project);
    edit(wizard, "CorProjectEdit")->setText(QStringLiteral("out"));
    edit(wizard, "CorNameEdit")->setText(QStringLiteral("app"));
    for (int page = 0; page < 3 && wizard.currentPage()->objectName() != QLatin1String("MacroPage"); ++page)
        press(wizard, QWizard::NextButton);
    if (wizard.currentPage()->objectName() != QLatin1String("MacroPage"))
        qFatal("the macro page was not reached");
    if (!QTest::qWaitFor([&wizard] { return wizard.button(QWizard::NextButton)->isEnabled(); }, 60000))
        qFatal("the build macros were not listed");
}

void fillInAndGoToDetails(TICodeComposerConverter &wizard, const QString &project)
{
    fillInAndGoToMacros(wizard, project);
    press(wizard, QWizard::NextButton);
    if (wizard.currentPage()->objectName() != QLatin1String("Page3"))
        qFatal("the details page was not reached");
}
