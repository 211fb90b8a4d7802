#ifndef KORRIN_WIZARD_TEST_WIZARDTEST_H
#define KORRIN_WIZARD_TEST_WIZARDTEST_H

#include <QCheckBox>
#include <QColor>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <functional>
#include <memory>

#include "ticodecomposerconverter.h"

// Finds a named widget of the wizard; fails loudly when it is missing.
template <class Widget>
Widget *child(QObject &wizard, const char *name)
{
    auto *widget = wizard.findChild<Widget *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget named %s", name);
    return widget;
}

inline QLineEdit *edit(QObject &wizard, const char *name) { return child<QLineEdit>(wizard, name); }
inline QCheckBox *box(QObject &wizard, const char *name) { return child<QCheckBox>(wizard, name); }
inline QString detailsLog(QObject &wizard) { return child<QTextBrowser>(wizard, "DetailsText")->toPlainText(); }
QColor textColour(QLineEdit *field);

// Runs action on the next modal widget (dialog or message box) once it shows.
void onNextModal(std::function<void(QWidget *)> action);

// Presses a wizard button the way a user does (a disabled one does nothing).
void press(QWizard &wizard, QWizard::WizardButton which);

// Ends a process at once, as something else than the wizard would.
void killFromOutside(qint64 processId);

// A temporary working directory for one test: "settings.txt" and relative
// paths land there. Holds an existing project file "app.pjt" and an existing
// destination folder "out".
class WorkingDirectory
{
public:
    WorkingDirectory();
    ~WorkingDirectory();
    QString path() const { return dir.path(); }
    QString file(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &content) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir dir;
    QString previous;
};

// A stand-in Korrin (standinkorrin.cpp), first on the search path while it
// lives. It records the name it was started by and its arguments, one per
// line, prints firstOutput, waits until release() is called, prints
// secondOutput and exits with status. Asked for the build macros ("-macros")
// the project's name ("-name") or the projects of a folder ("-projects") it
// records its arguments apart, prints the lines given to listMacros,
// nameProject or listProjects (nothing unless given) and exits
// with 0.
class StandInKorrin
{
public:
    StandInKorrin(const QByteArray &firstOutput, const QByteArray &secondOutput, int status);
    ~StandInKorrin();
    void release() const;
    void listMacros(const QByteArray &lines) const;
    void nameProject(const QByteArray &line) const;
    void listProjects(const QByteArray &lines) const;
    QStringList arguments() const;
    QStringList listingArguments() const;
    QStringList namingArguments() const;
    QStringList projectingArguments() const;
    bool started() const;

private:
    QStringList recorded(const QString &name) const;
    void write(const QString &name, const QByteArray &content) const;

    QTemporaryDir dir;
    QByteArray previousPath;
    QByteArray previousFolder;
};

// Hides Korrin: the search path holds only an empty folder while it lives.
class NoKorrinOnPath
{
public:
    NoKorrinOnPath();
    ~NoKorrinOnPath();

private:
    QTemporaryDir dir;
    QByteArray previousPath;
};

// Fills the first page with project, the working directory's folder "out"
// and the name "app", and moves on from an earlier page to the macro page
// once its macros are listed, or on to the details page.
void fillInAndGoToMacros(TICodeComposerConverter &wizard, const QString &project = QStringLiteral("app.pjt"));
void fillInAndGoToDetails(TICodeComposerConverter &wizard, const QString &project = QStringLiteral("app.pjt"));

#endif
