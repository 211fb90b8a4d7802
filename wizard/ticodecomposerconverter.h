#ifndef KORRIN_WIZARD_TICODECOMPOSERCONVERTER_H
#define KORRIN_WIZARD_TICODECOMPOSERCONVERTER_H

#include <QProcess>
#include <utility>

#include "ticodecomposerconverterbase.h"

class QFileDialog;
struct ConversionRequest;

// The converter wizard: checks the paths on the first two pages, runs Korrin
// when Finish is pressed, shows its output and remembers the personality
// paths in "settings.txt" in the current directory.
class TICodeComposerConverter : public TICodeComposerConverterBase
{
    Q_OBJECT

public:
    explicit TICodeComposerConverter(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~TICodeComposerConverter() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Next on the extensions page prepares the conversion before moving on.
    bool validateCurrentPage() override;

public slots:
    // Finish starts a conversion and keeps the wizard open.
    void accept() override;
    // Cancel/Close stops the running converter and closes the wizard.
    void reject() override;

private slots:
    void TIProjectBrowseBtn_clicked();
    void CorProjectBrowseBtn_clicked();
    void Page0LineEdit_textchanged(const QString &);
    void Page1LineEdit_textchanged(const QString &);
    void MsgBrowseBtn_clicked();
    void AnalBrowseBtn_clicked();
    void CmpBrowseBtn_clicked();
    void readFromStdout();
    void processExit();
    void processError(QProcess::ProcessError error);

private:
    void browseForFile(QLineEdit *target, const char *caption, const char *filter);
    void browse(QFileDialog &dialog, QLineEdit *target);

    void prepareConversion();
    ConversionRequest request() const;
    bool converterRunning() const;
    void appendToLog(const QString &paragraph);

    QList<std::pair<QString, QLineEdit *>> personalityFields() const;
    void readSettings();
    void writeSettings() const;

    QString extensionList;
    QProcess *converterProcess = nullptr;
    QString lastBrowsePath;
};

#endif
