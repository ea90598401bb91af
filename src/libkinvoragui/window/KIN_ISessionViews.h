#ifndef KIN_ISESSIONVIEWS_H
#define KIN_ISESSIONVIEWS_H

#include <cstdint>

class KIN_DocumentChanges;

// What a document session needs of the views that show its document: a whole rebuild, an
// update of what some changes touched, and the selection of a period afterwards.
class KIN_ISessionViews
{
public:
    // Rebuilds every view from the document: scene, ruler and period list.
    virtual void RebuildViews() = 0;
    // Updates only what the changes (or, with bUndo, their undoing) touched. False when they
    // are too wide for that: the caller rebuilds then. Nothing is selected afterwards.
    virtual bool UpdateViews(const KIN_DocumentChanges& changes, bool bUndo) = 0;
    // Selects the period with the id, when it is shown, and brings it into sight.
    virtual void SelectPeriod(std::int32_t nId) = 0;

protected:
    KIN_ISessionViews() = default;
    ~KIN_ISessionViews() = default;
    KIN_ISessionViews(const KIN_ISessionViews&) = default;
    KIN_ISessionViews& operator=(const KIN_ISessionViews&) = default;
};

#endif
