#ifndef KIN_GEDCOMCOMPOSITION_H
#define KIN_GEDCOMCOMPOSITION_H

// Canonical composition of a letter and one combining mark, for the letters and marks that
// ANSEL writes as mark-then-letter.
class KIN_GedcomComposition
{
public:
    // The composed character, or 0 when Unicode has none.
    static char32_t Compose(char32_t nBase, char32_t nMark);
};

#endif
