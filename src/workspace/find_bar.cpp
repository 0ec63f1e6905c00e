// The find bar of the "Fil" page.
#include "workspace/find_bar.h"

#include "platform/text8.h"
#include "workspace/accessibility.h"
#include "workspace/document.h"
#include "workspace/status_area.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

#include <functional>
#include <iterator>

namespace {

// The list's rows, the lines that hold the text on a light orange of their
// own: distinct from the yellow of the list and from the selection, and the
// blue text still readable on it (5.5:1).
class MatchDelegate : public QStyledItemDelegate
{
public:
    MatchDelegate(std::function<bool(int)> isMatch, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_isMatch(std::move(isMatch))
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (m_isMatch(index.row()))
            option->backgroundBrush = QColor(255, 200, 128);
    }

private:
    const std::function<bool(int)> m_isMatch;
};

QPushButton *button(const QString &text, const char *name, const QString &accessible, const QString &tip,
                    QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(accessible);
    b->setToolTip(tip);
    return b;
}

// "3 av 17": the selected line's place among the matches.
QString countOf(int at, int count)
{
    return QCoreApplication::translate("FindBar", "%1 av %2").arg(QString::number(at), QString::number(count));
}

} // namespace

FindBar::FindBar(const Document &doc, StatusArea &status, QListView *list, QString fileName, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_status(status)
    , m_list(list)
    , m_fileName(std::move(fileName))
{
    setObjectName(QStringLiteral("FinnPanel"));
    buildControls();
    m_list->setItemDelegate(new MatchDelegate(
        [bar = QPointer<FindBar>(this)](int row) { return bar && bar->isVisible() && bar->m_matches.contains(row); },
        m_list));

    connect(m_field, &QLineEdit::textEdited, this, &FindBar::search);
    connect(m_matchCase, &QCheckBox::clicked, this, &FindBar::search);
    connect(m_field, &QLineEdit::returnPressed, this, &FindBar::findNext);
    m_field->installEventFilter(this);
    connect(m_next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(m_previous, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(m_lineNumber, &QLineEdit::returnPressed, this, &FindBar::goToLineNumber);
    connect(m_close, &QPushButton::clicked, this, &FindBar::closeRequested);

    // The matches follow the document line by line; a new load looks again.
    connect(&m_doc, &QAbstractItemModel::dataChanged, this, &FindBar::follow);
    connect(&m_doc, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { follow(m_doc.index(first), m_doc.index(last)); });
    connect(&m_doc, &QAbstractItemModel::modelReset, this, [this] {
        m_matches.refind(m_doc.searchLines());
        showCount();
    });
    // The count tells where the selected line stands, whoever selected it.
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FindBar::showCount);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &FindBar::showCount);
}

void FindBar::buildControls()
{
    auto *findLabel = new QLabel(QCoreApplication::translate("FindBar", "Finn:"), this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("FinnFelt"));
    m_field->setAccessibleName(QCoreApplication::translate("FindBar", "Finn tekst i %1").arg(m_fileName));
    m_field->setToolTip(QCoreApplication::translate("FindBar", "Finn tekst i %1: hver linje som har teksten, blir merket "
                                                   "(Ctrl+F; Enter eller F3 går til neste, Shift+F3 til forrige)")
                            .arg(m_fileName));
    findLabel->setBuddy(m_field);
    m_previous = button(QCoreApplication::translate("FindBar", "Forrige"), "FinnForrige", QCoreApplication::translate("FindBar", "Forrige treff"),
                        QCoreApplication::translate("FindBar", "Forrige linje med teksten (Shift+F3)"), this);
    m_next = button(QCoreApplication::translate("FindBar", "Neste"), "FinnNeste", QCoreApplication::translate("FindBar", "Neste treff"),
                    QCoreApplication::translate("FindBar", "Neste linje med teksten (F3)"), this);
    m_matchCase = new QCheckBox(QCoreApplication::translate("FindBar", "Store/små"), this);
    m_matchCase->setObjectName(QStringLiteral("FinnStoreSmaa"));
    m_matchCase->setAccessibleName(QCoreApplication::translate("FindBar", "Skill mellom store og små bokstaver"));
    m_matchCase->setToolTip(QCoreApplication::translate("FindBar", "Skill mellom store og små bokstaver (Alt+S)"));

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("FinnTall"));
    m_count->setAccessibleDescription(QCoreApplication::translate("FindBar", "Treff"));
    m_count->setToolTip(QCoreApplication::translate("FindBar", "Den valgte linjen av linjene med teksten (F3, Shift+F3)"));
    m_count->setMinimumWidth(m_count->fontMetrics().horizontalAdvance(countOf(65535, 65535)));
    m_announcer = new a11y::StatusAnnouncer(m_count);
    m_announcer->watch(m_count, QAccessible::StatusBar);

    auto *lineLabel = new QLabel(QCoreApplication::translate("FindBar", "Linje:"), this);
    m_lineNumber = new QLineEdit(this);
    m_lineNumber->setObjectName(QStringLiteral("LinjeFelt"));
    m_lineNumber->setAccessibleName(QCoreApplication::translate("FindBar", "Gå til linje nr."));
    m_lineNumber->setToolTip(QCoreApplication::translate("FindBar", "Gå til linje nr.: skriv tallet og trykk Enter (Ctrl+G)"));
    m_lineNumber->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), m_lineNumber));
    m_lineNumber->setFixedWidth(m_lineNumber->fontMetrics().horizontalAdvance(QStringLiteral("655350")) + 12);
    lineLabel->setBuddy(m_lineNumber);
    m_close = button(QStringLiteral("×"), "FinnLukk", QCoreApplication::translate("FindBar", "Lukk søket"),
                     QCoreApplication::translate("FindBar", "Lukk søket; den valgte linjen blir stående (Esc)"), this);
    m_close->setFixedWidth(m_close->sizeHint().height());

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(findLabel);
    row->addWidget(m_field, 1);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(m_matchCase);
    row->addWidget(m_count);
    row->addWidget(lineLabel);
    row->addWidget(m_lineNumber);
    row->addWidget(m_close);
}

void FindBar::followInTabOrder(QWidget *before)
{
    // Each placed after the one before it: what followed `before` follows the bar.
    QWidget *const chain[] = {before, m_field, m_previous, m_next, m_matchCase, m_lineNumber, m_close};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

void FindBar::focusFind()
{
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void FindBar::focusLineNumber()
{
    m_lineNumber->setFocus(Qt::ShortcutFocusReason);
    m_lineNumber->selectAll();
}

void FindBar::search()
{
    // A character that the 8-bit set cannot hold is in no line.
    const std::optional<std::string> bytes = text8::fromDisplay(m_field->text());
    const auto letterCase = m_matchCase->isChecked() ? LineMatches::Case::Match : LineMatches::Case::Ignore;
    m_matches.find(m_doc.searchLines(), bytes.value_or(std::string()), letterCase);
    repaintList();
    if (m_matches.count() > 0)
        step(m_matches.atOrAfter(m_status.selectedLine()), true);
    showCount();
}

void FindBar::follow(const QModelIndex &first, const QModelIndex &last)
{
    if (m_matches.text().empty())
        return;
    const SearchLines lines = m_doc.searchLines();
    for (int row = first.row(); row <= last.row() && row < static_cast<int>(NoLine); ++row)
        m_matches.lineChanged(lines, static_cast<LinePos>(row));
    showCount();
}

void FindBar::findNext()
{
    step(m_matches.next(m_status.selectedLine()), true);
}

void FindBar::findPrevious()
{
    step(m_matches.previous(m_status.selectedLine()), false);
}

void FindBar::step(LineMatches::Step to, bool forward)
{
    if (to.line == NoLine)
        return;
    emit lineChosen(to.line);
    // Said after the line is current: making it current empties the message line.
    if (to.wrapped)
        m_status.showMessage(forward ? QCoreApplication::translate("FindBar", "Søket fortsatte fra begynnelsen av filen")
                                     : QCoreApplication::translate("FindBar", "Søket fortsatte fra slutten av filen"));
    showCount();
}

void FindBar::goToLineNumber()
{
    const QString typed = m_lineNumber->text();
    if (typed.isEmpty())
        return;
    const int number = typed.toInt();
    const int lines = m_doc.count();
    if (number >= 1 && number <= lines) {
        emit lineChosen(static_cast<LinePos>(number - 1));
        return;
    }
    const QString line = QString::number(number);
    m_status.showMessage(lines == 0 ? QCoreApplication::translate("FindBar", "Linje %1 finnes ikke: %2 har ingen linjer").arg(line, m_fileName)
                                    : QCoreApplication::translate("FindBar", "Linje %1 finnes ikke: %2 har linje 1 til %3")
                                          .arg(line, m_fileName, QString::number(lines)));
}

void FindBar::showCount()
{
    QString text;
    if (!m_field->text().isEmpty()) {
        const int at = m_matches.indexOf(m_status.selectedLine());
        if (m_matches.count() == 0)
            text = QCoreApplication::translate("FindBar", "Ingen treff");
        else if (at >= 0)
            text = countOf(at + 1, m_matches.count());
        else
            text = QCoreApplication::translate("FindBar", "%1 treff").arg(m_matches.count());
    }
    if (m_count->text() == text)
        return;
    m_count->setText(text);
    m_announcer->changed(m_count);
}

void FindBar::repaintList()
{
    m_list->viewport()->update();
}

void FindBar::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    repaintList();
}

void FindBar::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    repaintList();
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    // Shift+Enter in the text field goes back, as Shift+F3 does.
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && key->modifiers() == Qt::ShiftModifier) {
            findPrevious();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
