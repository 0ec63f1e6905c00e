// What every page works with: the document, the status area, the line registers
// and the drives.
#include "workspace.h"

#include "file_error.h"
#include "line_file.h"
#include "list_selection.h"
#include "text8.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

Workspace::Workspace(Document &document, DriveMap drives_, QString configFileName, StatusWidgets widgets,
                     QWidget *window)
    : doc(document)
    , drives(std::move(drives_))
    , ConfigFileName(std::move(configFileName))
    , m_w(widgets)
    , m_window(window)
{
    // The edit line emits textEdited before textChanged, so while the user's
    // change is handled this still holds the text from before it.
    QObject::connect(m_w.Edit1, &QLineEdit::textChanged, window,
                     [this](const QString &text) { m_edit1Before = text; });
    m_edit1Before = m_w.Edit1->text();
}

LinePos Workspace::lineOf(LinePos pos) const
{
    return lineIn(doc.lines(), pos);
}

void Workspace::vislinje(LinePos pos)
{
    if (pos == NoLine)
        m_w.LinjeLabel->setText(QStringLiteral("ikke i ") + ConfigFileName);
    else
        m_w.LinjeLabel->setText(QStringLiteral("Linje nr. ") + QString::number(int(pos) + 1));
}

int Workspace::selectedLine() const
{
    return listsel::selected(m_w.ListBox);
}

void Workspace::selectLine(LinePos pos)
{
    listsel::select(m_w.ListBox, pos == NoLine ? -1 : int(pos));
}

void Workspace::setEdit1(std::string_view bytes)
{
    m_w.Edit1->setText(text8::toDisplay(bytes));
}

void Workspace::setEdit1Text(const QString &text)
{
    m_w.Edit1->setText(text);
}

void Workspace::setEdit1ToLine(LinePos pos)
{
    const LinePos line = lineOf(pos);
    if (line == NoLine)
        m_w.Edit1->clear();
    else
        setEdit1(doc.line(line));
}

std::string Workspace::edit1() const
{
    // The edit line only takes characters of the 8-bit set.
    return text8::fromDisplay(m_w.Edit1->text()).value_or(std::string());
}

std::optional<std::string> Workspace::edit1Bytes() const
{
    return text8::fromDisplay(m_w.Edit1->text());
}

bool Workspace::edit1ShowedLine(int i) const
{
    return doc.isLine(i) && m_edit1Before == text8::toDisplay(doc.line(i));
}

void Workspace::makeCurrent(LinePos pos)
{
    const LinePos line = lineOf(pos);
    vislinje(line);
    selectLine(line);
    setEdit1ToLine(line);
}

void Workspace::setLabel2(const QString &text)
{
    m_w.Label2->setText(text);
}

void Workspace::setLabel3(const QString &text)
{
    m_w.Label3->setText(text);
}

void Workspace::enableRem(bool on)
{
    m_w.RemKnapp->setEnabled(on);
}

void Workspace::replaceLine(LinePos pos, std::string text)
{
    const LinePos line = lineOf(pos);
    if (line == NoLine)
        return;
    doc.replace(line, std::move(text));
    selectLine(line);
}

void Workspace::writeStatement(LinePos reg, const std::string &statement)
{
    const LinePos line = lineOf(reg);
    vislinje(line);
    if (line != NoLine) {
        replaceLine(line, statement);
        setEdit1ToLine(line);
    } else {
        selectLine(NoLine);
        setEdit1(statement);
    }
}

void Workspace::refuseFileRead(const QString &what, const QString &dosPath) const
{
    if (linefile::isSameFile(drives.resolve(dosPath), m_readFile))
        throw FileError(QStringLiteral("%1 %2: det er filen som ble lest inn (%3), og den blir aldri skrevet over")
                            .arg(what, dosPath, ConfigFileName));
}

void Workspace::saveFile(const QString &dosPath, const Lines &lines) const
{
    refuseFileRead(QStringLiteral("Kan ikke skrive"), dosPath);
    linefile::save(drives, dosPath, lines);
}

void Workspace::saveFileBytes(const QString &dosPath, std::string_view bytes) const
{
    refuseFileRead(QStringLiteral("Kan ikke skrive"), dosPath);
    linefile::saveBytes(drives, dosPath, bytes);
}

void Workspace::removeFile(const QString &dosPath) const
{
    refuseFileRead(QStringLiteral("Kan ikke slette"), dosPath);
    linefile::remove(drives, dosPath);
}

void Workspace::NoteBookClick()
{
    if (refresh)
        refresh();
}

bool Workspace::SetDevice(std::string_view name)
{
    setLabel2(QStringLiteral("Bruk REM-knappen til å endre"));
    LinePos line = FoundDevice(doc.lines(), name);
    const bool active = line != NoLine;
    if (!active) {
        line = FinnREM(doc.lines(), "REM ", name);
        if (line == NoLine)
            line = doc.append("REM DEVICE=C:\\OS2\\MDOS\\" + std::string(name));
    }
    makeCurrent(line);
    return active;
}
