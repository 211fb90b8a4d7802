// Running Korrin from the last two pages: the build macros, the summary, the
// launch, the log and the outcome.

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <utility>

#include "ticodecomposerconverter.h"
#include "busybar.h"
#include "conversionlog.h"
#include "conversionrequest.h"
#include "converterprogram.h"
#include "converterquery.h"
#include "extensionlist.h"
#include "outputfollower.h"
#include "projectlocation.h"
#include "uitext.h"

namespace {

const char *const caption = "TI Code Composer Project Converter";

} // namespace

// A listing made before the TI folder changed is made again before the
// conversion is prepared from it.
bool TICodeComposerConverter::validateCurrentPage()
{
    if (currentPage() == Page2) {
        collectExtensionList();
        listBuildMacros();
    } else if (currentPage() == MacroPage) {
        if (!buildMacrosListed()) {
            listBuildMacros();
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

void TICodeComposerConverter::listBuildMacros()
{
    MacroValuesTable->showMacros({}, macroValues, QString());
    MacroStatusText->setText(uiText("Reading the build macros of the project ..."));
    MacroPage->setComplete(false);
    listedArguments = macroListingArguments(request());
    macroListing->start(listedArguments);
}

bool TICodeComposerConverter::buildMacrosListed() const
{
    return macroListingArguments(request()) == listedArguments;
}

void TICodeComposerConverter::tiFolderChanged()
{
    if (currentPage() == MacroPage && !buildMacrosListed())
        listBuildMacros();
}

void TICodeComposerConverter::showBuildMacros(const QString &output)
{
    const QList<BuildMacro> macros = buildMacrosFromListing(output);
    MacroValuesTable->showMacros(macros, macroValues, projectKey(TIProjectEdit->text()));
    MacroStatusText->setText(macros.isEmpty() ? uiText("The project uses no build macros that need a value.")
                                              : QString());
    MacroPage->setComplete(true);
}

// The conversion itself reports the same failure in full.
void TICodeComposerConverter::showMacroListingFailure(const QString &reason)
{
    MacroStatusText->setText(uiText("The build macros could not be read: ") + reason);
    MacroPage->setComplete(true);
}

void TICodeComposerConverter::rememberMacroValue(const QString &name, const QString &value)
{
    macroValues.set(projectKey(TIProjectEdit->text()), name, value);
}

void TICodeComposerConverter::prepareConversion()
{
    DetailsText->setPlainText(conversionSummary(request()));
    setOption(HaveCustomButton1, false);
    // Two converters writing into one destination would spoil it.
    Page3->setComplete(!converterRunning());
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

bool TICodeComposerConverter::converterRunning() const
{
    return converterProcess && converterProcess->state() != QProcess::NotRunning;
}

void TICodeComposerConverter::accept()
{
    stopAsked = false;
    converterProcess = new QProcess(this);
    converterProcess->setProgram(converterProgram());
    converterProcess->setArguments(converterArguments(request()));
    converterProcess->setStandardErrorFile(QProcess::nullDevice());
    output->follow(converterProcess); // else the output is read as it comes

    log->start(uiText("Initialising Project Conversion ...\n"));
    setOption(HaveCustomButton1, false);

    connect(converterProcess, &QProcess::readyReadStandardOutput, this, &TICodeComposerConverter::readFromStdout);
    connect(converterProcess, &QProcess::finished, this, &TICodeComposerConverter::processExit);
    connect(converterProcess, &QProcess::errorOccurred, this, &TICodeComposerConverter::processError);

    showRunning(true);
    converterProcess->start();
}

void TICodeComposerConverter::readFromStdout()
{
    log->appendOutput(output->following() ? output->takeNew() : converterProcess->readAllStandardOutput());
}

void TICodeComposerConverter::processExit()
{
    auto *process = qobject_cast<QProcess *>(sender());
    output->stop();
    readFromStdout();
    log->finishOutput();
    showRunning(false);
    reportOutcome(*process);
    writeSettings();
}

// A run that Korrin did not end itself leaves a half-written project, which
// the log and a box say.
void TICodeComposerConverter::reportOutcome(const QProcess &process)
{
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        log->appendParagraph(uiText("Project Converted Successfully!"));
        log->appendWarnings();
        setButtonText(CancelButton, uiText("Close"));
        setOption(HaveCustomButton1, true);
        return;
    }
    Page3->setComplete(true);
    if (process.exitStatus() == QProcess::NormalExit) {
        showFailure(log->lastLine());
        return;
    }
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

void TICodeComposerConverter::processError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    output->stop();
    log->appendParagraph(uiText("Project Conversion could not be executed: Please ensure %1 is set on the path.\n")
                             .arg(converterProgramName()));
    showRunning(false);
    Page3->setComplete(true);
}

void TICodeComposerConverter::reject()
{
    if (!converterRunning()) {
        TICodeComposerConverterBase::reject();
        return;
    }
    if (askToStop()) {
        stopAsked = true;
        converterProcess->kill();
    }
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
    return question.exec() == QMessageBox::Yes && converterRunning();
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
