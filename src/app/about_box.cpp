// "Om os2setup": the version and licence, where drive C: points, and the
// files that are read and written.
#include "app/about_box.h"

#include "app/version.h"
#include "workspace/file_gate.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(const FileGate &files, QWidget *parent)
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

    const DriveMap &drives = files.drives();
    const DriveMap::Origin origin = drives.origin(u'C');
    addRow(QStringLiteral("Versjon:"), QStringLiteral(OS2SETUP_VERSION));
    addRow(QStringLiteral("Lisens:"),
           QStringLiteral("GPL-3.0-or-later (GNU General Public License, versjon 3 eller senere)"));
    addRow(QStringLiteral("Stasjon C:"), origin == DriveMap::Origin::None
                                            ? originText(origin, u'C')
                                            : drives.drive(u'C') + QStringLiteral(" (") + originText(origin, u'C')
                                                  + u')');
    addStep(QString(), QStringLiteral("Velg OS/2-stasjonen…"), QStringLiteral("VelgStasjonKnapp"),
            QStringLiteral("Velger mappen eller partisjonen som er stasjon C:, og leser CONFIG.SYS derfra"),
            &AboutBox::driveChoiceRequested);
    addRow(QStringLiteral("Leser:"), files.ConfigFileName());
    addRow(QStringLiteral("Skriver:"), QStringLiteral("C:\\CONFIG.NEW med «Lagre»\n"
                                                      "C:\\STARTUP.CMD med knappene på «Oppstart»\n"
                                                      "C:\\AUTOEXEC.BAT og C:\\AUTOEXEC.BAK med knappene på «DOS»"));

    addStep(QStringLiteral("Vil den starte?"), QStringLiteral("Sjekk hele filen… (Ctrl+Shift+K)"),
            QStringLiteral("checkWholeFile"),
            QStringLiteral("Ser etter hver fil og mappe som de aktive linjene nevner, og viser det som mangler"),
            &AboutBox::checkRequested);
    addStep(QStringLiteral("Hva er endret?"), QStringLiteral("Endringer… (Ctrl+D)"), QStringLiteral("showChanges"),
            QStringLiteral("Viser hver linje som er endret eller lagt til siden filen ble lest inn"),
            &AboutBox::changesRequested);
    addStep(QStringLiteral("Angre en endring:"), QStringLiteral("Angre (Ctrl+Z)"), QStringLiteral("undoEdit"),
            QStringLiteral("Angrer den siste endringen av CONFIG.SYS, ett steg om gangen (Ctrl+Z)"),
            &AboutBox::undoRequested);
    addStep(QString(), QStringLiteral("Gjør om (Ctrl+Shift+Z, Ctrl+Y)"), QStringLiteral("redoEdit"),
            QStringLiteral("Gjør om det siste steget som ble angret (Ctrl+Shift+Z eller Ctrl+Y)"),
            &AboutBox::redoRequested);
    addStep(QStringLiteral("Finn:"), QStringLiteral("Finn i filen… (Ctrl+F)"), QStringLiteral("findInFile"),
            QStringLiteral("Finner tekst i linjene på «Fil» og merker hver linje som har den"),
            &AboutBox::findRequested);
    addRow(QStringLiteral("F3, Shift+F3:"), QStringLiteral("neste og forrige linje med teksten"));
    addStep(QString(), QStringLiteral("Gå til linje… (Ctrl+G)"), QStringLiteral("goToLineNumber"),
            QStringLiteral("Gjør linjen med nummeret du skriver, til gjeldende linje"), &AboutBox::goToLineRequested);
    addRow(QStringLiteral("Esc:"), QStringLiteral("lukker søket; den valgte linjen blir stående"));
    addStep(QStringLiteral("Oppstartsfilen:"), QStringLiteral("Ta i bruk CONFIG.NEW… (Ctrl+Shift+T)"),
            QStringLiteral("installNew"),
            QStringLiteral("Viser hva C:\\CONFIG.NEW endrer og om OS/2 vil starte med den, og legger den på plass "
                           "som C:\\CONFIG.SYS etter en kopi av den gamle"),
            &AboutBox::installRequested);
    addStep(QString(), QStringLiteral("Prøv ved neste oppstart…"), QStringLiteral("tryNew"),
            QStringLiteral("Legger C:\\CONFIG.NEW inn som en prøve i OS/2s Alt+F1-meny, så neste oppstart kan "
                           "starte med den én gang; C:\\CONFIG.SYS endres ikke"),
            &AboutBox::tryRequested);
    addStep(QString(), QStringLiteral("Gjenopprett CONFIG.SYS…"), QStringLiteral("restoreConfig"),
            QStringLiteral("Legger en tidligere CONFIG.SYS på plass igjen: CONFIG.nnn, en kopi fra os2setup, "
                           "OS/2s arkiv eller installasjon"),
            &AboutBox::restoreRequested);

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

void AboutBox::setUndoState(bool canUndo, bool canRedo)
{
    findChild<QPushButton *>(QStringLiteral("undoEdit"))->setEnabled(canUndo);
    findChild<QPushButton *>(QStringLiteral("redoEdit"))->setEnabled(canRedo);
}

void AboutBox::addStep(const QString &caption, const QString &text, const QString &name,
                       const QString &description, void (AboutBox::*request)())
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAccessibleDescription(description);
    button->setToolTip(description);
    connect(button, &QPushButton::clicked, this, [this, request] {
        accept();
        emit(this->*request)();
    });
    m_rows->addRow(caption, button);
}

void AboutBox::addRow(const QString &caption, const QString &value)
{
    auto *field = new QLabel(value, this);
    field->setTextFormat(Qt::PlainText);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_rows->addRow(caption, field);
}
