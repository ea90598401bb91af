#include "KIN_GedcomTracks.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

KIN_GedcomTracks::KIN_GedcomTracks(const KIN_GedcomTree& tree,
                                   const std::vector<KIN_GedcomLifespan>& lifespans,
                                   const KIN_GedcomRows& rows,
                                   const std::vector<std::int32_t>& idealColumns, double dAllowance)
    : m_tree(tree), m_lifespans(lifespans), m_rows(rows), m_idealColumns(idealColumns),
      m_dAllowance(dAllowance), m_personTracks(tree.people.size(), -1)
{
}

std::int32_t KIN_GedcomTracks::LeastTracks() const
{
    std::vector<std::pair<std::int64_t, std::int32_t>> changes;
    changes.reserve(m_rows.All().size() * 2);
    for (const KIN_GedcomRows::Row& row : m_rows.All())
    {
        changes.emplace_back(row.nStart, row.nCount);
        changes.emplace_back(row.nEnd + 1, -row.nCount);
    }
    std::sort(changes.begin(), changes.end()); // an end before a start in the same year
    std::int32_t nAlive = 0;
    std::int32_t nMost = 0;
    for (const auto& change : changes)
    {
        nAlive += change.second;
        nMost = std::max(nMost, nAlive);
    }
    return nMost;
}

std::vector<std::int32_t> KIN_GedcomTracks::Pack()
{
    const auto nAllowed =
        static_cast<std::int32_t>(std::ceil(m_dAllowance * static_cast<double>(LeastTracks())));
    const std::vector<KIN_GedcomRows::Row>& rows = m_rows.All();
    std::vector<std::int32_t> rowTracks(rows.size(), 0);
    for (std::size_t n = 0; n < rows.size(); ++n)
    {
        const std::int32_t nPosition = Place(static_cast<std::int32_t>(n), nAllowed);
        Take(static_cast<std::int32_t>(n), nPosition);
        // The track, not its position: tracks put in later move the others right.
        rowTracks[n] = m_order[static_cast<std::size_t>(nPosition)];
    }
    for (std::int32_t& nTrack : rowTracks)
        nTrack = m_positions[static_cast<std::size_t>(nTrack)];
    return rowTracks;
}

// Where the placed parents of the row's people stand.
KIN_GedcomTracks::Parents KIN_GedcomTracks::ParentsOf(std::int32_t nRow) const
{
    const KIN_GedcomRows::Row& row = m_rows.All()[static_cast<std::size_t>(nRow)];
    Parents parents;
    std::int64_t nSum = 0;
    std::int32_t nCount = 0;
    std::int32_t nIndex = 0;
    for (std::int32_t nMember = row.nFirst; nMember >= 0; nMember = m_rows.Next(nMember), ++nIndex)
    {
        for (const std::int32_t nFamily : m_tree.people[static_cast<std::size_t>(nMember)].childOf)
        {
            const KIN_GedcomFamily& family = m_tree.families[static_cast<std::size_t>(nFamily)];
            for (const std::int32_t nParent : {family.nHusband, family.nWife})
            {
                const std::int32_t nTrack =
                    nParent < 0 ? -1 : m_personTracks[static_cast<std::size_t>(nParent)];
                if (nTrack < 0)
                    continue;
                const std::int32_t nPosition = m_positions[static_cast<std::size_t>(nTrack)];
                const std::int64_t nLegYear =
                    m_lifespans[static_cast<std::size_t>(nParent)].nBegin + kLegYears;
                parents.nLow = nCount == 0 ? nPosition : std::min(parents.nLow, nPosition);
                parents.nHigh = nCount == 0 ? nPosition : std::max(parents.nHigh, nPosition);
                parents.nLegYear = nCount == 0 ? nLegYear : std::min(parents.nLegYear, nLegYear);
                nSum += nPosition - nIndex;
                ++nCount;
            }
        }
    }
    if (nCount > 0)
        parents.dTarget = static_cast<double>(nSum) / nCount;
    else
        parents.dTarget = LabelPosition(m_idealColumns[static_cast<std::size_t>(nRow)], row.nCount);
    parents.bPlaced = nCount > 0;
    return parents;
}

// The free tracks or the new ones that cost least: the distance from the target, and twice
// the people alive in between when the parents' link runs across (their legs' year).
std::int32_t KIN_GedcomTracks::Place(std::int32_t nRow, std::int32_t nAllowed)
{
    const KIN_GedcomRows::Row& row = m_rows.All()[static_cast<std::size_t>(nRow)];
    const Parents parents = ParentsOf(nRow);
    const auto nSize = static_cast<std::int32_t>(m_order.size());
    const auto nTarget = static_cast<std::int32_t>(std::lround(parents.dTarget));
    const std::int32_t nFrom = std::max(0, std::min(nTarget - kReach, parents.nLow));
    const std::int32_t nTo =
        std::min(nSize, std::max(nTarget + kReach + row.nCount, parents.nHigh + 1));
    // alive[n]: people in positions nFrom..nFrom + n - 1 whose period the parents' legs cross.
    std::vector<std::int32_t> alive(static_cast<std::size_t>(std::max(0, nTo - nFrom)) + 1, 0);
    for (std::int32_t n = nFrom; n < nTo; ++n)
        alive[static_cast<std::size_t>(n - nFrom) + 1] =
            alive[static_cast<std::size_t>(n - nFrom)] +
            (parents.bPlaced && HeldAt(m_order[static_cast<std::size_t>(n)], parents.nLegYear) ? 1
                                                                                               : 0);
    const auto crossed = [&](std::int32_t nLeft, std::int32_t nEnd) // positions nLeft..nEnd - 1
    {
        nLeft = std::clamp(nLeft, nFrom, nTo);
        nEnd = std::clamp(nEnd, nLeft, nTo);
        return alive[static_cast<std::size_t>(nEnd - nFrom)] -
               alive[static_cast<std::size_t>(nLeft - nFrom)];
    };
    const auto between = [&](std::int32_t nLeft, std::int32_t nEnd) // the block's span
    {
        if (!parents.bPlaced || nEnd <= parents.nLow)
            return crossed(nLeft, parents.nLow);
        return nLeft > parents.nHigh ? crossed(parents.nHigh + 1, nEnd) : 0;
    };
    // Ties go left for even rows, right for odd ones, so that children share both sides.
    const double dLean = nRow % 2 == 0 ? -1e-3 : 1e-3;
    double dBest = std::numeric_limits<double>::max();
    std::int32_t nBest = -1;
    bool bInsert = false;
    for (std::int32_t n = std::max(0, nTarget - kReach);
         n <= std::min(nSize - row.nCount, nTarget + kReach); ++n)
    {
        if (!IsFreeBlock(n, row.nCount, row.nStart))
            continue;
        const double dCost =
            std::abs(n - parents.dTarget + dLean) + kCrossingCost * between(n, n + row.nCount);
        if (dCost < dBest)
        {
            dBest = dCost;
            nBest = n;
        }
    }
    if (static_cast<std::int32_t>(m_tracks.size()) + row.nCount <= nAllowed)
    {
        for (std::int32_t n = std::max(0, nTarget - kReach); n <= std::min(nSize, nTarget + kReach);
             ++n)
        {
            if (!IsOpen(n))
                continue;
            const double dCost = kNewTrackCost + std::abs(n - parents.dTarget - 0.5 + dLean) +
                                 kCrossingCost * between(n, n);
            if (dCost < dBest)
            {
                dBest = dCost;
                nBest = n;
                bInsert = true;
            }
        }
    }
    if (nBest >= 0)
        return bInsert ? InsertTracks(nBest, row.nCount) : nBest;
    nBest = NearestFreeBlock(nTarget, row.nCount, row.nStart, nSize);
    return nBest >= 0 ? nBest : InsertTracks(nTarget, row.nCount);
}

bool KIN_GedcomTracks::HeldAt(std::int32_t nTrack, std::int64_t nYear) const
{
    const std::vector<std::pair<std::int64_t, std::int64_t>>& held =
        m_tracks[static_cast<std::size_t>(nTrack)].held;
    auto after = std::upper_bound(held.begin(), held.end(),
                                  std::make_pair(nYear, std::numeric_limits<std::int64_t>::max()));
    return after != held.begin() && std::prev(after)->second >= nYear;
}

bool KIN_GedcomTracks::IsOpen(std::int32_t nBoundary) const
{
    const auto nSize = static_cast<std::int32_t>(m_order.size());
    return nBoundary >= 0 && nBoundary <= nSize &&
           (nBoundary == 0 || nBoundary == nSize ||
            !m_tracks[static_cast<std::size_t>(m_order[static_cast<std::size_t>(nBoundary) - 1])]
                 .bGluedRight);
}

// Right of the track whose label is the nearest below nColumn, else left of the nearest above.
std::int32_t KIN_GedcomTracks::LabelPosition(std::int32_t nColumn, std::int32_t nCount) const
{
    if (m_labels.empty())
        return 0;
    auto above = m_labels.lower_bound({nColumn, -1});
    std::int32_t nPosition = 0;
    if (above == m_labels.end() ||
        (above != m_labels.begin() && nColumn - std::prev(above)->first < above->first - nColumn))
        nPosition = m_positions[static_cast<std::size_t>(std::prev(above)->second)] + 1;
    else
        nPosition = m_positions[static_cast<std::size_t>(above->second)];
    return std::max(0, nPosition - (nCount - 1) / 2);
}

bool KIN_GedcomTracks::IsFreeBlock(std::int32_t nPosition, std::int32_t nCount,
                                   std::int64_t nYear) const
{
    if (nPosition < 0 || nPosition + nCount > static_cast<std::int32_t>(m_order.size()))
        return false;
    for (std::int32_t n = nPosition; n < nPosition + nCount; ++n)
    {
        if (m_tracks[static_cast<std::size_t>(m_order[static_cast<std::size_t>(n)])].nFreeFrom >
            nYear)
            return false;
    }
    return true;
}

std::int32_t KIN_GedcomTracks::NearestFreeBlock(std::int32_t nTarget, std::int32_t nCount,
                                                std::int64_t nYear, std::int32_t nReach) const
{
    for (std::int32_t nDistance = 0; nDistance <= nReach; ++nDistance)
    {
        if (IsFreeBlock(nTarget - nDistance, nCount, nYear))
            return nTarget - nDistance;
        if (IsFreeBlock(nTarget + nDistance, nCount, nYear))
            return nTarget + nDistance;
    }
    return -1;
}

std::int32_t KIN_GedcomTracks::InsertTracks(std::int32_t nTarget, std::int32_t nCount)
{
    const auto nSize = static_cast<std::int32_t>(m_order.size());
    // Boundary b lies left of position b; it is open unless the track left of it is glued.
    const auto isOpen = [&](std::int32_t nBoundary)
    {
        return nBoundary >= 0 && nBoundary <= nSize &&
               (nBoundary == 0 || nBoundary == nSize ||
                !m_tracks[static_cast<std::size_t>(
                              m_order[static_cast<std::size_t>(nBoundary) - 1])]
                     .bGluedRight);
    };
    nTarget = std::clamp(nTarget, 0, nSize);
    std::int32_t nBoundary = nSize;
    for (std::int32_t nDistance = 0; nDistance <= nSize; ++nDistance)
    {
        if (isOpen(nTarget - nDistance))
        {
            nBoundary = nTarget - nDistance;
            break;
        }
        if (isOpen(nTarget + nDistance))
        {
            nBoundary = nTarget + nDistance;
            break;
        }
    }
    for (std::int32_t n = 0; n < nCount; ++n)
    {
        m_order.insert(m_order.begin() + nBoundary + n, static_cast<std::int32_t>(m_tracks.size()));
        m_tracks.emplace_back();
        m_positions.push_back(0);
    }
    for (std::size_t n = static_cast<std::size_t>(nBoundary); n < m_order.size(); ++n)
        m_positions[static_cast<std::size_t>(m_order[n])] = static_cast<std::int32_t>(n);
    return nBoundary;
}

void KIN_GedcomTracks::Take(std::int32_t nRow, std::int32_t nPosition)
{
    const KIN_GedcomRows::Row& row = m_rows.All()[static_cast<std::size_t>(nRow)];
    const std::int32_t nColumn = m_idealColumns[static_cast<std::size_t>(nRow)];
    std::int32_t nMember = row.nFirst;
    for (std::int32_t n = 0; n < row.nCount; ++n, nMember = m_rows.Next(nMember))
    {
        const std::int32_t nTrackId = m_order[static_cast<std::size_t>(nPosition + n)];
        Track& track = m_tracks[static_cast<std::size_t>(nTrackId)];
        m_labels.erase({track.nLabel, nTrackId});
        track.nFreeFrom = row.nEnd + 1;
        track.held.emplace_back(row.nStart, row.nEnd);
        track.nLabel = nColumn + n * KIN_GedcomRows::kWidth;
        track.bGluedRight = track.bGluedRight || n + 1 < row.nCount;
        m_labels.emplace(track.nLabel, nTrackId);
        m_personTracks[static_cast<std::size_t>(nMember)] = nTrackId;
    }
}
