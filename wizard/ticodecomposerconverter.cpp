#include "ticodecomposerconverter.h"

#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <utility>

#include "browsedialogs.h"
#include "busybar.h"
#include "conversionlog.h"
#include "converterprogram.h"
#include "destinationfolder.h"
#include "extensionlist.h"
#include "macrolisting.h"
#include "projectcheck.h"
#include "projectfiledialog.h"
#include "settingsfile.h"
#include "uitext.h"
#include "wizardbox.h"

namespace {

const QString settingsFileName = QStringLiteral("settings.txt");

void setTextColour(QLineEdit *field, Qt::GlobalColor colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, colour);
    field->setPalette(palette);
}

// Shows in the field's text colour whether its path exists; returns that.
bool markExistingPath(QLineEdit *field)
{
    const bool exists = QFileInfo::exists(field->text());
    setTextColour(field, exists ? Qt::black : Qt::red);
    return exists;
}

// Likewise for a path that may be left empty.
void markOptionalPath(QLineEdit *field)
{
    if (field->text().isEmpty())
        setTextColour(field, Qt::black);
    else
        markExistingPath(field);
}

// The one local file or folder a drag carries, if that is what it carries.
QString droppedPath(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

bool isDragOrDrop(const QEvent *event)
{
    return event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop;
}

} // namespace

TICodeComposerConverter::TICodeComposerConverter(QWidget *parent, Qt::WindowFlags flags)
    : TICodeComposerConverterBase(parent, flags),
      lastBrowsePath(QDir::toNativeSeparators(QStringLiteral("/"))),
      projectCheck(new ProjectCheck(this)),
      macroListing(new MacroListing(MacroPage, MacroValuesTable, MacroStatusText, macroValues, this)),
      run(new ConversionRun(this)),
      log(new ConversionLog(DetailsText)),
      busyBar(new BusyBar(BusyIndicator))
{
    Page0->setComplete(false);
    Page3->setComplete(false); // Finish waits until the summary is built

    connect(TIProjectBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::TIProjectBrowseBtn_clicked);
    connect(CorProjectBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::CorProjectBrowseBtn_clicked);
    for (QLineEdit *field : {TIProjectEdit, CorProjectEdit, CorNameEdit})
        connect(field, &QLineEdit::textChanged, this, &TICodeComposerConverter::Page0LineEdit_textchanged);
    connect(TIProjectEdit, &QLineEdit::editingFinished, this, &TICodeComposerConverter::checkProject);
    connect(MsgBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::MsgBrowseBtn_clicked);
    connect(AnalBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::AnalBrowseBtn_clicked);
    connect(CmpBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::CmpBrowseBtn_clicked);
    for (QLineEdit *field : {MsgPersonEdit, CmpPersonEdit})
        connect(field, &QLineEdit::textChanged, this, &TICodeComposerConverter::Page1LineEdit_textchanged);
    for (QLineEdit *field : {TIProjectEdit, CorProjectEdit, CorNameEdit, MsgPersonEdit, CmpPersonEdit})
        field->installEventFilter(this);
    connect(TiFolderBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::TiFolderBrowseBtn_clicked);
    connect(TiFolderEdit, &QLineEdit::textChanged, this, [this] { markOptionalPath(TiFolderEdit); });
    connect(TiFolderEdit, &QLineEdit::editingFinished, this, &TICodeComposerConverter::tiFolderChanged);

    for (WizardButton which : {NextButton, BackButton, CancelButton, FinishButton, CustomButton1})
        button(which)->setPalette(whitePalette());

    connect(run, &ConversionRun::output, this, [this](const QByteArray &text) { log->appendOutput(text); });
    connect(run, &ConversionRun::ended, this, &TICodeComposerConverter::conversionEnded);
    connect(projectCheck, &ProjectCheck::nameProposed, this, &TICodeComposerConverter::proposeProjectName);
    connect(projectCheck, &ProjectCheck::verdictChanged, this, [this] { Page0LineEdit_textchanged(QString()); });
    setButtonText(CustomButton1, uiText("Open Destination Folder"));
    setButtonText(CustomButton2, uiText("Remove Earlier Files"));
    connect(this, &QWizard::customButtonClicked, this, [this](int which) {
        if (which == CustomButton1)
            openDestinationFolder();
        else
            removeEarlierFiles();
    });
    cancelText = buttonText(CancelButton);
    connect(this, &QWizard::currentIdChanged, this, &TICodeComposerConverter::showPageOfRun);
    setAcceptDrops(true);

    readSettings();
    keptInputs = typedInputs();
}

// Key releases re-run the page checks even when the text does not change, so
// that a path created meanwhile is noticed.
bool TICodeComposerConverter::eventFilter(QObject *watched, QEvent *event)
{
    // A project dropped on the project field is opened, not typed in as a URL.
    if (watched == TIProjectEdit && isDragOrDrop(event) && takeProjectDrop(static_cast<QDropEvent *>(event)))
        return true;
    if (event->type() == QEvent::KeyRelease) {
        if (watched == TIProjectEdit || watched == CorProjectEdit || watched == CorNameEdit) {
            Page0LineEdit_textchanged(QString());
            return false;
        }
        if (watched == MsgPersonEdit || watched == CmpPersonEdit) {
            Page1LineEdit_textchanged(QString());
            return false;
        }
    }
    return TICodeComposerConverterBase::eventFilter(watched, event);
}

// A folder of many projects needs no name. What Korrin says is no project,
// and a destination that cannot be written, keep Next off, and the page says
// why; Next waits for an answer still to come.
void TICodeComposerConverter::Page0LineEdit_textchanged(const QString &)
{
    const bool projectExists = markExistingPath(TIProjectEdit);
    const bool folderExists = markExistingPath(CorProjectEdit);
    if (projectCheck->location() != TIProjectEdit->text())
        projectCheck->forget(); // typed since
    const ProjectCheck::Verdict verdict = projectCheck->verdict();
    const bool named = !CorNameEdit->text().isEmpty() || verdict == ProjectCheck::Verdict::FolderOfProjects;
    const QString refusal = folderExists ? destinationProblem() : QString();
    QStringList status{projectCheck->hint(), refusal};
    status.removeAll(QString());
    ProjectStatusText->setText(status.join(QLatin1Char('\n')));
    Page0->setComplete(projectExists && folderExists && refusal.isEmpty() && verdict != ProjectCheck::Verdict::NoProject
                       && named);
}

// Trying to write is slow, so each folder typed is tried once.
QString TICodeComposerConverter::destinationProblem()
{
    if (CorProjectEdit->text() != checkedDestination) {
        checkedDestination = CorProjectEdit->text();
        destinationRefusal = whyNotWritable(checkedDestination);
    }
    return destinationRefusal;
}

// Personalities are optional: Next follows the last filled-in field, and is
// enabled when neither the message nor the compiler personality is given.
void TICodeComposerConverter::Page1LineEdit_textchanged(const QString &)
{
    for (QLineEdit *field : {MsgPersonEdit, AnalPersonEdit, CmpPersonEdit}) {
        if (!field->text().isEmpty())
            Page1->setComplete(markExistingPath(field));
    }
    if (MsgPersonEdit->text().isEmpty() && CmpPersonEdit->text().isEmpty())
        Page1->setComplete(true);
}

void TICodeComposerConverter::dragEnterEvent(QDragEnterEvent *event)
{
    takeProjectDrop(event);
}

void TICodeComposerConverter::dropEvent(QDropEvent *event)
{
    takeProjectDrop(event);
}

// Accepts a drag or drop of one file or folder, and opens it when dropped.
bool TICodeComposerConverter::takeProjectDrop(QDropEvent *event)
{
    const QString path = droppedPath(event->mimeData());
    if (path.isEmpty())
        return false;
    event->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        openProject(path);
    return true;
}

void TICodeComposerConverter::openProject(const QString &path)
{
    TIProjectEdit->setText(QDir::toNativeSeparators(path));
    checkProject();
}

// Korrin says what the project is and names it as it would write it. Asked
// for a project chosen or typed in, once it exists, the name goes into the
// name field unless the user has typed a name there; the name proposed for
// another project goes. A project typed in is asked for once the field is
// left: each question starts Korrin.
void TICodeComposerConverter::checkProject()
{
    const QString project = TIProjectEdit->text();
    if (projectCheck->location() == project && projectCheck->verdict() != ProjectCheck::Verdict::Unchecked)
        return;
    if (CorNameEdit->text() == proposedName)
        CorNameEdit->clear();
    proposedName.clear();
    projectCheck->check(project);
    Page0LineEdit_textchanged(QString());
}

void TICodeComposerConverter::proposeProjectName(const QString &name)
{
    if (CorNameEdit->text().isEmpty() || CorNameEdit->text() == proposedName)
        CorNameEdit->setText(name);
    proposedName = name;
}

void TICodeComposerConverter::openCommandLine(const QStringList &arguments)
{
    if (arguments.size() > 1)
        openProject(arguments.at(1));
}

void TICodeComposerConverter::TIProjectBrowseBtn_clicked()
{
    ProjectFileDialog dialog(this, uiText("Select a Code Composer Project"), lastBrowsePath);
    const QString path = browse(dialog, lastBrowsePath);
    if (!path.isEmpty())
        openProject(path);
}

void TICodeComposerConverter::CorProjectBrowseBtn_clicked()
{
    browseForFolder(CorProjectEdit, lastBrowsePath, "Select the Corvel/Corvel++ Project Destination Directory");
}

void TICodeComposerConverter::MsgBrowseBtn_clicked()
{
    browseForFile(MsgPersonEdit, lastBrowsePath, "Select a Message Personality", "Msg Personalities(*.p_s)");
}

void TICodeComposerConverter::AnalBrowseBtn_clicked()
{
    browseForFile(AnalPersonEdit, lastBrowsePath, "Select a Template Analyser Personality", "Analiser Personalities(*.p_a)");
}

void TICodeComposerConverter::CmpBrowseBtn_clicked()
{
    browseForFile(CmpPersonEdit, lastBrowsePath, "Select a Compiler Personality", "Cmp Personalities(*.p_c)");
}

void TICodeComposerConverter::TiFolderBrowseBtn_clicked()
{
    browseForFolder(TiFolderEdit, lastBrowsePath, "Select the Folder of TI's Installs");
    tiFolderChanged();
}

// The TI folder is this computer's, as the personalities are the user's:
// neither belongs to one project.
QList<std::pair<QString, QLineEdit *>> TICodeComposerConverter::rememberedFields() const
{
    return {{QStringLiteral("Message Personality:"), MsgPersonEdit},
            {QStringLiteral("Analyser Personality:"), AnalPersonEdit},
            {QStringLiteral("Compiler Personality:"), CmpPersonEdit},
            {QStringLiteral("Destination Folder:"), CorProjectEdit},
            {QStringLiteral("TI Folder:"), TiFolderEdit}};
}

void TICodeComposerConverter::readSettings()
{
    const auto fields = rememberedFields();
    QStringList keys;
    for (const auto &[key, field] : fields)
        keys << key;
    keys << MacroValues::settingsKeys << EarlierOutput::settingsKeys;
    for (const SettingsEntry &entry : readSettingsFile(settingsFileName, keys)) {
        macroValues.readSettingsEntry(entry);
        earlierOutput.readSettingsEntry(entry);
        for (const auto &[key, field] : fields) {
            if (key == entry.key)
                field->setText(entry.value);
        }
    }
}

void TICodeComposerConverter::writeSettings() const
{
    QList<SettingsEntry> entries;
    for (const auto &[key, field] : rememberedFields()) {
        if (!field->text().isEmpty())
            entries.append({key, field->text()});
    }
    entries << macroValues.settingsEntries() << earlierOutput.settingsEntries();
    writeSettingsFile(settingsFileName, entries);
}

// A listing made before the TI folder changed is made again before the
// conversion is prepared from it.
bool TICodeComposerConverter::validateCurrentPage()
{
    if (currentPage() == Page0) {
        checkProject();
        projectCheck->settle();
        if (!Page0->isComplete())
            return false;
    } else if (currentPage() == Page2) {
        collectExtensionList();
        macroListing->list(request());
    } else if (currentPage() == MacroPage) {
        if (!macroListing->isListed(request())) {
            macroListing->list(request());
            return false;
        }
        prepareConversion();
    }
    return TICodeComposerConverterBase::validateCurrentPage();
}

void TICodeComposerConverter::collectExtensionList()
{
    const std::pair<QCheckBox *, const char *> boxes[] = {
        {cppCheck, "cpp"}, {ccCheck, "cc"}, {cxxCheck, "cxx"}, {cCheck, "c"},
        {hCheck, "h"}, {hhCheck, "hh"}, {hppCheck, "hpp"}, {hxxCheck, "hxx"}};
    QStringList checked;
    for (const auto &[box, extension] : boxes) {
        if (box->isChecked())
            checked << QLatin1String(extension);
    }
    extensionList = buildExtensionList(checked, CustExtEdit->text());
}

void TICodeComposerConverter::tiFolderChanged()
{
    if (currentPage() == MacroPage && !macroListing->isListed(request()))
        macroListing->list(request());
}

void TICodeComposerConverter::prepareConversion()
{
    ConversionRequest chosen = request();
    if (!chosen.writeCompilationDatabases)
        chosen.earlierFiles = earlierOutput.leftBy(conversionTarget(chosen));
    DetailsText->setPlainText(conversionSummary(chosen));
    setOption(HaveCustomButton1, false);
    setOption(HaveCustomButton2, !chosen.earlierFiles.isEmpty());
    // Two converters writing into one destination would spoil it.
    Page3->setComplete(!run->isRunning());
}

ConversionRequest TICodeComposerConverter::request() const
{
    return {TIProjectEdit->text(),
            CorProjectEdit->text(),
            CorNameEdit->text(),
            ReplicateSourceTreeCheckBox->isChecked(),
            MsgPersonEdit->text(),
            AnalPersonEdit->text(),
            CmpPersonEdit->text(),
            extensionList,
            TiFolderEdit->text(),
            MacroValuesTable->typedValues(),
            CdbCheckBox->isChecked(),
            projectCheck->projectsBelow(),
            {}};
}

// The log starts with the command line, which a shell runs the same.
void TICodeComposerConverter::accept()
{
    const QStringList arguments = converterArguments(request());
    log->start(commandLineText(arguments) + QLatin1Char('\n') + uiText("Initialising Project Conversion ...\n"));
    setOption(HaveCustomButton1, false);
    setOption(HaveCustomButton2, false);
    showRunning(true);
    runStart = QDateTime::currentDateTime();
    run->start(arguments);
}

void TICodeComposerConverter::conversionEnded(ConversionRun::Outcome outcome)
{
    if (outcome == ConversionRun::Outcome::NotStarted) {
        log->appendParagraph(uiText("Project Conversion could not be executed: Please ensure %1 is set on the path.\n")
                                 .arg(converterProgramName()));
        showRunning(false);
        Page3->setComplete(true);
        return;
    }
    log->finishOutput();
    showRunning(false);
    // Saved before a box waits for the user, who may end the wizard there.
    earlierOutput.record(conversionTarget(request()), log->databases(), runStart);
    writeSettings();
    keptInputs = typedInputs();
    reportOutcome(outcome);
}

// A run that Korrin did not end itself leaves a half-written project, which
// the log and a box say.
void TICodeComposerConverter::reportOutcome(ConversionRun::Outcome outcome)
{
    if (outcome == ConversionRun::Outcome::Converted) {
        log->appendParagraph(uiText("Project Converted Successfully!"));
        log->appendWarnings();
        converted = true;
        showPageOfRun();
        setOption(HaveCustomButton1, true);
        return;
    }
    Page3->setComplete(true);
    if (outcome == ConversionRun::Outcome::Failed) {
        if (request().projectsBelow > 0)
            reportBatch();
        else
            showFailureBox(log->lastLine());
        return;
    }
    const bool stopAsked = outcome == ConversionRun::Outcome::Stopped;
    const char *what = stopAsked ? "Project Conversion stopped: the destination folder %1 holds an incomplete project."
                                 : "Project Conversion ended abnormally: the destination folder %1 holds an incomplete project.";
    const QString incomplete = uiText(what).arg(CorProjectEdit->text());
    log->appendParagraph(incomplete);
    if (stopAsked)
        WizardBox(QMessageBox::Warning, incomplete, QMessageBox::Ok, this).exec();
    else
        showFailureBox(incomplete);
}

// A run of many that converted some says how many, and which failed why,
// in the log and in a warning; one that converted none failed.
void TICodeComposerConverter::reportBatch()
{
    const BatchResults &results = log->batchResults();
    const QString report = batchReport(results, TIProjectEdit->text());
    log->appendParagraph(report);
    if (results.converted() == 0) {
        showFailureBox(report);
        return;
    }
    converted = true;
    showPageOfRun();
    setOption(HaveCustomButton1, true);
    WizardBox partly(QMessageBox::Warning, report.section(QLatin1Char('\n'), 0, 0), QMessageBox::Ok, this);
    partly.setInformativeText(report.section(QLatin1Char('\n'), 1));
    partly.exec();
}

void TICodeComposerConverter::reject()
{
    if (run->isRunning()) {
        if (askToStop())
            run->stop();
        return;
    }
    if (typedInputs() != keptInputs && !askYesOrNo(this, uiText("Close the wizard?\nWhat you typed here will be lost.")))
        return;
    TICodeComposerConverterBase::reject();
}

// Stopping Korrin leaves a half-written project, so the default answer keeps
// it running. Korrin may end meanwhile; then there is nothing to stop.
bool TICodeComposerConverter::askToStop()
{
    return askYesOrNo(this, uiText("Korrin is still converting the project. Stop it?\n"
                                   "The destination folder will then hold an incomplete project."))
        && run->isRunning();
}

// What the user typed or chose, to tell whether closing would lose any.
QStringList TICodeComposerConverter::typedInputs() const
{
    QStringList inputs;
    for (QLineEdit *field : {TIProjectEdit, CorProjectEdit, CorNameEdit, MsgPersonEdit, AnalPersonEdit, CmpPersonEdit,
                             CustExtEdit, TiFolderEdit})
        inputs << field->text();
    for (QCheckBox *box : {ReplicateSourceTreeCheckBox, CdbCheckBox, cppCheck, ccCheck, cxxCheck, cCheck, hCheck,
                           hhCheck, hppCheck, hxxCheck})
        inputs << QString::number(box->isChecked());
    for (const MacroValue &macro : MacroValuesTable->typedValues())
        inputs << macro.name + QLatin1Char('=') + macro.value;
    return inputs;
}

// While Korrin runs, Finish and Back are off and the busy indicator moves.
// The framework disables Back on the page after a commit page, so the macro
// page is one while Korrin runs.
void TICodeComposerConverter::showRunning(bool running)
{
    busyBar->setRunning(running);
    MacroPage->setCommitPage(running);
    if (running)
        Page3->setComplete(false);
    emit Page3->completeChanged(); // lets the framework set Back anew
}

// The buttons of a finished run belong to its log; back on the details
// page, Close stays, though the next run is prepared.
void TICodeComposerConverter::showPageOfRun()
{
    const bool onDetails = currentPage() == Page3;
    setButtonText(CancelButton, onDetails && converted ? uiText("Close") : cancelText);
    if (!onDetails) {
        setOption(HaveCustomButton1, false);
        setOption(HaveCustomButton2, false);
    }
}

void TICodeComposerConverter::openDestinationFolder()
{
    const QString folder = QFileInfo(QDir::fromNativeSeparators(CorProjectEdit->text())).absoluteFilePath();
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return;
    WizardBox(QMessageBox::Warning,
              uiText("No file manager could be started to show the destination folder:\n%1")
                  .arg(QDir::toNativeSeparators(folder)),
              QMessageBox::Ok, this)
        .exec();
}

// Only the files the earlier conversion wrote go; the summary then says
// what is left.
void TICodeComposerConverter::removeEarlierFiles()
{
    const QStringList kept = earlierOutput.remove(conversionTarget(request()));
    writeSettings();
    prepareConversion();
    if (kept.isEmpty())
        return;
    WizardBox(QMessageBox::Warning, uiText("These files could not be removed:\n%1").arg(kept.join(QLatin1Char('\n'))),
              QMessageBox::Ok, this)
        .exec();
}
