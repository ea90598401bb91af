#include "KIN_WidgetFindPeriod.h"

#include "KIN_PeriodFilterModel.h"
#include "KIN_Texts.h"
#include "KIT_QtText.h"

#include <QKeyEvent>
#include <QListView>
#include <QListWidget>

#include <utility>

KIN_WidgetFindPeriod::KIN_WidgetFindPeriod(QListWidget* pQList, QWidget* pQParent)
    : QLineEdit(pQParent), KIT_SafeObject("KIN_WidgetFindPeriod"), m_pQList(pQList),
      m_pQResults(new QListView(pQParent)), m_pFilter(new KIN_PeriodFilterModel(pQList, this))
{
    setPlaceholderText(KIT_ToQString(KIN_TextOf(KIN_Text::PlaceholderFindPeriod)));
    setClearButtonEnabled(true);
    m_pQResults->setModel(m_pFilter);
    m_pQResults->setUniformItemSizes(true);
    m_pQResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pQResults->hide();
    connect(this, &QLineEdit::textChanged, this,
            &KIN_WidgetFindPeriod::SlotFind_Filter_textChanged);
    connect(m_pQResults, &QListView::clicked, this, &KIN_WidgetFindPeriod::SlotFind_Result_clicked);
    connect(m_pQResults->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &KIN_WidgetFindPeriod::SlotFind_Result_currentChanged);
    connect(m_pQList, &QListWidget::currentItemChanged, this,
            &KIN_WidgetFindPeriod::SlotFind_List_currentItemChanged);
}

QString KIN_WidgetFindPeriod::Folded(const QString& text)
{
    bool bAscii = true;
    for (const QChar character : text)
        bAscii = bAscii && character.unicode() < 128;
    if (bAscii) // most names: no accent to drop
        return text.toLower();
    QString folded;
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    folded.reserve(decomposed.size());
    for (const QChar character : decomposed)
        if (character.category() != QChar::Mark_NonSpacing)
            folded.append(character);
    return folded.toCaseFolded();
}

void KIN_WidgetFindPeriod::BeginRefill()
{
    // Detached, the filter does not follow each entry the refill removes and adds.
    m_pFilter->setSourceModel(nullptr);
}

void KIN_WidgetFindPeriod::ApplyFilter()
{
    const QString needle = Folded(text().trimmed());
    if (needle.isEmpty())
    {
        m_pFilter->setSourceModel(nullptr);
        m_pQResults->hide();
        m_pQList->show();
        return;
    }
    // The needle first: attaching the list filters it once, with the right needle.
    m_pFilter->SetNeedle(needle);
    if (m_pFilter->sourceModel() != m_pQList->model())
        m_pFilter->setSourceModel(m_pQList->model());
    const bool bPicking = std::exchange(m_bPicking, true);
    m_pQResults->setCurrentIndex(m_pFilter->mapFromSource(m_pQList->currentIndex()));
    m_bPicking = bPicking;
    m_pQList->hide();
    m_pQResults->show();
}

QList<QListWidgetItem*> KIN_WidgetFindPeriod::ShownEntries() const
{
    QList<QListWidgetItem*> entries;
    if (m_pFilter->sourceModel())
    {
        for (int nRow = 0; nRow < m_pFilter->rowCount(); ++nRow)
            entries << m_pFilter->EntryAt(m_pFilter->index(nRow, 0));
        return entries;
    }
    for (int nRow = 0; nRow < m_pQList->count(); ++nRow)
        entries << m_pQList->item(nRow);
    return entries;
}

void KIN_WidgetFindPeriod::SlotFind_Filter_textChanged(const QString&)
{
    ApplyFilter();
}

void KIN_WidgetFindPeriod::SlotFind_Result_clicked(const QModelIndex& index)
{
    Pick(m_pFilter->EntryAt(index));
}

void KIN_WidgetFindPeriod::SlotFind_Result_currentChanged(const QModelIndex& current,
                                                          const QModelIndex&)
{
    if (!m_bPicking)
        Pick(m_pFilter->EntryAt(current));
}

void KIN_WidgetFindPeriod::SlotFind_List_currentItemChanged(QListWidgetItem* pQCurrent,
                                                            QListWidgetItem*)
{
    // A period selected on the diagram is current here too when the filter shows it.
    if (m_bPicking || !m_pFilter->sourceModel() || !pQCurrent)
        return;
    m_bPicking = true;
    m_pQResults->setCurrentIndex(m_pFilter->mapFromSource(m_pQList->indexFromItem(pQCurrent)));
    m_bPicking = false;
}

void KIN_WidgetFindPeriod::keyPressEvent(QKeyEvent* pQEvent)
{
    switch (pQEvent->key())
    {
    case Qt::Key_Escape:
        clear();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        PickFirstShown();
        return;
    default:
        QLineEdit::keyPressEvent(pQEvent);
    }
}

void KIN_WidgetFindPeriod::Pick(QListWidgetItem* pQEntry)
{
    if (!pQEntry)
        return;
    m_bPicking = true;
    // As a click in the list, which selects the period on the diagram even when its entry
    // is current already.
    m_pQList->setCurrentItem(pQEntry);
    emit m_pQList->itemClicked(pQEntry);
    if (m_pFilter->sourceModel())
    {
        m_pQResults->setCurrentIndex(m_pFilter->mapFromSource(m_pQList->indexFromItem(pQEntry)));
        m_pQResults->scrollTo(m_pQResults->currentIndex());
    }
    m_bPicking = false;
}

void KIN_WidgetFindPeriod::PickFirstShown()
{
    const QList<QListWidgetItem*> entries = ShownEntries();
    if (entries.isEmpty())
        return;
    Pick(entries.front());
    QWidget* pQShown = m_pFilter->sourceModel() ? static_cast<QWidget*>(m_pQResults) : m_pQList;
    pQShown->setFocus(Qt::ShortcutFocusReason);
}
