#include "conversionlog.h"

#include <QFont>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "uitext.h"

namespace {

const QLatin1String databaseWritten("Creating Compilation Database - ");

bool isWarning(const QString &line)
{
    return line.startsWith(QLatin1String("  Unresolved macro - ")) || line.startsWith(QLatin1String("  Not found - "));
}

} // namespace

ConversionLog::ConversionLog(QTextBrowser *view)
    : QObject(view), view(view), decoder(QStringDecoder::System)
{
    // Nobody undoes a log; keeping each insertion for that costs time and memory.
    view->document()->setUndoRedoEnabled(false);
    // Korrin writes plain lines: shaping them and looking for fallback fonts
    // is most of what showing them costs.
    QFont font = view->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    view->document()->setDefaultFont(font);
}

void ConversionLog::start(const QString &text)
{
    decoder.resetState();
    partialLine.clear();
    lineEndShown = true;
    warnings.clear();
    lastOutputLine.clear();
    results.clear();
    writtenDatabases.clear();
    view->setPlainText(text);
}

// A paragraph break stands for the line end before each piece; the first
// one starts the output's paragraph after the first line of the log.
void ConversionLog::appendOutput(const QByteArray &bytes)
{
    partialLine += decoder.decode(bytes);
    const qsizetype lastLineEnd = partialLine.lastIndexOf(QLatin1Char('\n'));
    if (lastLineEnd < 0)
        return;
    QString lines = partialLine.left(lastLineEnd).remove(QLatin1Char('\r'));
    partialLine.remove(0, lastLineEnd + 1);
    noteLines(lines);
    insertParagraph(lines.replace(QLatin1Char('\n'), QChar::LineSeparator));
    lineEndShown = false;
}

void ConversionLog::finishOutput()
{
    if (!partialLine.isEmpty()) {
        const QString rest = partialLine.remove(QLatin1Char('\r'));
        noteLines(rest);
        insertParagraph(rest);
        partialLine.clear();
        lineEndShown = true;
    }
    if (!lineEndShown)
        insertParagraph(QString());
    lineEndShown = true;
}

void ConversionLog::appendParagraph(const QString &text)
{
    insertParagraph(text);
}

void ConversionLog::appendWarnings()
{
    if (warnings.isEmpty())
        return;
    const QString count = warnings.size() == 1 ? uiText("1 warning:") : uiText("%1 warnings:").arg(warnings.size());
    insertParagraph(count + QChar::LineSeparator + warnings.join(QChar::LineSeparator));
}

void ConversionLog::noteLines(const QString &lines)
{
    const QStringList split = lines.split(QLatin1Char('\n'));
    for (const QString &line : split) {
        if (isWarning(line))
            warnings << line;
        results.note(line);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(databaseWritten))
            writtenDatabases << trimmed.mid(databaseWritten.size());
    }
    const auto last = std::find_if(split.crbegin(), split.crend(), [](const QString &line) { return !line.trimmed().isEmpty(); });
    if (last != split.crend())
        lastOutputLine = *last;
}

// Plain text, whatever markup it may resemble.
void ConversionLog::insertParagraph(const QString &text)
{
    QScrollBar *scrollBar = view->verticalScrollBar();
    const bool followingTheEnd = scrollBar->value() == scrollBar->maximum();
    const int position = scrollBar->value();
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(text);
    scrollBar->setValue(followingTheEnd ? scrollBar->maximum() : position);
}
