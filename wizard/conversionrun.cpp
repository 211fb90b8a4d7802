// Running Korrin from the details page: the summary, the launch, the log and
// the outcome.

#include <QCoreApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTextCursor>
#include <utility>

#include "ticodecomposerconverter.h"
#include "conversionrequest.h"
#include "extensionlist.h"
#include "uitext.h"

namespace {

// Windows' program search looks in the wizard's own folder before the search
// path; elsewhere a Korrin in that folder is named in full to get the same.
QString converterProgram()
{
    const QString name = QStringLiteral("Korrin");
#ifndef Q_OS_WIN
    const QString beside = QStandardPaths::findExecutable(name, {QCoreApplication::applicationDirPath()});
    if (!beside.isEmpty())
        return beside;
#endif
    return name;
}

} // namespace

bool TICodeComposerConverter::validateCurrentPage()
{
    if (currentPage() == Page2)
        prepareConversion();
    return TICodeComposerConverterBase::validateCurrentPage();
}

void TICodeComposerConverter::prepareConversion()
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
    DetailsText->setPlainText(conversionSummary(request()));
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
            extensionList};
}

bool TICodeComposerConverter::converterRunning() const
{
    return converterProcess && converterProcess->state() != QProcess::NotRunning;
}

void TICodeComposerConverter::accept()
{
    converterProcess = new QProcess(this);
    converterProcess->setProgram(converterProgram());
    converterProcess->setArguments(converterArguments(request()));
    converterProcess->setStandardErrorFile(QProcess::nullDevice());

    DetailsText->setPlainText(uiText("Initialising Project Conversion ...\n"));

    connect(converterProcess, &QProcess::readyReadStandardOutput, this, &TICodeComposerConverter::readFromStdout);
    connect(converterProcess, &QProcess::finished, this, &TICodeComposerConverter::processExit);
    connect(converterProcess, &QProcess::errorOccurred, this, &TICodeComposerConverter::processError);

    Page3->setComplete(false);
    converterProcess->start();
}

void TICodeComposerConverter::readFromStdout()
{
    auto *process = qobject_cast<QProcess *>(sender());
    appendToLog(QString::fromLocal8Bit(process->readAllStandardOutput()));
}

void TICodeComposerConverter::processExit()
{
    auto *process = qobject_cast<QProcess *>(sender());
    const bool succeeded = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    if (succeeded) {
        appendToLog(uiText("Project Converted Successfully!"));
        setButtonText(CancelButton, uiText("Close"));
    } else {
        Page3->setComplete(true);
        if (process->exitStatus() == QProcess::NormalExit)
            QMessageBox::about(nullptr, uiText("TI Code Composer Project Converter"),
                               uiText("Project Conversion Failed!\nPlease check the details log and try again."));
    }
    writeSettings();
}

void TICodeComposerConverter::processError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    appendToLog(uiText("Project Conversion could not be executed: Please ensure Korrin.exe is set on the path.\n"));
    Page3->setComplete(true);
}

void TICodeComposerConverter::reject()
{
    if (converterProcess)
        converterProcess->kill();
    TICodeComposerConverterBase::reject();
}

// Adds one plain-text paragraph, whatever markup the text may resemble, and
// keeps the newest output in view.
void TICodeComposerConverter::appendToLog(const QString &paragraph)
{
    QTextCursor cursor(DetailsText->document());
    cursor.movePosition(QTextCursor::End);
    if (!DetailsText->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(paragraph);
    DetailsText->moveCursor(QTextCursor::End);
    DetailsText->ensureCursorVisible();
}
