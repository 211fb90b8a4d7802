#include "ticodecomposerconverter.h"

#include <QDir>
#include <QDropEvent>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>

#include "busybar.h"
#include "conversionlog.h"
#include "converterquery.h"
#include "outputfollower.h"
#include "projectfiledialog.h"
#include "projectlocation.h"
#include "settingsfile.h"
#include "uitext.h"

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
      macroListing(new ConverterQuery(this)),
      log(new ConversionLog(DetailsText)),
      output(new OutputFollower(this)),
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

    connect(output, &OutputFollower::outputWaiting, this, &TICodeComposerConverter::readFromStdout);
    connect(nameQuery, &ConverterQuery::answered, this, &TICodeComposerConverter::proposeProjectName);
    connect(projectsQuery, &ConverterQuery::answered, this, &TICodeComposerConverter::countProjects);
    connect(macroListing, &ConverterQuery::answered, this, &TICodeComposerConverter::showBuildMacros);
    connect(macroListing, &ConverterQuery::failed, this, &TICodeComposerConverter::showMacroListingFailure);
    connect(MacroValuesTable, &MacroTable::valueTyped, this, &TICodeComposerConverter::rememberMacroValue);
    setButtonText(CustomButton1, uiText("Open Destination Folder"));
    connect(this, &QWizard::customButtonClicked, this, &TICodeComposerConverter::openDestinationFolder);
    setAcceptDrops(true);

    readSettings();
}

TICodeComposerConverter::~TICodeComposerConverter()
{
    // A converter still running must not report to a half-destroyed wizard.
    for (QProcess *process : findChildren<QProcess *>()) {
        process->disconnect(this);
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished();
        }
    }
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
