// The drive chooser: asks at start which host folder is the OS/2 drive C:.
#include "app/drive_chooser.h"

#include "platform/drive_sources.h"
#include "workspace/light_look.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { FolderColumn, DeviceColumn, TypeColumn };

QString pickFolder(QWidget *parent, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Velg mappen som er stasjon C:"), start,
                                             QFileDialog::ShowDirsOnly);
}

} // namespace

DriveChooser::DriveChooser(const QList<MountEntry> &candidates, const QString &current, QWidget *parent)
    : QDialog(parent)
    , m_list(new QTreeWidget(this))
    , m_note(new QLabel(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
    , m_picker(pickFolder)
{
    setWindowTitle(QStringLiteral("Velg OS/2-stasjonen C:"));
    setObjectName(QStringLiteral("DriveChooser"));

    auto *intro = new QLabel(QStringLiteral("Hvilken mappe er OS/2-stasjonen C:? Programmet leser CONFIG.SYS "
                                            "derfra og lagrer CONFIG.NEW der. Valget huskes til neste gang."),
                             this);
    intro->setWordWrap(true);

    m_list->setObjectName(QStringLiteral("driveList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("Mappe"), QStringLiteral("Enhet"), QStringLiteral("Filsystem")});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(FolderColumn, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(DeviceColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(TypeColumn, QHeaderView::ResizeToContents);
    for (const MountEntry &mount : candidates)
        addFolder(mount.mountPoint, mount.device, mount.type);

    m_note->setObjectName(QStringLiteral("note"));
    m_buttons->setObjectName(QStringLiteral("buttons"));
    m_note->setWordWrap(true);

    auto *browseButton = new QPushButton(QStringLiteral("Bla gjennom…"), this);
    browseButton->setObjectName(QStringLiteral("browseButton"));
    m_buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list, 1);
    auto *browseRow = new QHBoxLayout;
    browseRow->addWidget(browseButton);
    browseRow->addWidget(m_note, 1);
    layout->addLayout(browseRow);
    layout->addWidget(m_buttons);
    resize(560, 300);

    connect(browseButton, &QPushButton::clicked, this, &DriveChooser::browse);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &DriveChooser::selectionChanged);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    // The folder C: has now comes first selected; else the first mount found.
    QTreeWidgetItem *selected = m_list->topLevelItemCount() > 0 ? m_list->topLevelItem(0) : nullptr;
    if (!current.isEmpty())
        selected = itemFor(current, QStringLiteral("(nå valgt)"));
    if (selected)
        m_list->setCurrentItem(selected);
    selectionChanged();
}

QString DriveChooser::folder() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(FolderColumn);
}

void DriveChooser::browse()
{
    QString start = folder();
    if (start.isEmpty())
        start = QDir::homePath();
    const QString picked = m_picker(this, start);
    if (picked.isEmpty())
        return;
    m_list->setCurrentItem(itemFor(QDir::cleanPath(picked), QString()));
}

QTreeWidgetItem *DriveChooser::addFolder(const QString &folder, const QString &device, const QString &type)
{
    auto *item = new QTreeWidgetItem(m_list, {folder, device, type});
    item->setToolTip(FolderColumn, folder);
    return item;
}

QTreeWidgetItem *DriveChooser::itemFor(const QString &folder, const QString &device)
{
    const QList<QTreeWidgetItem *> same = m_list->findItems(folder, Qt::MatchExactly, FolderColumn);
    return same.isEmpty() ? addFolder(folder, device, QString()) : same.first();
}

void DriveChooser::selectionChanged()
{
    const QString chosen = folder();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!chosen.isEmpty());
    if (m_list->topLevelItemCount() == 0)
        m_note->setText(QStringLiteral("Fant ikke noe montert filsystem med CONFIG.SYS og mappen OS2 øverst. "
                                       "Monter OS/2-partisjonen, eller velg mappen med «Bla gjennom…»."));
    else if (!chosen.isEmpty() && !looksLikeOs2BootDrive(chosen))
        m_note->setText(QStringLiteral("%1 har ikke både CONFIG.SYS og mappen OS2.").arg(chosen));
    else
        m_note->clear();
}

bool isRealDisplay(const QString &platformName)
{
    return platformName != QStringLiteral("offscreen") && !platformName.startsWith(QStringLiteral("minimal"));
}

bool wantsDriveChooser(const DriveMap &drives, const QString &configFile, bool forced)
{
#ifdef Q_OS_WIN
    // Paths are used as they are there.
    Q_UNUSED(drives);
    Q_UNUSED(configFile);
    Q_UNUSED(forced);
    return false;
#else
    if (forced)
        return true;
    const bool onC = configFile.size() >= 2 && configFile.at(1) == u':' && configFile.at(0).toUpper() == u'C';
    if (!onC)
        return false;
    switch (drives.origin(u'C')) {
    case DriveMap::Origin::None:
        return true;
    case DriveMap::Origin::Remembered:
        // The folder chosen last time is gone (a removed mount point, say).
        return !QFileInfo(drives.drive(u'C')).isDir();
    default:
        return false;
    }
#endif
}

void chooseDriveAtStart(DriveMap &drives, const QString &configFile, bool forced, QSettings &settings)
{
    if (!isRealDisplay(QGuiApplication::platformName()) || !wantsDriveChooser(drives, configFile, forced))
        return;
    DriveChooser chooser(os2DriveCandidates(systemMounts()), drives.drive(u'C'));
    // Opened before the window, it takes the window's light look itself.
    chooser.setPalette(lightPalette());
    if (chooser.exec() != QDialog::Accepted || chooser.folder().isEmpty())
        return;
    drives.setDrive(u'C', chooser.folder(), DriveMap::Origin::Remembered);
    rememberDriveC(settings, chooser.folder());
}
