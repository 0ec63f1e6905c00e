// The "Grensesnitt" page: SET AUTOSTART and SET RUNWORKPLACE.
#include "interface_page.h"

#include "ui_interface_page.h"

#include "text8.h"
#include "workspace.h"

#include <QMouseEvent>

#include <array>
#include <utility>

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
    m_ws.setEdit1ToLine(m_ws.regs.AutostartLine);
    m_ws.setLabel2(QString());
    m_ws.setLabel3(QString());
}

void InterfacePage::programsClick()
{
    std::string text = "SET AUTOSTART=";
    bool any = false;
    for (const auto &[box, keyword] : autostartItems()) {
        if (box->isChecked()) {
            text += keyword;
            text += ',';
            any = true;
        }
    }
    if (any)
        text.pop_back(); // the comma after the last item
    m_ws.writeStatement(m_ws.regs.AutostartLine, text);
}

void InterfacePage::runworkplaceClick()
{
    m_ws.makeCurrent(m_ws.regs.RunWorkplaceLine);
    m_ws.setLabel3(QStringLiteral("Oppgir grensesnittet som startes av OS/2"));
}
