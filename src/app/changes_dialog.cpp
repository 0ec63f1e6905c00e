// "Endringer": every line that differs from the file as read.
#include "app/changes_dialog.h"

#include "app/change_detail.h"
#include "workspace/changes_model.h"
#include "workspace/document.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

ChangesDialog::ChangesDialog(const Document &document, QWidget *parent)
    : QDialog(parent)
    , m_doc(document)
    , m_model(new ChangesModel(document, this))
    , m_list(new QListView(this))
    , m_count(new QLabel(this))
    , m_revert(new QPushButton(QCoreApplication::translate("ChangesDialog", "&Angre endringen"), this))
    , m_detail(new ChangeDetail(QStringLiteral("Endring"), this))
{
    setObjectName(QStringLiteral("Endringer"));
    setWindowTitle(QCoreApplication::translate("ChangesDialog", "Endringer"));
    // The window's light look and font, whatever the desktop's.
    if (parent) {
        setPalette(parent->palette());
        setFont(parent->font());
    }

    m_count->setObjectName(QStringLiteral("EndringerTall"));
    m_count->setTextFormat(Qt::PlainText);
    m_count->setBuddy(m_list);

    m_list->setObjectName(QStringLiteral("EndringerListe"));
    m_list->setAccessibleName(QCoreApplication::translate("ChangesDialog", "Endringer"));
    m_list->setModel(m_model);
    m_list->setUniformItemSizes(true);
    // Latin text needs no shaping: each keystroke redraws a row, faster so.
    QFont unshaped = font();
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    m_list->setFont(unshaped);
    // A row holds the start of both texts (see changerow); should it still
    // not fit, its end goes. The fields below hold both whole.
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Enter, or a double click, leads to the line; the window stays open.
    connect(m_list, &QListView::activated, this, [this](const QModelIndex &index) {
        const LinePos line = m_model->lineAt(index.row());
        if (line != NoLine)
            emit lineChosen(line);
    });

    m_revert->setObjectName(QStringLiteral("AngreEndringKnapp"));
    m_revert->setAccessibleDescription(QCoreApplication::translate("ChangesDialog", "Setter linjen tilbake slik den var i filen som ble lest inn"));
    connect(m_revert, &QPushButton::clicked, this, [this] {
        const LinePos line = m_model->lineAt(m_list->currentIndex().row());
        if (line != NoLine && m_doc.isChanged(line))
            emit revertRequested(line);
    });

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_revert, QDialogButtonBox::ActionRole);
    QPushButton *close = buttons->addButton(QCoreApplication::translate("ChangesDialog", "Lukk"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter belongs to the list: no button takes it.
    for (QPushButton *b : {m_revert, close}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    connect(m_model, &QAbstractItemModel::rowsInserted, this, &ChangesDialog::showCount);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &ChangesDialog::showCount);
    // After "Hent", as when the view opens, the first row is the current one.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        showCount();
        m_list->setCurrentIndex(m_model->index(0));
    });
    connect(m_model, &QAbstractItemModel::dataChanged, this, &ChangesDialog::enableRevert);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &ChangesDialog::enableRevert);
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &first, const QModelIndex &last) {
                const int row = m_list->currentIndex().row();
                if (row >= first.row() && row <= last.row())
                    showDetail();
            });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &ChangesDialog::showDetail);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &ChangesDialog::showDetail);

    // The count changes with many a keystroke: at a fixed size, wide enough
    // for the longest count, a new text is only drawn, without a new layout
    // of the window.
    m_count->setText(changesSummary(static_cast<int>(MaxDocumentLines), static_cast<int>(MaxDocumentLines)));
    m_count->setFixedSize(m_count->sizeHint() + QSize(8, 0));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_count, 0, Qt::AlignLeft);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_detail);
    layout->addWidget(buttons);
    // From the list to the whole texts of its row, then the buttons.
    setTabOrder(m_list, m_detail->before());
    setTabOrder(m_detail->items(), m_revert);
    setTabOrder(m_revert, close);
    resize(620, 300);
    showCount();
    m_list->setCurrentIndex(m_model->index(0));
    showDetail();
    m_list->setFocus();
}

void ChangesDialog::showCount()
{
    // The current row is set only when the view opens and after a load: a row
    // that comes and goes with each keystroke is not selected anew each time.
    m_count->setText(changesSummary(m_doc.changedCount(), m_doc.addedCount()));
    enableRevert();
}

void ChangesDialog::enableRevert()
{
    const LinePos line = m_model->lineAt(m_list->currentIndex().row());
    m_revert->setEnabled(line != NoLine && m_doc.isChanged(line));
}

void ChangesDialog::showDetail()
{
    const LinePos line = m_model->lineAt(m_list->currentIndex().row());
    if (line == NoLine || !m_doc.isLine(line)) {
        m_detail->clear();
        return;
    }
    m_detail->showTexts(m_doc.isAdded(line) ? std::nullopt : std::optional<std::string>(m_doc.asRead().line(line)),
                        m_doc.line(line));
}
