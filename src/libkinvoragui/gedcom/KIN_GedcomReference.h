#ifndef KIN_GEDCOMREFERENCE_H
#define KIN_GEDCOMREFERENCE_H

#include <cstdint>
#include <string_view>

// A pointer read from a record, waiting until every record is known.
struct KIN_GedcomReference
{
    enum class Relation : std::uint8_t
    {
        Husband, // from a family
        Wife,
        Child,
        ChildOf, // from a person
        SpouseIn
    };

    std::int32_t nOwner = 0; // index of the record the pointer is in
    Relation relation = Relation::Husband;
    std::string_view target; // the id pointed at, without its @ signs
};

#endif
