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

#include "busybar.h"
#include "conversionlog.h"
#include "converterprogram.h"
#include "converterquery.h"
#include "extensionlist.h"
#include "macrolisting.h"
#include "projectfiledialog.h"
#include "projectlocation.h"
#include "settingsfile.h"
#include "uitext.h"

namespace {

const QString settingsFileName = QStringLiteral("settings.txt");
const char *const caption = "TI Code Composer Project Converter";

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

// A folder dialog started at a file would offer the file's name as the choice
// and keep its Choose button off, so it starts in the file's folder instead.
QString folderAt(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() ? path : info.path();
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
      nameQuery(new ConverterQuery(this)),
      projectsQuery(new ConverterQuery(this)),
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
    connect(TIProjectEdit, &QLineEdit::editingFinished, this, &TICodeComposerConverter::askProjectName);
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
    connect(nameQuery, &ConverterQuery::answered, this, &TICodeComposerConverter::proposeProjectName);
    connect(projectsQuery, &ConverterQuery::answered, this, &TICodeComposerConverter::countProjects);
    setButtonText(CustomButton1, uiText("Open Destination Folder"));
    connect(this, &QWizard::customButtonClicked, this, &TICodeComposerConverter::openDestinationFolder);
    setAcceptDrops(true);

    readSettings();
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

void TICodeComposerConverter::Page0LineEdit_textchanged(const QString &)
{
    const bool projectExists = markExistingPath(TIProjectEdit);
    const bool folderExists = markExistingPath(CorProjectEdit);
    const bool named = !CorNameEdit->text().isEmpty() || isFolderOfProjects(TIProjectEdit->text());
    Page0->setComplete(projectExists && folderExists && named);
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
    askProjectName();
}

// Korrin names the project as it would write it. Asked for a project chosen
// or typed in, once it exists, the answer goes into the name field unless
// the user has typed a name there. A project typed in is asked for once the
// field is left: each question starts Korrin.
void TICodeComposerConverter::askProjectName()
{
    const QString project = TIProjectEdit->text();
    nameQuery->stop();
    projectsQuery->stop();
    projectsBelow = 0;
    // Korrin names each project of a folder of many after itself.
    if (isFolderOfProjects(project))
        projectsQuery->start({project, QStringLiteral("-projects")});
    else if (QFileInfo::exists(project))
        nameQuery->start({project, QStringLiteral("-name")});
    Page0LineEdit_textchanged(QString());
}

void TICodeComposerConverter::countProjects(const QString &output)
{
    projectsBelow = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size();
}

void TICodeComposerConverter::proposeProjectName(const QString &output)
{
    const QString name = output.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
    if (name.isEmpty())
        return;
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
    const QString path = browse(dialog);
    if (!path.isEmpty())
        openProject(path);
}

void TICodeComposerConverter::CorProjectBrowseBtn_clicked()
{
    browseForFolder(CorProjectEdit, "Select the Corvel/Corvel++ Project Destination Directory");
}

void TICodeComposerConverter::MsgBrowseBtn_clicked()
{
    browseForFile(MsgPersonEdit, "Select a Message Personality", "Msg Personalities(*.p_s)");
}

void TICodeComposerConverter::AnalBrowseBtn_clicked()
{
    browseForFile(AnalPersonEdit, "Select a Template Analyser Personality", "Analiser Personalities(*.p_a)");
}

void TICodeComposerConverter::CmpBrowseBtn_clicked()
{
    browseForFile(CmpPersonEdit, "Select a Compiler Personality", "Cmp Personalities(*.p_c)");
}

void TICodeComposerConverter::TiFolderBrowseBtn_clicked()
{
    browseForFolder(TiFolderEdit, "Select the Folder of TI's Installs");
    tiFolderChanged();
}

void TICodeComposerConverter::browseForFile(QLineEdit *target, const char *caption, const char *filter)
{
    QFileDialog dialog(this, uiText(caption), lastBrowsePath, uiText(filter));
    dialog.setObjectName(QStringLiteral("open file dialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString path = browse(dialog);
    if (!path.isEmpty())
        target->setText(path);
}

void TICodeComposerConverter::browseForFolder(QLineEdit *target, const char *caption)
{
    QFileDialog dialog(this, uiText(caption), folderAt(lastBrowsePath));
    dialog.setObjectName(QStringLiteral("get existing directory"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const QString path = browse(dialog);
    if (!path.isEmpty())
        target->setText(path);
}

// Every dialog starts where the previous choice was made; the choice, empty
// when cancelled. Setting a field's text runs that field's check.
QString TICodeComposerConverter::browse(QFileDialog &dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QString path = QDir::toNativeSeparators(dialog.selectedFiles().value(0));
    if (!path.isEmpty())
        lastBrowsePath = path;
    return path;
}

// The TI folder is this computer's, as the personalities are the user's:
// neither belongs to one project.
QList<std::pair<QString, QLineEdit *>> TICodeComposerConverter::rememberedFields() const
{
    return {{QStringLiteral("Message Personality:"), MsgPersonEdit},
            {QStringLiteral("Analyser Personality:"), AnalPersonEdit},
            {QStringLiteral("Compiler Personality:"), CmpPersonEdit},
            {QStringLiteral("TI Folder:"), TiFolderEdit}};
}

void TICodeComposerConverter::readSettings()
{
    const auto fields = rememberedFields();
    QStringList keys;
    for (const auto &[key, field] : fields)
        keys << key;
    keys << MacroValues::settingsKeys;
    for (const SettingsEntry &entry : readSettingsFile(settingsFileName, keys)) {
        macroValues.readSettingsEntry(entry);
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
    entries << macroValues.settingsEntries();
    writeSettingsFile(settingsFileName, entries);
}

// A listing made before the TI folder changed is made again before the
// conversion is prepared from it.
bool TICodeComposerConverter::validateCurrentPage()
{
    if (currentPage() == Page2) {
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
    DetailsText->setPlainText(conversionSummary(request()));
    setOption(HaveCustomButton1, false);
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
            projectsBelow};
}

void TICodeComposerConverter::accept()
{
    log->start(uiText("Initialising Project Conversion ...\n"));
    setOption(HaveCustomButton1, false);
    showRunning(true);
    run->start(converterArguments(request()));
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
    reportOutcome(outcome);
    writeSettings();
}

// A run that Korrin did not end itself leaves a half-written project, which
// the log and a box say.
void TICodeComposerConverter::reportOutcome(ConversionRun::Outcome outcome)
{
    if (outcome == ConversionRun::Outcome::Converted) {
        log->appendParagraph(uiText("Project Converted Successfully!"));
        log->appendWarnings();
        setButtonText(CancelButton, uiText("Close"));
        setOption(HaveCustomButton1, true);
        return;
    }
    Page3->setComplete(true);
    if (outcome == ConversionRun::Outcome::Failed) {
        showFailure(log->lastLine());
        return;
    }
    const bool stopAsked = outcome == ConversionRun::Outcome::Stopped;
    const char *what = stopAsked ? "Project Conversion stopped: the destination folder %1 holds an incomplete project."
                                 : "Project Conversion ended abnormally: the destination folder %1 holds an incomplete project.";
    const QString incomplete = uiText(what).arg(CorProjectEdit->text());
    log->appendParagraph(incomplete);
    if (stopAsked)
        QMessageBox::warning(this, uiText(caption), incomplete);
    else
        showFailure(incomplete);
}

// Without a parent, as the box always was, and with Korrin's reason.
void TICodeComposerConverter::showFailure(const QString &reason)
{
    QMessageBox failure(QMessageBox::Critical, uiText(caption),
                        uiText("Project Conversion Failed!\nPlease check the details log and try again."), QMessageBox::Ok);
    failure.setInformativeText(reason);
    failure.exec();
}

void TICodeComposerConverter::reject()
{
    if (!run->isRunning()) {
        TICodeComposerConverterBase::reject();
        return;
    }
    if (askToStop())
        run->stop();
}

// Stopping Korrin leaves a half-written project, so the default answer keeps
// it running. Korrin may end meanwhile; then there is nothing to stop.
bool TICodeComposerConverter::askToStop()
{
    QMessageBox question(QMessageBox::Question, uiText(caption),
                         uiText("Korrin is still converting the project. Stop it?\n"
                                "The destination folder will then hold an incomplete project."),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    question.setEscapeButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes && run->isRunning();
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

void TICodeComposerConverter::openDestinationFolder()
{
    const QString folder = QFileInfo(QDir::fromNativeSeparators(CorProjectEdit->text())).absoluteFilePath();
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
