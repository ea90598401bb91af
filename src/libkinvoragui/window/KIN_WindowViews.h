#ifndef KIN_WINDOWVIEWS_H
#define KIN_WINDOWVIEWS_H

#include "KIN_ISessionViews.h"

class KIN_ViewPeriods;
struct KIN_DataDiagram;
class KIN_ViewYears;
class KIN_WidgetFindPeriod;
class QListWidget;
class QWidget;

// The main window's views as a document session refreshes them: the diagram view with its
// scene, the year ruler and the period list with its find field.
class KIN_WindowViews final : public KIN_ISessionViews
{
public:
    struct Parts
    {
        QWidget* pQWindow = nullptr; // parent of the progress dialog
        const KIN_DataDiagram* pContent = nullptr;
        KIN_ViewPeriods* pView = nullptr;
        KIN_ViewYears* pRuler = nullptr;
        QListWidget* pQPeriodList = nullptr;
        KIN_WidgetFindPeriod* pFindPeriod = nullptr;
    };

    KIN_WindowViews() = default;
    explicit KIN_WindowViews(const Parts& parts) : m_parts(parts) {}

    void RebuildViews() override;
    bool UpdateViews(const KIN_DocumentChanges& changes, bool bUndo) override;
    void SelectPeriod(std::int32_t nId) override;

private:
    Parts m_parts;
};

#endif
