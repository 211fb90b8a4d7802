#include "wizardtest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QTest>
#include <QTimer>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#endif

#include "converterprogram.h"

#ifdef KORRIN_TEST_FONTS
// Qt's offscreen platform for Windows knows no font of the system and draws
// every glyph as a box as wide as the font is high, which makes no width
// measured under Wine mean anything. The suites take the DejaVu fonts there,
// as the Linux runs do through fontconfig.
static void loadTestFonts()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    for (const QFileInfo &font : QDir(KORRIN_TEST_FONTS).entryInfoList({"*.ttf"}))
        QFontDatabase::addApplicationFont(font.filePath());
    QApplication::setFont(QFont("DejaVu Sans"));
}
Q_COREAPP_STARTUP_FUNCTION(loadTestFonts)
#endif

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

void killFromOutside(qint64 processId)
{
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(processId));
    TerminateProcess(process, 9);
    CloseHandle(process);
#else
    ::kill(static_cast<pid_t>(processId), SIGKILL);
#endif
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

QByteArray prependToPath(const QString &folder)
{
    const QByteArray previous = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(QDir::toNativeSeparators(folder)) + QDir::listSeparator().toLatin1() + previous);
    return previous;
}

} // namespace

StandInKorrin::StandInKorrin(const QByteArray &firstOutput, const QByteArray &secondOutput, int status)
    : previousFolder(qgetenv("KORRIN_STAND_IN"))
{
    const QString program = dir.filePath(converterProgramName());
    if (!QFile::copy(QStringLiteral(KORRIN_STAND_IN), program))
        qFatal("cannot copy the stand-in Korrin to %s", qPrintable(program));
    write(QStringLiteral("first"), firstOutput);
    write(QStringLiteral("second"), secondOutput);
    write(QStringLiteral("status"), QByteArray::number(status));
    qputenv("KORRIN_STAND_IN", QFile::encodeName(dir.path()));
    previousPath = prependToPath(dir.path());
}

StandInKorrin::~StandInKorrin()
{
    release();
    qputenv("PATH", previousPath);
    qputenv("KORRIN_STAND_IN", previousFolder);
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
    write(QStringLiteral("macros"), lines);
}

void StandInKorrin::nameProject(const QByteArray &line) const
{
    write(QStringLiteral("name"), line);
}

void StandInKorrin::listProjects(const QByteArray &lines) const
{
    write(QStringLiteral("projects"), lines);
}

void StandInKorrin::write(const QString &name, const QByteArray &content) const
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the stand-in's %s", qPrintable(name));
}

QStringList StandInKorrin::arguments() const
{
    return recorded(QStringLiteral("arguments"));
}

QStringList StandInKorrin::listingArguments() const
{
    return recorded(QStringLiteral("listing"));
}

QStringList StandInKorrin::namingArguments() const
{
    return recorded(QStringLiteral("naming"));
}

QStringList StandInKorrin::projectingArguments() const
{
    return recorded(QStringLiteral("projecting"));
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
