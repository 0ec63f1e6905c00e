// A memo for an 8-bit text file: holds the file's lines and takes only characters
// that the file can hold.
#include "workspace/text8_memo.h"

#include "platform/text8.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

Text8Memo::Text8Memo(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_filter([](QChar c) { return text8::isEncodable(c) ? c : QChar(); })
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the next control, as everywhere else in the window, so
    // that the keyboard alone can leave the memo.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &Text8Memo::noteUnsaved);
}

namespace {

// A bare CR inside a line would become a line break in the memo; it is shown as
// the symbol for CR instead, which no one can type (the 8-bit set lacks it).
constexpr QChar kCrShown = QChar(0x240D);

// The memo's text with its line breaks as '\n'. Unlike toPlainText() it keeps
// no-break spaces, which are bytes of the file like any other.
QString rawText(const QPlainTextEdit *memo)
{
    QString text = memo->document()->toRawText();
    for (QChar &c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    return text;
}


// A line of the file as the memo shows it.
QString shown(const std::string &line)
{
    QString text = text8::toDisplay(line);
    text.replace(QChar(u'\r'), kCrShown);
    return text;
}

} // namespace

Lines Text8Memo::lines() const
{
    QString text = rawText(this);
    Lines out;
    if (text.isEmpty())
        return out;
    if (text.endsWith(u'\n'))
        text.chop(1);
    const QStringList parts = text.split(u'\n');
    out.reserve(static_cast<std::size_t>(parts.size()));
    // Loaded lines are kept as they are; only typing goes through the filter.
    for (QString part : parts) {
        part.replace(kCrShown, QChar(u'\r'));
        // Typing and pasting only let characters of the 8-bit set in.
        out.push_back(text8::fromDisplayDropping(part));
    }
    return out;
}

int Text8Memo::lineCount() const
{
    const QString text = rawText(this);
    if (text.isEmpty())
        return 0;
    return static_cast<int>(text.count(u'\n')) + (text.endsWith(u'\n') ? 0 : 1);
}

void Text8Memo::setLines(const Lines &lines)
{
    QString text;
    for (const std::string &line : lines) {
        text += shown(line);
        text += u'\n';
    }
    setPlainText(text);
}

void Text8Memo::addLine(const std::string &line)
{
    QString text = rawText(this);
    if (!text.isEmpty() && !text.endsWith(u'\n'))
        text += u'\n';
    text += shown(line);
    text += u'\n';
    setPlainText(text);
}

QString Text8Memo::filtered(const QString &text) const
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            out += c;
            continue;
        }
        const QChar kept = m_filter(c);
        if (!kept.isNull())
            out += kept;
    }
    return out;
}

void Text8Memo::setSavedLines(Lines lines)
{
    m_saved = std::move(lines);
    noteUnsaved();
}

void Text8Memo::noteUnsaved()
{
    // Side files are small: comparing the whole memo per change costs little.
    const bool now = lines() != m_saved;
    if (now == m_unsaved)
        return;
    m_unsaved = now;
    emit unsavedChanged(now);
}

void Text8Memo::keyPressEvent(QKeyEvent *event)
{
    // Control keys (Enter, Backspace, Tab, Ctrl combinations) pass as they are;
    // any text, including characters beyond 16 bits, goes through the filter.
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7F;
    if (typed) {
        const QString kept = filtered(text);
        if (kept != text) {
            if (!kept.isEmpty() && !isReadOnly())
                insertPlainText(kept);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Text8Memo::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText() && !isReadOnly()) {
        insertPlainText(filtered(source->text()));
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void Text8Memo::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    if (!commit.isEmpty() && filtered(commit) != commit) {
        QInputMethodEvent fixed(event->preeditString(), event->attributes());
        fixed.setCommitString(filtered(commit), event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&fixed);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}
