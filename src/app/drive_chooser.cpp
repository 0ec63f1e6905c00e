// The drive chooser: asks which host folder is the OS/2 drive C:, and mounts
// an OS/2 partition that is not mounted yet.
#include "app/drive_chooser.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { FolderColumn, DeviceColumn, LabelColumn, SizeColumn, TypeColumn };
// A row's folder (empty while its partition is not mounted), and its
// partition's place in the list of partitions (-1: none).
constexpr int FolderRole = Qt::UserRole;
constexpr int PartitionRole = Qt::UserRole + 1;

QString pickFolder(QWidget *parent, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, QCoreApplication::translate("DriveChooser", "Velg mappen som er stasjon C:"), start,
                                             QFileDialog::ShowDirsOnly);
}

QString sizeText(quint64 bytes)
{
    return QLocale(QLocale::NorwegianBokmal, QLocale::Norway)
        .formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeSIFormat);
}

} // namespace

// Outside any namespace, as the resource's own function is.
static void initResources()
{
    // The icon lives in the library; a static library's resources need a nudge.
    Q_INIT_RESOURCE(os2setup);
}

DriveChooser::DriveChooser(const QList<MountEntry> &candidates, const QString &current, QWidget *parent)
    : QDialog(parent)
    , m_reason(new QLabel(this))
    , m_list(new QTreeWidget(this))
    , m_browse(new QPushButton(QCoreApplication::translate("DriveChooser", "Bla gjennom…"), this))
    , m_note(new QLabel(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
    , m_picker(pickFolder)
{
    initResources();
    setWindowTitle(QCoreApplication::translate("DriveChooser", "Velg OS/2-stasjonen C:"));
    setWindowIcon(QIcon(QStringLiteral(":/os2setup.png")));
    setObjectName(QStringLiteral("DriveChooser"));

    auto *intro = new QLabel(QCoreApplication::translate("DriveChooser", "Hvilken mappe er OS/2-stasjonen C:? Programmet leser CONFIG.SYS "
                                            "derfra og lagrer CONFIG.NEW der. Valget huskes til neste gang."),
                             this);
    intro->setWordWrap(true);
    m_reason->setObjectName(QStringLiteral("reason"));
    m_reason->setWordWrap(true);
    m_reason->setTextFormat(Qt::PlainText);
    QFont bold = m_reason->font();
    bold.setBold(true);
    m_reason->setFont(bold);
    m_reason->hide();

    m_list->setObjectName(QStringLiteral("driveList"));
    m_list->setAccessibleName(QCoreApplication::translate("DriveChooser", "OS/2-stasjoner"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QCoreApplication::translate("DriveChooser", "Mappe"), QCoreApplication::translate("DriveChooser", "Enhet"), QCoreApplication::translate("DriveChooser", "Navn"),
                             QCoreApplication::translate("DriveChooser", "Størrelse"), QCoreApplication::translate("DriveChooser", "Filsystem")});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(FolderColumn, QHeaderView::Stretch);
    if (!current.isEmpty()) {
        MountEntry same{QString(), current, QString()};
        for (const MountEntry &mount : candidates)
            if (mount.mountPoint == current)
                same = mount;
        addFolder(current, same.device, same.type)->setText(FolderColumn, current + QCoreApplication::translate("DriveChooser", " (nå valgt)"));
    }
    for (const MountEntry &mount : candidates)
        if (mount.mountPoint != current)
            addFolder(mount.mountPoint, mount.device, mount.type);

    m_note->setObjectName(QStringLiteral("note"));
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_buttons->setObjectName(QStringLiteral("buttons"));
    m_browse->setObjectName(QStringLiteral("browseButton"));
    // Enter after "Bla gjennom…" presses OK, not the folder dialog once more.
    m_browse->setAutoDefault(false);
    QPushButton *ok = m_buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("DriveChooser", "Avbryt"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_reason);
    layout->addWidget(m_list, 1);
    auto *browseRow = new QHBoxLayout;
    browseRow->addWidget(m_browse, 0, Qt::AlignTop);
    browseRow->addWidget(m_note, 1);
    layout->addLayout(browseRow);
    layout->addWidget(m_buttons);
    resize(640, 320);
    // Tab goes as the eye does: the list, "Bla gjennom…", OK, Avbryt.
    setTabOrder(m_list, m_browse);
    setTabOrder(m_browse, ok);
    setTabOrder(ok, m_buttons->button(QDialogButtonBox::Cancel));
    m_list->setFocus();

    connect(m_browse, &QPushButton::clicked, this, &DriveChooser::browse);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &DriveChooser::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] {
        m_mountError.clear();
        selectionChanged();
    });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &DriveChooser::accept);

    // The first row is selected: the folder C: has now, else the first mount found.
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    selectionChanged();
}

void DriveChooser::offerPartitions(UDisks *udisks)
{
    m_udisks = udisks;
    m_partitions = udisks->partitions();
    m_problem = udisks->problem();
    for (qsizetype i = 0; i < m_partitions.size(); ++i) {
        const Partition &p = m_partitions[i];
        QTreeWidgetItem *item = nullptr;
        if (!p.isMounted()) {
            item = addFolder(QString(), p.device, p.type);
        } else {
            // A mounted one is offered already when it looks like an OS/2 boot drive.
            for (int row = 0; row < m_list->topLevelItemCount(); ++row)
                if (p.mountPoints.contains(m_list->topLevelItem(row)->data(FolderColumn, FolderRole).toString()))
                    item = m_list->topLevelItem(row);
            if (!item && looksLikeOs2BootDrive(p.mountPoints.first()))
                item = addFolder(p.mountPoints.first(), p.device, p.type);
        }
        if (item) {
            item->setData(FolderColumn, PartitionRole, static_cast<int>(i));
            showPartition(item, p);
        }
    }
    if (!m_list->currentItem() && m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    selectionChanged();
}

void DriveChooser::setReason(const QString &reason)
{
    m_reason->setText(reason);
    m_reason->setVisible(!reason.isEmpty());
}

QString DriveChooser::folder() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? item->data(FolderColumn, FolderRole).toString() : QString();
}

QString DriveChooser::partitionUuid() const
{
    const Partition *p = selectedPartition();
    return p ? p->uuid : QString();
}

void DriveChooser::browse()
{
    QString start = folder();
    if (start.isEmpty())
        start = QDir::homePath();
    const QString picked = m_picker(this, start);
    if (picked.isEmpty())
        return;
    m_list->setCurrentItem(itemFor(QDir::cleanPath(picked)));
    m_list->setFocus();
}

void DriveChooser::accept()
{
    const Partition *p = selectedPartition();
    QTreeWidgetItem *item = m_list->currentItem();
    if (!p || !folder().isEmpty() || !m_udisks) {
        if (!folder().isEmpty())
            QDialog::accept();
        return;
    }
    m_mountError.clear();
    setBusy(true);
    m_note->setText(QCoreApplication::translate("DriveChooser", "Monterer %1 …").arg(p->device));
    m_udisks->mountLater(*p, this, [this, item](const MountResult &result) { mounted(item, result); });
}

void DriveChooser::mounted(QTreeWidgetItem *item, const MountResult &result)
{
    setBusy(false);
    m_list->setCurrentItem(item);
    const int index = item->data(FolderColumn, PartitionRole).toInt();
    if (!result.error.isEmpty()) {
        m_mountError = result.error;
    } else {
        m_partitions[index].mountPoints = {result.mountPoint};
        showPartition(item, m_partitions[index]);
    }
    selectionChanged();
    // Mounted and an OS/2 boot drive: that was the choice. Otherwise the note
    // tells what is wrong, and a second OK takes the folder all the same.
    if (result.error.isEmpty() && looksLikeOs2BootDrive(result.mountPoint))
        QDialog::accept();
}

QTreeWidgetItem *DriveChooser::addFolder(const QString &folder, const QString &device, const QString &type)
{
    auto *item = new QTreeWidgetItem(m_list, {folder, device, QString(), QString(), type});
    item->setData(FolderColumn, FolderRole, folder);
    item->setData(FolderColumn, PartitionRole, -1);
    item->setToolTip(FolderColumn, folder);
    return item;
}

QTreeWidgetItem *DriveChooser::itemFor(const QString &folder)
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->data(FolderColumn, FolderRole).toString() == folder)
            return m_list->topLevelItem(i);
    return addFolder(folder, QString(), QString());
}

void DriveChooser::showPartition(QTreeWidgetItem *item, const Partition &partition)
{
    const QString folder = partition.isMounted() ? partition.mountPoints.first() : QString();
    item->setData(FolderColumn, FolderRole, folder);
    item->setText(FolderColumn, partition.isMounted() ? folder : QCoreApplication::translate("DriveChooser", "ikke montert"));
    QFont font = m_list->font();
    font.setItalic(!partition.isMounted());
    item->setFont(FolderColumn, font);
    item->setToolTip(FolderColumn, partition.isMounted() ? folder : QCoreApplication::translate("DriveChooser", "«OK» monterer den"));
    item->setText(DeviceColumn, partition.device);
    item->setText(LabelColumn, partition.label);
    item->setText(SizeColumn, sizeText(partition.size));
    item->setText(TypeColumn, partition.type);
}

const Partition *DriveChooser::selectedPartition() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    if (!item || !item->isSelected())
        return nullptr;
    const int index = item->data(FolderColumn, PartitionRole).toInt();
    return index >= 0 && index < m_partitions.size() ? &m_partitions[index] : nullptr;
}

void DriveChooser::setBusy(bool busy)
{
    m_list->setEnabled(!busy);
    m_browse->setEnabled(!busy);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!busy);
}

void DriveChooser::selectionChanged()
{
    const QString chosen = folder();
    const Partition *partition = selectedPartition();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!chosen.isEmpty() || (partition && m_udisks));
    QStringList note;
    if (!m_mountError.isEmpty())
        note << m_mountError;
    if (m_list->topLevelItemCount() == 0)
        note << QCoreApplication::translate("DriveChooser", "Fant ikke noe montert filsystem med CONFIG.SYS og mappen OS2 øverst. "
                               "Monter OS/2-partisjonen, eller velg mappen med «Bla gjennom…».");
    else if (!chosen.isEmpty() && !looksLikeOs2BootDrive(chosen))
        note << QCoreApplication::translate("DriveChooser", "%1 har ikke både CONFIG.SYS og mappen OS2.").arg(chosen);
    else if (partition && chosen.isEmpty() && m_mountError.isEmpty())
        note << QCoreApplication::translate("DriveChooser", "«OK» monterer %1 og ser etter CONFIG.SYS der.").arg(partition->device);
    if (!m_problem.isEmpty())
        note << QCoreApplication::translate("DriveChooser", "Kan ikke montere partisjoner herfra: %1.").arg(m_problem);
    m_note->setText(note.join(u'\n'));
}

bool isRealDisplay(const QString &platformName)
{
    return platformName != QStringLiteral("offscreen") && !platformName.startsWith(QStringLiteral("minimal"));
}
