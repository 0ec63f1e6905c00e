// "Om os2setup": the version and licence, where drive C: points, and the
// files that are read and written.
#include "app/about_box.h"

#include "app/version.h"
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
    auto *choose = new QPushButton(QStringLiteral("Velg OS/2-stasjonen…"), this);
    choose->setObjectName(QStringLiteral("VelgStasjonKnapp"));
    choose->setAccessibleDescription(
        QStringLiteral("Velger mappen eller partisjonen som er stasjon C:, og leser CONFIG.SYS derfra"));
    connect(choose, &QPushButton::clicked, this, [this] {
        accept();
        emit driveChoiceRequested();
    });
    m_rows->addRow(QString(), choose);
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
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setText(QStringLiteral("Lukk"));
    // The box opens with "Lukk" in focus and default: Enter closes it, and
    // another button is pressed only once Tab has moved there.
    close->setDefault(true);
    close->setFocus();
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
