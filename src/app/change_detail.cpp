// The whole of a line before and after a change.
#include "app/change_detail.h"

#include "platform/text8.h"

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
    , m_before(field(name + QStringLiteral("Foer"), QStringLiteral("Linjen før"), this))
    , m_after(field(name + QStringLiteral("Naa"), QStringLiteral("Linjen nå"), this))
{
    auto *layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *beforeLabel = new QLabel(QStringLiteral("&Før:"), this);
    beforeLabel->setBuddy(m_before);
    auto *afterLabel = new QLabel(QStringLiteral("&Nå:"), this);
    afterLabel->setBuddy(m_after);
    layout->addRow(beforeLabel, m_before);
    layout->addRow(afterLabel, m_after);
    setTabOrder(m_before, m_after);
    clear();
}

void ChangeDetail::showTexts(const std::optional<std::string> &before, const std::optional<std::string> &after)
{
    showIn(m_before, before);
    showIn(m_after, after);
}

void ChangeDetail::clear()
{
    showTexts(std::nullopt, std::nullopt);
}
