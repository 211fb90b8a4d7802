#ifndef KORRIN_WIZARD_TICODECOMPOSERCONVERTER_H
#define KORRIN_WIZARD_TICODECOMPOSERCONVERTER_H

#include <QProcess>
#include <utility>

#include "macrovalues.h"
#include "ticodecomposerconverterbase.h"

class QFileDialog;
class ConversionLog;
class ConverterQuery;
class BusyBar;
class OutputFollower;
struct ConversionRequest;

// The converter wizard: checks the paths on the first two pages, asks Korrin
// for the project's name and build macros, runs Korrin when Finish is
// pressed, shows its output and remembers the personality paths, the TI
// folder and the macro values typed for each project in "settings.txt" in
// the current directory.
class TICodeComposerConverter : public TICodeComposerConverterBase
{
    Q_OBJECT

public:
    explicit TICodeComposerConverter(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~TICodeComposerConverter() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Next on the extensions page lists the project's build macros; Next on
    // the macro page prepares the conversion.
    bool validateCurrentPage() override;

    // Puts a chosen project into the project field; Korrin's name for it
    // follows into the name field.
    void openProject(const QString &path);
    // The program's arguments: a project after the program name is opened.
    void openCommandLine(const QStringList &arguments);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

public slots:
    // Finish starts a conversion and keeps the wizard open.
    void accept() override;
    // Cancel/Close closes the wizard; while Korrin runs, it asks whether to
    // stop Korrin instead.
    void reject() override;

private slots:
    void TIProjectBrowseBtn_clicked();
    void CorProjectBrowseBtn_clicked();
    void Page0LineEdit_textchanged(const QString &);
    void Page1LineEdit_textchanged(const QString &);
    void MsgBrowseBtn_clicked();
    void AnalBrowseBtn_clicked();
    void CmpBrowseBtn_clicked();
    void TiFolderBrowseBtn_clicked();
    void readFromStdout();
    void processExit();
    void processError(QProcess::ProcessError error);
    void openDestinationFolder();

private:
    bool takeProjectDrop(QDropEvent *event);
    void browseForFile(QLineEdit *target, const char *caption, const char *filter);
    void browseForFolder(QLineEdit *target, const char *caption);
    QString browse(QFileDialog &dialog);

    void askProjectName();
    void proposeProjectName(const QString &output);
    void countProjects(const QString &output);
    void tiFolderChanged();
    void collectExtensionList();
    void listBuildMacros();
    bool buildMacrosListed() const;
    void showBuildMacros(const QString &output);
    void showMacroListingFailure(const QString &reason);
    void rememberMacroValue(const QString &name, const QString &value);
    void prepareConversion();
    ConversionRequest request() const;
    bool converterRunning() const;
    bool askToStop();
    void reportOutcome(const QProcess &process);
    void showFailure(const QString &reason);
    void showRunning(bool running);

    QList<std::pair<QString, QLineEdit *>> rememberedFields() const;
    void readSettings();
    void writeSettings() const;

    QString extensionList;
    QProcess *converterProcess = nullptr;
    bool stopAsked = false; // whether the user stopped the running converter
    QString lastBrowsePath;
    QString proposedName;
    QStringList listedArguments; // of the macro listing shown
    MacroValues macroValues;
    ConverterQuery *nameQuery;
    ConverterQuery *projectsQuery;  // of a folder of many projects
    int projectsBelow = 0;
    ConverterQuery *macroListing;
    ConversionLog *log;
    OutputFollower *output;
    BusyBar *busyBar;
};

#endif
