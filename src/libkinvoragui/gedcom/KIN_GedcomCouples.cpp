#include "KIN_GedcomCouples.h"

#include <utility>

KIN_GedcomCouples::KIN_GedcomCouples(const KIN_GedcomTree& tree,
                                     const std::vector<KIN_GedcomLifespan>& lifespans)
    : m_left(tree.people.size(), -1), m_right(tree.people.size(), -1), m_rowOf(tree.people.size()),
      m_rowSize(tree.people.size(), 1)
{
    for (std::size_t n = 0; n < m_rowOf.size(); ++n)
        m_rowOf[n] = static_cast<std::int32_t>(n);
    for (const KIN_GedcomFamily& family : tree.families)
    {
        if (family.nHusband >= 0 && family.nWife >= 0 && lifespans[At(family.nHusband)].bDrawn &&
            lifespans[At(family.nWife)].bDrawn)
            Join(family.nHusband, family.nWife);
    }
}

void KIN_GedcomCouples::Join(std::int32_t nHusband, std::int32_t nWife)
{
    const std::int32_t nHusbandRow = Row(nHusband);
    const std::int32_t nWifeRow = Row(nWife);
    if (nHusbandRow == nWifeRow || m_rowSize[At(nHusbandRow)] + m_rowSize[At(nWifeRow)] > kMaxRow)
        return;
    if (m_right[At(nHusband)] < 0 && m_left[At(nWife)] < 0)
        Link(nHusband, nWife);
    else if (m_right[At(nWife)] < 0 && m_left[At(nHusband)] < 0)
        Link(nWife, nHusband);
    else
        return;
    m_rowOf[At(nWifeRow)] = nHusbandRow;
    m_rowSize[At(nHusbandRow)] += m_rowSize[At(nWifeRow)];
}

void KIN_GedcomCouples::Link(std::int32_t nLeft, std::int32_t nRight)
{
    m_right[At(nLeft)] = nRight;
    m_left[At(nRight)] = nLeft;
}

std::int32_t KIN_GedcomCouples::Row(std::int32_t nPerson)
{
    std::int32_t nRoot = nPerson;
    while (m_rowOf[At(nRoot)] != nRoot)
        nRoot = m_rowOf[At(nRoot)];
    while (m_rowOf[At(nPerson)] != nRoot) // shortens the path for the next search
        nPerson = std::exchange(m_rowOf[At(nPerson)], nRoot);
    return nRoot;
}
