#ifndef KIN_GEDCOMCONTOUR_H
#define KIN_GEDCOMCONTOUR_H

#include <cstdint>
#include <vector>

// The outline of a piece of the diagram: for each time step of its span, the leftmost and the
// rightmost column it takes then. Pieces are packed side by side by their outlines, so that
// one may reach under another where their times do not meet.
class KIN_GedcomContour
{
public:
    static constexpr std::int32_t kNoOverlap = INT32_MIN;

    KIN_GedcomContour() = default;
    // An empty outline able to hold steps nFirst..nEnd-1.
    KIN_GedcomContour(std::int32_t nFirst, std::int32_t nEnd);

    // Columns nLeft..nRight are taken during steps nFrom..nTo-1.
    void Add(std::int32_t nFrom, std::int32_t nTo, std::int32_t nLeft, std::int32_t nRight);
    // The least shift that puts other right of this outline at every step both take columns
    // in; kNoOverlap when they share no step.
    std::int32_t ShiftToRight(const KIN_GedcomContour& other) const;
    // Takes in other, shifted by nShift columns; it must lie within this outline's steps.
    void Merge(const KIN_GedcomContour& other, std::int32_t nShift);
    // Moves the whole outline by nShift columns.
    void Move(std::int32_t nShift) { m_nShift += nShift; }
    void Clear();

private:
    std::int32_t m_nFirst = 0;
    std::int32_t m_nShift = 0;
    std::vector<std::int32_t> m_left; // INT32_MAX where no column is taken
    std::vector<std::int32_t> m_right;
};

#endif
