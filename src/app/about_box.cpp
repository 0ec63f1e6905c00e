// "Om os2setup": the version and licence, where drive C: points, and the
// files that are read and written.
#include "app/about_box.h"

#include "app/version.h"
#include "workspace/file_gate.h"

#include <QCoreApplication>
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
    setWindowTitle(QCoreApplication::translate("AboutBox", "Om os2setup"));
    // The window's light look, whatever the desktop's.
    if (parent)
        setPalette(parent->palette());

    auto *title = new QLabel(QCoreApplication::translate("AboutBox", "OS/2 setup – rediger CONFIG.SYS for OS/2"), this);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    title->setFont(big);

    const DriveMap &drives = files.drives();
    const DriveMap::Origin origin = drives.origin(u'C');
    addRow(QCoreApplication::translate("AboutBox", "Versjon:"), QStringLiteral(OS2SETUP_VERSION));
    addRow(QCoreApplication::translate("AboutBox", "Lisens:"),
           QCoreApplication::translate("AboutBox", "GPL-3.0-or-later (GNU General Public License, versjon 3 eller senere)"));
    addRow(QCoreApplication::translate("AboutBox", "Stasjon C:"), origin == DriveMap::Origin::None
                                            ? originText(origin, u'C')
                                            : drives.drive(u'C') + QStringLiteral(" (") + originText(origin, u'C')
                                                  + u')');
    addStep(QString(), QCoreApplication::translate("AboutBox", "Velg OS/2-stasjonen…"), QStringLiteral("VelgStasjonKnapp"),
            QCoreApplication::translate("AboutBox", "Velger mappen eller partisjonen som er stasjon C:, og leser CONFIG.SYS derfra"),
            &AboutBox::driveChoiceRequested);
    addRow(QCoreApplication::translate("AboutBox", "Leser:"), files.ConfigFileName());
    addRow(QCoreApplication::translate("AboutBox", "Skriver:"), QCoreApplication::translate("AboutBox", "C:\\CONFIG.NEW med «Lagre»\n"
                                                      "C:\\STARTUP.CMD med knappene på «Oppstart»\n"
                                                      "C:\\AUTOEXEC.BAT og C:\\AUTOEXEC.BAK med knappene på «DOS»"));

    addStep(QCoreApplication::translate("AboutBox", "Vil den starte?"), QCoreApplication::translate("AboutBox", "Sjekk hele filen… (Ctrl+Shift+K)"),
            QStringLiteral("checkWholeFile"),
            QCoreApplication::translate("AboutBox", "Ser etter hver fil og mappe som de aktive linjene nevner, og viser det som mangler"),
            &AboutBox::checkRequested);
    addStep(QCoreApplication::translate("AboutBox", "Hva er endret?"), QCoreApplication::translate("AboutBox", "Endringer… (Ctrl+D)"), QStringLiteral("showChanges"),
            QCoreApplication::translate("AboutBox", "Viser hver linje som er endret eller lagt til siden filen ble lest inn"),
            &AboutBox::changesRequested);
    addStep(QCoreApplication::translate("AboutBox", "Angre en endring:"), QCoreApplication::translate("AboutBox", "Angre (Ctrl+Z)"), QStringLiteral("undoEdit"),
            QCoreApplication::translate("AboutBox", "Angrer den siste endringen av CONFIG.SYS, ett steg om gangen (Ctrl+Z)"),
            &AboutBox::undoRequested);
    addStep(QString(), QCoreApplication::translate("AboutBox", "Gjør om (Ctrl+Shift+Z, Ctrl+Y)"), QStringLiteral("redoEdit"),
            QCoreApplication::translate("AboutBox", "Gjør om det siste steget som ble angret (Ctrl+Shift+Z eller Ctrl+Y)"),
            &AboutBox::redoRequested);
    addStep(QCoreApplication::translate("AboutBox", "Finn:"), QCoreApplication::translate("AboutBox", "Finn i filen… (Ctrl+F)"), QStringLiteral("findInFile"),
            QCoreApplication::translate("AboutBox", "Finner tekst i linjene på «Fil» og merker hver linje som har den"),
            &AboutBox::findRequested);
    addRow(QCoreApplication::translate("AboutBox", "F3, Shift+F3:"), QCoreApplication::translate("AboutBox", "neste og forrige linje med teksten"));
    addStep(QString(), QCoreApplication::translate("AboutBox", "Gå til linje… (Ctrl+G)"), QStringLiteral("goToLineNumber"),
            QCoreApplication::translate("AboutBox", "Gjør linjen med nummeret du skriver, til gjeldende linje"), &AboutBox::goToLineRequested);
    addRow(QCoreApplication::translate("AboutBox", "Esc:"), QCoreApplication::translate("AboutBox", "lukker søket; den valgte linjen blir stående"));
    addStep(QCoreApplication::translate("AboutBox", "Oppstartsfilen:"), QCoreApplication::translate("AboutBox", "Ta i bruk CONFIG.NEW… (Ctrl+Shift+T)"),
            QStringLiteral("installNew"),
            QCoreApplication::translate("AboutBox", "Viser hva C:\\CONFIG.NEW endrer og om OS/2 vil starte med den, og legger den på plass "
                           "som C:\\CONFIG.SYS etter en kopi av den gamle"),
            &AboutBox::installRequested);
    addStep(QString(), QCoreApplication::translate("AboutBox", "Prøv ved neste oppstart…"), QStringLiteral("tryNew"),
            QCoreApplication::translate("AboutBox", "Legger C:\\CONFIG.NEW inn som en prøve i OS/2s Alt+F1-meny, så neste oppstart kan "
                           "starte med den én gang; C:\\CONFIG.SYS endres ikke"),
            &AboutBox::tryRequested);
    addStep(QString(), QCoreApplication::translate("AboutBox", "Gjenopprett CONFIG.SYS…"), QStringLiteral("restoreConfig"),
            QCoreApplication::translate("AboutBox", "Legger en tidligere CONFIG.SYS på plass igjen: CONFIG.nnn, en kopi fra os2setup, "
                           "OS/2s arkiv eller installasjon"),
            &AboutBox::restoreRequested);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setText(QCoreApplication::translate("AboutBox", "Lukk"));
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
        return QCoreApplication::translate("AboutBox", "valget --drive");
    case DriveMap::Origin::Variable:
        return QCoreApplication::translate("AboutBox", "miljøvariabelen %1").arg(DriveMap::variableFor(letter));
    case DriveMap::Origin::Remembered:
        return QCoreApplication::translate("AboutBox", "valgt i stasjonsvelgeren");
    case DriveMap::Origin::None:
        break;
    }
    return QCoreApplication::translate("AboutBox", "ikke koblet");
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
