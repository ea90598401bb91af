#ifndef KIN_PERIODFILTERMODEL_H
#define KIN_PERIODFILTERMODEL_H

#include "KIT_SafeObject.h"

#include <QSortFilterProxyModel>
#include <QString>

class QListWidget;
class QListWidgetItem;

// The period list's entries whose title or details contain a folded text, in list order.
// Hiding rows of the list itself costs a persistent index per hidden row: filtering a copy
// of the rows keeps a keystroke on 100,000 entries within a few frames.
class KIN_PeriodFilterModel : public QSortFilterProxyModel, public KIT_SafeObject
{
public:
    KIN_PeriodFilterModel(const QListWidget* pQList, QObject* pQParent);

    // Shows the entries matching the folded needle.
    void SetNeedle(const QString& needle);
    // The list entry shown at a row of this model, or null.
    QListWidgetItem* EntryAt(const QModelIndex& index) const;

protected:
    bool filterAcceptsRow(int nSourceRow, const QModelIndex& sourceParent) const override;

private:
    const QListWidget* m_pQList;
    QString m_needle;
};

#endif
