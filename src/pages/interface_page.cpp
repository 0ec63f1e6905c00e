// The "Grensesnitt" page: SET AUTOSTART and SET RUNWORKPLACE.
#include "pages/interface_page.h"

#include "ui_interface_page.h"

#include "platform/text8.h"
#include "workspace/workspace.h"

#include <QMouseEvent>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace {
constexpr std::string_view kAutostartKey = "SET AUTOSTART=";
}

InterfacePage::InterfacePage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::InterfacePage>())
{
    ui->setupUi(this);
    for (QCheckBox *box : {ui->programs, ui->folders, ui->Connections, ui->WarpCenter, ui->tasklist})
        connect(box, &QCheckBox::toggled, this, [this] { programsClick(); });
    ui->runworkplace->installEventFilter(this);
}

InterfacePage::~InterfacePage() = default;

bool InterfacePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->runworkplace && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        runworkplaceClick();
    return QWidget::eventFilter(watched, event);
}

std::array<std::pair<QCheckBox *, const char *>, 5> InterfacePage::autostartItems() const
{
    return {{
        {ui->programs, "PROGRAMS"},
        {ui->tasklist, "TASKLIST"},
        {ui->folders, "FOLDERS"},
        {ui->Connections, "CONNECTIONS"},
        {ui->WarpCenter, "WARPCENTER"},
    }};
}

void InterfacePage::setAutostart(const std::string &value)
{
    // Each box that changes rewrites the line from the boxes as they stand then.
    for (const auto &[box, keyword] : autostartItems())
        box->setChecked(value.find(keyword) != std::string::npos);
}

void InterfacePage::setRunWorkplace(const std::string &value)
{
    ui->runworkplace->setText(text8::toDisplay(value));
}

void InterfacePage::refresh()
{
    m_ws.showLineInEditLine(m_ws.registers().AutostartLine);
    m_ws.showMessage(QString());
    m_ws.showHint(QString());
}

void InterfacePage::programsClick()
{
    const auto items = autostartItems();
    std::vector<std::string> keywords;
    for (const auto &[box, keyword] : items)
        if (box->isChecked())
            keywords.emplace_back(keyword);
    // Keywords that no box stands for (LAUNCHPAD, say) stay, after the boxes'
    // ones, in their order and as written.
    const LinePos line = m_ws.lineOf(m_ws.registers().AutostartLine);
    if (line != NoLine && text8::startsWithUpper(m_ws.document().line(line), kAutostartKey)) {
        const std::string &current = m_ws.document().line(line);
        std::size_t start = kAutostartKey.size();
        while (start <= current.size()) {
            std::size_t end = current.find(',', start);
            if (end == std::string::npos)
                end = current.size();
            const std::string keyword = current.substr(start, end - start);
            if (!isManaged(keyword))
                keywords.push_back(keyword);
            start = end + 1;
        }
    }
    std::string text(kAutostartKey);
    for (std::size_t i = 0; i < keywords.size(); ++i) {
        if (i > 0)
            text += ',';
        text += keywords[i];
    }
    m_ws.writeStatement(m_ws.registers().AutostartLine, text);
}

bool InterfacePage::isManaged(const std::string &keyword) const
{
    // Blanks around a keyword and its letter case aside; an empty one is no keyword.
    const std::size_t first = keyword.find_first_not_of(' ');
    if (first == std::string::npos)
        return true;
    const std::string bare = text8::upper(keyword.substr(first, keyword.find_last_not_of(' ') - first + 1));
    for (const auto &[box, name] : autostartItems())
        if (bare == name)
            return true;
    return false;
}

void InterfacePage::runworkplaceClick()
{
    m_ws.makeCurrent(m_ws.registers().RunWorkplaceLine);
    m_ws.showHint(QStringLiteral("Oppgir grensesnittet som startes av OS/2"));
}
