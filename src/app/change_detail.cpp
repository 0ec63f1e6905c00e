// The whole of a line before and after a change.
#include "app/change_detail.h"

#include "platform/text8.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <climits>

namespace {

QLineEdit *field(const QString &name, const QString &accessibleName, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->setReadOnly(true);
    // A line may be longer than a line edit's usual limit; never cut it.
    edit->setMaxLength(INT_MAX);
    QFont unshaped = edit->font();
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    edit->setFont(unshaped);
    return edit;
}

void showIn(QLineEdit *edit, const std::optional<std::string> &bytes)
{
    edit->setText(bytes ? text8::toDisplay(*bytes) : QString());
    edit->setEnabled(bytes.has_value());
    // The start of the line, as the row shows it.
    edit->setCursorPosition(0);
}

} // namespace

ChangeDetail::ChangeDetail(const QString &name, QWidget *parent)
    : QWidget(parent)
    , m_before(field(name + QStringLiteral("Foer"), QCoreApplication::translate("ChangeDetail", "Linjen før"), this))
    , m_after(field(name + QStringLiteral("Naa"), QCoreApplication::translate("ChangeDetail", "Linjen nå"), this))
    , m_items(field(name + QStringLiteral("Elementer"), QCoreApplication::translate("ChangeDetail", "Elementer lagt til, fjernet eller flyttet"),
                    this))
{
    m_items->setToolTip(QCoreApplication::translate("ChangeDetail", "For LIBPATH, SET PATH og andre lister med «;»: elementene endringen legger "
                                       "til (+), fjerner (−) eller flytter (~), i listens rekkefølge"));
    auto *layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *beforeLabel = new QLabel(QCoreApplication::translate("ChangeDetail", "&Før:"), this);
    beforeLabel->setBuddy(m_before);
    auto *afterLabel = new QLabel(QCoreApplication::translate("ChangeDetail", "&Nå:"), this);
    afterLabel->setBuddy(m_after);
    auto *itemsLabel = new QLabel(QCoreApplication::translate("ChangeDetail", "&Elementer:"), this);
    itemsLabel->setBuddy(m_items);
    layout->addRow(beforeLabel, m_before);
    layout->addRow(afterLabel, m_after);
    layout->addRow(itemsLabel, m_items);
    setTabOrder(m_before, m_after);
    setTabOrder(m_after, m_items);
    clear();
}

void ChangeDetail::showTexts(const std::optional<std::string> &before, const std::optional<std::string> &after,
                             const listdiff::ListChanges *items)
{
    showIn(m_before, before);
    showIn(m_after, after);
    std::optional<listdiff::ListChanges> compared;
    if (!items && before && after) {
        compared = listdiff::compare(*before, *after);
        items = compared ? &*compared : nullptr;
    }
    m_items->setText(items ? listdiff::describe(*items) : QString());
    m_items->setEnabled(items != nullptr);
    m_items->setCursorPosition(0);
}

void ChangeDetail::clear()
{
    showTexts(std::nullopt, std::nullopt);
}
