#ifndef KORRIN_WIZARD_CONVERSIONLOG_H
#define KORRIN_WIZARD_CONVERSIONLOG_H

#include <QObject>
#include <QStringDecoder>
#include <QStringList>
#include <QTimer>

class QTextBrowser;

// Korrin's output in the details log. Output is gathered and added in
// batches, since laying out the view for every delivery costs the wizard
// as much as the conversion costs Korrin; the view stays where the user
// scrolled it, following the end only while it shows the end. The warning
// lines are kept aside to be shown after the outcome.
class ConversionLog : public QObject
{
    Q_OBJECT

public:
    explicit ConversionLog(QTextBrowser *view);

    // Clears the log for a new run, which starts with text.
    void start(const QString &text);
    // Output as it arrives, in any pieces; shown within a batch interval.
    void appendOutput(const QByteArray &bytes);
    // Shows what is waiting, then text as a paragraph of its own.
    void appendParagraph(const QString &text);
    // The warning lines of the output so far, set apart after their count.
    void appendWarnings();
    // Shows what is waiting now.
    void flush();

private:
    void collectWarnings(const QString &text);
    void insert(const QString &text, bool newParagraph);

    QTextBrowser *view;
    QTimer batchTimer;
    QStringDecoder decoder;
    QString waiting;
    bool outputStarted = false;
    QString partialLine;
    QStringList warnings;
};

#endif
