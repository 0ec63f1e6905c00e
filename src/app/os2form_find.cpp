// The main window's find bar: finding text in the lines of "Fil", going from
// one line that holds it to the next, and going to a line by its number.
#include "app/os2form.h"

#include "ui_os2form.h"

#include "app/window_keys.h"
#include "workspace/find_bar.h"
#include "workspace/status_area.h"

#include <QAbstractButton>
#include <QShortcut>

void TOs2Form::createFindBar()
{
    m_listPlace = m_ui->ListBox->geometry();
    m_find = new FindBar(m_document, *m_status, m_ui->ListBox, m_files.ConfigFileName(), m_ui->fileTab);
    m_find->hide();
    // Tab goes from the list into the bar, and on as it went before.
    m_find->followInTabOrder(m_ui->ListBox);

    // Leading to a line shows it and writes nothing: the write path refuses
    // any write while the window shows the document.
    connect(m_find, &FindBar::lineChosen, this, [this](LinePos line) {
        const WriteGate::Showing showing(m_gate);
        goToLine(line);
    });
    connect(m_find, &FindBar::closeRequested, this, &TOs2Form::closeFind);

    windowkeys::onKey(this, QKeySequence(Qt::CTRL | Qt::Key_F), [this] { showFind(); });
    windowkeys::onKey(this, QKeySequence(Qt::CTRL | Qt::Key_G), [this] { showGoToLine(); });
    windowkeys::onKey(this, QKeySequence(Qt::Key_F3), [this] { findNext(); });
    windowkeys::onKey(this, QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findPrevious(); });
    // "Store/små" keeps its caption plain; Alt+S presses it while it is in sight.
    windowkeys::pressWith(m_find->findChild<QAbstractButton *>(QStringLiteral("FinnStoreSmaa")),
                          QKeySequence(Qt::ALT | Qt::Key_S));
    // Escape is the bar's only while it is open, and acts while it is in
    // sight; otherwise the key is free.
    m_closeFind = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_closeFind->setContext(Qt::WindowShortcut);
    m_closeFind->setEnabled(false);
    connect(m_closeFind, &QShortcut::activated, this, [this] {
        if (m_find->isVisible())
            closeFind();
    });
}

bool TOs2Form::openFindBar()
{
    showPage(PageId::Fil);
    if (!m_find->isHidden())
        return false;
    // The bar takes the foot of the list's place; the list keeps the rest.
    const int height = m_find->sizeHint().height();
    const int gap = 4;
    QRect list = m_listPlace;
    list.setHeight(m_listPlace.height() - height - gap);
    m_ui->ListBox->setGeometry(list);
    m_find->setGeometry(m_listPlace.left(), m_listPlace.bottom() + 1 - height, m_listPlace.width(), height);
    m_find->show();
    m_closeFind->setEnabled(true);
    // The selected line stays in sight above the bar.
    if (const int line = m_status->selectedLine(); line >= 0)
        m_ui->ListBox->scrollTo(m_document.index(line));
    return true;
}

void TOs2Form::showFind()
{
    openFindBar();
    m_find->focusFind();
}

void TOs2Form::showGoToLine()
{
    openFindBar();
    m_find->focusLineNumber();
}

void TOs2Form::findNext()
{
    // From another page, or with the bar closed, the bar opens first: the
    // line it leads to is shown where it can be seen.
    if (openFindBar() && m_find->matches().text().empty()) {
        m_find->focusFind();
        return;
    }
    m_find->findNext();
}

void TOs2Form::findPrevious()
{
    if (openFindBar() && m_find->matches().text().empty()) {
        m_find->focusFind();
        return;
    }
    m_find->findPrevious();
}

void TOs2Form::closeFind()
{
    if (m_find->isHidden())
        return;
    m_find->hide();
    m_closeFind->setEnabled(false);
    m_ui->ListBox->setGeometry(m_listPlace);
    // The selected line stays, and the list takes the focus with it.
    m_ui->ListBox->setFocus(Qt::OtherFocusReason);
    if (const int line = m_status->selectedLine(); line >= 0)
        m_ui->ListBox->scrollTo(m_document.index(line));
}
