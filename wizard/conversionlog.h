#ifndef KORRIN_WIZARD_CONVERSIONLOG_H
#define KORRIN_WIZARD_CONVERSIONLOG_H

#include <QObject>
#include <QStringDecoder>
#include <QStringList>

#include "batchresults.h"

class QTextBrowser;

// Korrin's output in the details log, as it wrote it, in whatever pieces it
// arrives: the view stays where the user scrolled it, following the end only
// while it shows the end. The complete lines of each piece go in as one
// paragraph, broken with line separators, since a paragraph per line costs
// the view several times what laying out the text costs. The warning lines
// are kept aside to be shown after the outcome, and the last line, which
// says why a failed run failed, and how each project of many went.
class ConversionLog : public QObject
{
    Q_OBJECT

public:
    explicit ConversionLog(QTextBrowser *view);

    // Clears the log for a new run, which starts with text.
    void start(const QString &text);
    void appendOutput(const QByteArray &bytes);
    // Shows the rest of the output once Korrin has ended.
    void finishOutput();
    void appendParagraph(const QString &text);
    // The warning lines of the output so far, set apart after their count.
    void appendWarnings();
    // The last line of the output that holds something.
    QString lastLine() const { return lastOutputLine; }
    // How each project of a run of many went.
    const BatchResults &batchResults() const { return results; }
    // The compilation databases Korrin said it wrote.
    QStringList databases() const { return writtenDatabases; }

private:
    void noteLines(const QString &lines);
    void insertParagraph(const QString &text);

    QTextBrowser *view;
    QStringDecoder decoder; // keeps a character split between two pieces
    QString partialLine;
    bool lineEndShown = true; // whether the line end after the shown output is
    QStringList warnings;
    QString lastOutputLine;
    BatchResults results;
    QStringList writtenDatabases;
};

#endif
