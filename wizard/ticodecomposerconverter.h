#ifndef KORRIN_WIZARD_TICODECOMPOSERCONVERTER_H
#define KORRIN_WIZARD_TICODECOMPOSERCONVERTER_H

#include <utility>

#include "conversionrun.h"
#include "macrovalues.h"
#include "ticodecomposerconverterbase.h"

class QFileDialog;
class ConversionLog;
class ConverterQuery;
class BusyBar;
class MacroListing;
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
    void prepareConversion();
    ConversionRequest request() const;
    void conversionEnded(ConversionRun::Outcome outcome);
    bool askToStop();
    void reportOutcome(ConversionRun::Outcome outcome);
    void showFailure(const QString &reason);
    void showRunning(bool running);

    QList<std::pair<QString, QLineEdit *>> rememberedFields() const;
    void readSettings();
    void writeSettings() const;

    QString extensionList;
    QString lastBrowsePath;
    QString proposedName;
    MacroValues macroValues;
    ConverterQuery *nameQuery;
    ConverterQuery *projectsQuery;  // of a folder of many projects
    int projectsBelow = 0;
    MacroListing *macroListing;
    ConversionRun *run;
    ConversionLog *log;
    BusyBar *busyBar;
};

#endif
