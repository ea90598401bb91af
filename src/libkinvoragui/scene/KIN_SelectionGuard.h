#ifndef KIN_SELECTIONGUARD_H
#define KIN_SELECTIONGUARD_H

// Keeps the period list and the period items from selecting each other in a loop: while a
// guard lives, a selection that one side makes is not echoed back by the other. Guards nest;
// the last one gone lifts the guard.
class KIN_SelectionGuard
{
public:
    KIN_SelectionGuard();
    ~KIN_SelectionGuard();
    KIN_SelectionGuard(const KIN_SelectionGuard&) = delete;
    KIN_SelectionGuard& operator=(const KIN_SelectionGuard&) = delete;

    static bool IsActive();

private:
    const bool m_bWasActive;
};

#endif
