// A memo for an 8-bit text file: holds the file's lines and takes only characters
// that the file can hold.
#pragma once

#include "platform/line_file.h"

#include <QPlainTextEdit>

#include <functional>

class Text8Memo : public QPlainTextEdit
{
    Q_OBJECT

public:
    // Maps one typed or pasted character to the one the memo takes, or to a null
    // QChar when it is refused.
    using CharFilter = std::function<QChar(QChar)>;

    explicit Text8Memo(QWidget *parent = nullptr);

    // The default filter takes the characters of the 8-bit display set.
    void setCharFilter(CharFilter filter) { m_filter = std::move(filter); }

    // The memo's lines: its text split at line breaks, a break at the very end
    // adding no line; an empty memo holds no line.
    Lines lines() const;
    int lineCount() const;
    // Replaces the whole text by `lines`, each followed by a line break.
    void setLines(const Lines &lines);
    // Adds `line` after the last line.
    void addLine(const std::string &line);

    // The filter applied to a whole text; what is refused is left out.
    QString filtered(const QString &text) const;

    // The file's lines as last loaded or saved: the memo holds unsaved edits
    // while its lines differ from them.
    void setSavedLines(Lines lines);
    bool hasUnsavedEdits() const { return m_unsaved; }

signals:
    // hasUnsavedEdits() turned to `unsaved`.
    void unsavedChanged(bool unsaved);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void noteUnsaved();

    CharFilter m_filter;
    Lines m_saved;
    bool m_unsaved = false;
};
