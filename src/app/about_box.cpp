// "Om os2setup": the version and licence, where drive C: points, and the
// files that are read and written.
#include "app/about_box.h"

#include "workspace/workspace.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(const Workspace &ws, QWidget *parent)
    : QDialog(parent)
    , m_rows(new QFormLayout)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Om os2setup"));
    // The window's light look, whatever the desktop's.
    if (parent)
        setPalette(parent->palette());

    auto *title = new QLabel(QStringLiteral("OS/2 setup – rediger CONFIG.SYS for OS/2"), this);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    title->setFont(big);

    const DriveMap &drives = ws.drives();
    const DriveMap::Origin origin = drives.origin(u'C');
    addRow(QStringLiteral("Versjon:"), QStringLiteral(OS2SETUP_VERSION));
    addRow(QStringLiteral("Lisens:"),
           QStringLiteral("GPL-3.0-or-later (GNU General Public License, versjon 3 eller senere)"));
    addRow(QStringLiteral("Stasjon C:"), origin == DriveMap::Origin::None
                                            ? originText(origin, u'C')
                                            : drives.drive(u'C') + QStringLiteral(" (") + originText(origin, u'C')
                                                  + u')');
    addRow(QStringLiteral("Leser:"), ws.ConfigFileName());
    addRow(QStringLiteral("Skriver:"), QStringLiteral("C:\\CONFIG.NEW med «Lagre»\n"
                                                      "C:\\STARTUP.CMD med knappene på «Oppstart»\n"
                                                      "C:\\AUTOEXEC.BAT og C:\\AUTOEXEC.BAK med knappene på «DOS»"));

    auto *check = new QPushButton(QStringLiteral("Sjekk hele filen… (Ctrl+Shift+K)"), this);
    check->setObjectName(QStringLiteral("checkWholeFile"));
    check->setAccessibleDescription(
        QStringLiteral("Ser etter hver fil og mappe som de aktive linjene nevner, og viser det som mangler"));
    connect(check, &QPushButton::clicked, this, [this] {
        accept();
        emit checkRequested();
    });
    m_rows->addRow(QStringLiteral("Vil den starte?"), check);

    auto *changes = new QPushButton(QStringLiteral("Endringer… (Ctrl+D)"), this);
    changes->setObjectName(QStringLiteral("showChanges"));
    changes->setAccessibleDescription(
        QStringLiteral("Viser hver linje som er endret eller lagt til siden filen ble lest inn"));
    connect(changes, &QPushButton::clicked, this, [this] {
        accept();
        emit changesRequested();
    });
    m_rows->addRow(QStringLiteral("Hva er endret?"), changes);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Lukk"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(m_rows);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutBox::originText(DriveMap::Origin origin, QChar letter)
{
    switch (origin) {
    case DriveMap::Origin::Option:
        return QStringLiteral("valget --drive");
    case DriveMap::Origin::Variable:
        return QStringLiteral("miljøvariabelen ") + DriveMap::variableFor(letter);
    case DriveMap::Origin::Remembered:
        return QStringLiteral("valgt i stasjonsvelgeren");
    case DriveMap::Origin::None:
        break;
    }
    return QStringLiteral("ikke koblet");
}

void AboutBox::addRow(const QString &caption, const QString &value)
{
    auto *field = new QLabel(value, this);
    field->setTextFormat(Qt::PlainText);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_rows->addRow(caption, field);
}
