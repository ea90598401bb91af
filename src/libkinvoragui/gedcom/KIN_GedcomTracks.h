#ifndef KIN_GEDCOMTRACKS_H
#define KIN_GEDCOMTRACKS_H

#include "KIN_GedcomCrossings.h"
#include "KIN_GedcomRows.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

// Packs the rows into tracks: columns kWidth wide that people take one after another in
// time, so the diagram is about as wide as the most people alive at once need.
//
// The rules, row after row in the order of their start:
// - A row wants to stand under the parents of its people, where they are placed already;
//   else at the place its first person has in the tree order (the columns
//   KIN_GedcomTreeLayout gives), next to the tracks last held by the people nearest it there.
// - It takes the free tracks (whose last holder has ended) side by side nearest that place.
// - When none is within kNear tracks of it, new tracks are put in right there, as long as the
//   diagram stays within the allowance times the least width any layout could have (the most
//   tracks the rows alive in one year take); beyond it, the nearest free tracks are taken
//   however far, and new ones only where there are none at all.
// - Tracks that held one row side by side stay side by side for good: no track is ever put
//   between them, so couples never come apart.
// The same rows and places always give the same tracks.
class KIN_GedcomTracks
{
public:
    static constexpr double kAllowance = 1.2;
    // How far from its target a row looks for tracks, and what it weighs.
    static constexpr std::int32_t kReach = 24;
    static constexpr double kCrossingCost = 2;
    static constexpr double kNewTrackCost = 4;
    // The level leg of a parent's links runs this long after the parent's begin.
    static constexpr std::int64_t kLegYears = KIN_GedcomCrossings::kLegYears;

    // idealColumns: the tree-order column of each row's first person, by row.
    KIN_GedcomTracks(const KIN_GedcomTree& tree, const std::vector<KIN_GedcomLifespan>& lifespans,
                     const KIN_GedcomRows& rows, const std::vector<std::int32_t>& idealColumns,
                     double dAllowance = kAllowance);

    // The first track of each row, tracks counted from 0 on the left.
    std::vector<std::int32_t> Pack();
    // The most tracks the rows alive in one year take together.
    std::int32_t LeastTracks() const;

private:
    struct Track
    {
        std::int64_t nFreeFrom = 0; // the first year after its last holder
        std::int32_t nLabel = 0;    // the tree-order column of its last holder
        bool bGluedRight = false;   // to the track right of it, for good
        std::vector<std::pair<std::int64_t, std::int64_t>> held; // the years of each holder
    };
    struct Parents
    {
        bool bPlaced = false;
        double dTarget = 0;    // the position the row's first track would best take
        std::int32_t nLow = 0; // the positions of the leftmost and rightmost parent
        std::int32_t nHigh = 0;
        std::int64_t nLegYear = 0; // when the first of their links' level legs runs
    };

    Parents ParentsOf(std::int32_t nRow) const;
    // The position of the row's first track, new tracks put in when they cost least.
    std::int32_t Place(std::int32_t nRow, std::int32_t nAllowed);
    bool HeldAt(std::int32_t nTrack, std::int64_t nYear) const;
    // Boundary b lies left of position b; it is open unless the track left of it is glued.
    bool IsOpen(std::int32_t nBoundary) const;

    // Where a row wanting nColumn would stand among the tracks, as a first position.
    std::int32_t LabelPosition(std::int32_t nColumn, std::int32_t nCount) const;
    bool IsFreeBlock(std::int32_t nPosition, std::int32_t nCount, std::int64_t nYear) const;
    // The nearest first position of nCount free tracks within nReach of nTarget, -1 for none.
    std::int32_t NearestFreeBlock(std::int32_t nTarget, std::int32_t nCount, std::int64_t nYear,
                                  std::int32_t nReach) const;
    // Puts nCount new tracks at the open boundary nearest nTarget; returns their first position.
    std::int32_t InsertTracks(std::int32_t nTarget, std::int32_t nCount);
    void Take(std::int32_t nRow, std::int32_t nPosition);

    const KIN_GedcomTree& m_tree;
    const std::vector<KIN_GedcomLifespan>& m_lifespans;
    const KIN_GedcomRows& m_rows;
    const std::vector<std::int32_t>& m_idealColumns;
    double m_dAllowance;
    std::vector<std::int32_t> m_personTracks; // -1 until placed
    std::vector<Track> m_tracks;
    std::vector<std::int32_t> m_order;     // the track at each position, left to right
    std::vector<std::int32_t> m_positions; // the position of each track
    std::set<std::pair<std::int32_t, std::int32_t>> m_labels; // (label, track)
};

#endif
