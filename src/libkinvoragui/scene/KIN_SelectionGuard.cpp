#include "KIN_SelectionGuard.h"

#include <utility>

namespace
{
// One list and one scene select each other; everything runs on the GUI thread.
bool g_bActive = false;
} // namespace

KIN_SelectionGuard::KIN_SelectionGuard() : m_bWasActive(std::exchange(g_bActive, true)) {}

KIN_SelectionGuard::~KIN_SelectionGuard()
{
    g_bActive = m_bWasActive;
}

bool KIN_SelectionGuard::IsActive()
{
    return g_bActive;
}
