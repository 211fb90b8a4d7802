#include "conversionlog.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>

#include "uitext.h"

namespace {

constexpr int batchMilliseconds = 100;

bool isWarning(const QString &line)
{
    return line.startsWith(QLatin1String("  Unresolved macro - ")) || line.startsWith(QLatin1String("  Not found - "));
}

} // namespace

ConversionLog::ConversionLog(QTextBrowser *view)
    : QObject(view), view(view), decoder(QStringDecoder::System)
{
    batchTimer.setSingleShot(true);
    batchTimer.setInterval(batchMilliseconds);
    connect(&batchTimer, &QTimer::timeout, this, &ConversionLog::flush);
}

void ConversionLog::start(const QString &text)
{
    batchTimer.stop();
    decoder.resetState();
    waiting.clear();
    partialLine.clear();
    warnings.clear();
    outputStarted = false;
    view->setPlainText(text);
}

void ConversionLog::appendOutput(const QByteArray &bytes)
{
    const QString text = decoder.decode(bytes);
    collectWarnings(text);
    waiting += text;
    if (!batchTimer.isActive())
        batchTimer.start();
}

void ConversionLog::appendParagraph(const QString &text)
{
    flush();
    insert(text, true);
}

void ConversionLog::appendWarnings()
{
    if (!partialLine.isEmpty() && isWarning(partialLine))
        warnings << partialLine;
    partialLine.clear();
    if (warnings.isEmpty())
        return;
    const QString count = warnings.size() == 1 ? uiText("1 warning:") : uiText("%1 warnings:").arg(warnings.size());
    appendParagraph(count + QLatin1Char('\n') + warnings.join(QLatin1Char('\n')));
}

// All output goes into one paragraph after the first line, as Korrin wrote it.
void ConversionLog::flush()
{
    batchTimer.stop();
    if (waiting.isEmpty())
        return;
    insert(waiting, !outputStarted);
    outputStarted = true;
    waiting.clear();
}

void ConversionLog::collectWarnings(const QString &text)
{
    const QStringList lines = (partialLine + text).split(QLatin1Char('\n'));
    partialLine = lines.last();
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (isWarning(line))
            warnings << line;
    }
}

// Plain text, whatever markup it may resemble.
void ConversionLog::insert(const QString &text, bool newParagraph)
{
    QScrollBar *scrollBar = view->verticalScrollBar();
    const bool followingTheEnd = scrollBar->value() == scrollBar->maximum();
    const int position = scrollBar->value();
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    if (newParagraph && !view->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(QString(text).remove(QLatin1Char('\r')));
    scrollBar->setValue(followingTheEnd ? scrollBar->maximum() : position);
}
