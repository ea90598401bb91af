#ifndef KIN_WIDGETFINDPERIOD_H
#define KIN_WIDGETFINDPERIOD_H

#include "KIT_SafeObject.h"

#include <QLineEdit>
#include <QList>
#include <QString>

class KIN_PeriodFilterModel;
class QListView;
class QListWidget;
class QListWidgetItem;
class QModelIndex;

// The search field above the period list. While it holds text, a second view stands in for
// the list and shows only the entries whose title or details contain that text, ignoring
// case and accents; picking one there is picking it in the list. Enter or Down picks the
// first entry shown, Escape clears the field.
class KIN_WidgetFindPeriod : public QLineEdit, public KIT_SafeObject
{
    Q_OBJECT

public:
    KIN_WidgetFindPeriod(QListWidget* pQList, QWidget* pQParent);

    // The view of the matching entries, to place where the list is.
    QListView* GetResultsView() const { return m_pQResults; }
    // The list is about to be emptied and filled again.
    void BeginRefill();
    // Filters the refilled list.
    void ApplyFilter();
    // The entries shown now, in order: all of the list's when the field is empty.
    QList<QListWidgetItem*> ShownEntries() const;
    // The text folded for matching: accents dropped, case folded.
    static QString Folded(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* pQEvent) override;

private slots:
    void SlotFind_Filter_textChanged(const QString& text);
    void SlotFind_Result_clicked(const QModelIndex& index);
    void SlotFind_Result_currentChanged(const QModelIndex& current, const QModelIndex& previous);
    void SlotFind_List_currentItemChanged(QListWidgetItem* pQCurrent, QListWidgetItem* pQPrevious);

private:
    void Pick(QListWidgetItem* pQEntry);
    void PickFirstShown();

    QListWidget* m_pQList;
    QListView* m_pQResults;
    KIN_PeriodFilterModel* m_pFilter;
    // Set while a pick goes from one view to the other, so that it does not come back.
    bool m_bPicking = false;
};

#endif
