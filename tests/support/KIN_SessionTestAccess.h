#ifndef KIN_SESSIONTESTACCESS_H
#define KIN_SESSIONTESTACCESS_H

#include "KIN_DocumentSession.h"

// What the tests and benchmarks switch in a session that users never do.
class KIN_SessionTestAccess
{
public:
    // False makes every refresh a rebuild, for comparisons.
    static void SetIncrementalRefresh(KIN_DocumentSession& session, bool bIncremental)
    {
        session.m_bIncrementalRefresh = bIncremental;
    }
    // Rebuilds everything and selects what the last refresh selected: what an incremental
    // refresh must have shown.
    static void RebuildAsLastRefresh(KIN_DocumentSession& session)
    {
        session.m_nPendingSelection = session.m_nLastSelection;
        session.RefreshAll();
    }
};

#endif
