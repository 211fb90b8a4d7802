#ifndef KORRIN_WIZARD_TICODECOMPOSERCONVERTER_H
#define KORRIN_WIZARD_TICODECOMPOSERCONVERTER_H

#include <QDateTime>
#include <utility>

#include "conversionrun.h"
#include "earlieroutput.h"
#include "macrovalues.h"
#include "ticodecomposerconverterbase.h"

class ConversionLog;
class ProjectCheck;
class BusyBar;
class MacroListing;
struct ConversionRequest;

// The converter wizard: checks the paths on the first two pages, asks Korrin
// what the project is, its name and its build macros, runs Korrin when
// Finish is pressed, shows its output and remembers the personality paths,
// the destination and TI folders, the macro values typed for each project
// and the databases each conversion wrote in "settings.txt" in the current
// directory.
class TICodeComposerConverter : public TICodeComposerConverterBase
{
    Q_OBJECT

public:
    explicit TICodeComposerConverter(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Next on the first page waits for Korrin's word on the project; Next on
    // the extensions page lists the project's build macros; Next on the
    // macro page prepares the conversion.
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
    // Cancel/Close closes the wizard, asking first when something typed
    // would be lost; while Korrin runs, it asks whether to stop Korrin
    // instead.
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
    void openDestinationFolder();
    void removeEarlierFiles();

private:
    bool takeProjectDrop(QDropEvent *event);

    void checkProject();
    void proposeProjectName(const QString &name);
    QString destinationProblem();
    void showPageOfRun();
    void tiFolderChanged();
    void collectExtensionList();
    void prepareConversion();
    ConversionRequest request() const;
    void conversionEnded(ConversionRun::Outcome outcome);
    bool askToStop();
    void reportOutcome(ConversionRun::Outcome outcome);
    void reportBatch();
    void showRunning(bool running);

    QStringList typedInputs() const;
    QList<std::pair<QString, QLineEdit *>> rememberedFields() const;
    void readSettings();
    void writeSettings() const;

    QString extensionList;
    QString lastBrowsePath;
    QString proposedName;
    MacroValues macroValues;
    EarlierOutput earlierOutput;
    QStringList keptInputs; // as they were after the last run, or at the start
    QString cancelText;
    bool converted = false; // by a run of this session
    QDateTime runStart;
    QString checkedDestination;
    QString destinationRefusal; // of checkedDestination
    ProjectCheck *projectCheck;
    MacroListing *macroListing;
    ConversionRun *run;
    ConversionLog *log;
    BusyBar *busyBar;
};

#endif
