#include "ticodecomposerconverter.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>

#include "settingsfile.h"
#include "uitext.h"

namespace {

const QString settingsFileName = QStringLiteral("settings.txt");

// Shows in the field's text colour whether its path exists; returns that.
bool markExistingPath(QLineEdit *field)
{
    const bool exists = QFileInfo::exists(field->text());
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, exists ? Qt::black : Qt::red);
    field->setPalette(palette);
    return exists;
}

// A folder dialog started at a file would offer the file's name as the choice
// and keep its Choose button off, so it starts in the file's folder instead.
QString folderAt(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() ? path : info.path();
}

} // namespace

TICodeComposerConverter::TICodeComposerConverter(QWidget *parent, Qt::WindowFlags flags)
    : TICodeComposerConverterBase(parent, flags),
      lastBrowsePath(QDir::toNativeSeparators(QStringLiteral("/")))
{
    Page0->setComplete(false);
    Page3->setComplete(false); // Finish waits until the summary is built

    connect(TIProjectBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::TIProjectBrowseBtn_clicked);
    connect(CorProjectBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::CorProjectBrowseBtn_clicked);
    for (QLineEdit *field : {TIProjectEdit, CorProjectEdit, CorNameEdit})
        connect(field, &QLineEdit::textChanged, this, &TICodeComposerConverter::Page0LineEdit_textchanged);
    connect(MsgBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::MsgBrowseBtn_clicked);
    connect(AnalBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::AnalBrowseBtn_clicked);
    connect(CmpBrowseBtn, &QPushButton::clicked, this, &TICodeComposerConverter::CmpBrowseBtn_clicked);
    for (QLineEdit *field : {MsgPersonEdit, CmpPersonEdit})
        connect(field, &QLineEdit::textChanged, this, &TICodeComposerConverter::Page1LineEdit_textchanged);
    for (QLineEdit *field : {TIProjectEdit, CorProjectEdit, CorNameEdit, MsgPersonEdit, CmpPersonEdit})
        field->installEventFilter(this);

    for (WizardButton which : {NextButton, BackButton, CancelButton, FinishButton})
        button(which)->setPalette(whitePalette());

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
    Page0->setComplete(projectExists && folderExists && !CorNameEdit->text().isEmpty());
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

void TICodeComposerConverter::TIProjectBrowseBtn_clicked()
{
    browseForFile(TIProjectEdit, "Select a Code Composer Project", "TI Code Composer Project (*pjt)");
}

void TICodeComposerConverter::CorProjectBrowseBtn_clicked()
{
    QFileDialog dialog(this, uiText("Select the Corvel/Corvel++ Project Destination Directory"), folderAt(lastBrowsePath));
    dialog.setObjectName(QStringLiteral("get existing directory"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    browse(dialog, CorProjectEdit);
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

void TICodeComposerConverter::browseForFile(QLineEdit *target, const char *caption, const char *filter)
{
    QFileDialog dialog(this, uiText(caption), lastBrowsePath, uiText(filter));
    dialog.setObjectName(QStringLiteral("open file dialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    browse(dialog, target);
}

// Every dialog starts where the previous choice was made. Setting the field's
// text runs that field's check.
void TICodeComposerConverter::browse(QFileDialog &dialog, QLineEdit *target)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = QDir::toNativeSeparators(dialog.selectedFiles().value(0));
    if (path.isEmpty())
        return;
    lastBrowsePath = path;
    target->setText(path);
}

QList<std::pair<QString, QLineEdit *>> TICodeComposerConverter::personalityFields() const
{
    return {{QStringLiteral("Message Personality:"), MsgPersonEdit},
            {QStringLiteral("Analyser Personality:"), AnalPersonEdit},
            {QStringLiteral("Compiler Personality:"), CmpPersonEdit}};
}

void TICodeComposerConverter::readSettings()
{
    const auto fields = personalityFields();
    QStringList keys;
    for (const auto &[key, field] : fields)
        keys << key;
    for (const SettingsEntry &entry : readSettingsFile(settingsFileName, keys)) {
        for (const auto &[key, field] : fields) {
            if (key == entry.key)
                field->setText(entry.value);
        }
    }
}

void TICodeComposerConverter::writeSettings() const
{
    QList<SettingsEntry> entries;
    for (const auto &[key, field] : personalityFields()) {
        if (!field->text().isEmpty())
            entries.append({key, field->text()});
    }
    writeSettingsFile(settingsFileName, entries);
}
