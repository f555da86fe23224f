#pragma once
// Keeps every distinct LongSet once, each named by an id, and derives sets from sets by adding or
// removing one value, reusing a set that already holds the result. Id 0 is the empty set, made by
// the constructor; walks over the pool skip it. Sets carry use counts; the answer of an operation
// that names a set comes with one more use of it.

#include <cstdint>

#include "foundation/LongSet.h"
#include "foundation/STLFixPool.h"
#include "foundation/TypedList.h"

class LongSetPool {
public:
    // Answered by operations that could not make their set (an unknown id, or out of memory).
    static constexpr std::int32_t kNoSet = -1;

    LongSetPool();
    LongSetPool(const LongSetPool&) = delete;
    LongSetPool& operator=(const LongSetPool&) = delete;
    virtual ~LongSetPool();

    // The set, or null.
    LongSet* GetSet(std::int32_t id) const;
    // True when there is no such set or it has no values.
    bool IsEmpty(std::int32_t id) const;
    bool Contains(std::int32_t value, std::int32_t id) const;
    // The number of values (0 when there is no such set).
    std::int32_t Size(std::int32_t id) const;
    // The number of entries - 1.
    std::int32_t LastIndex() const { return static_cast<std::int32_t>(pool_.Count()) - 1; }

    // False when there is no such set.
    bool AddRef(std::int32_t id);
    // Lowers the use count when above 0 (true); else false.
    bool Release(std::int32_t id);
    std::uint32_t UseCount(std::int32_t id) const;

    // {value} as a new id with one use.
    std::int32_t MakeSingleton(std::int32_t value);
    // A copy of the set as a new id with one use.
    std::int32_t Intern(const LongSet& set);
    // The id of an equal set (same values, same order) with one more use, else Intern.
    std::int32_t FindOrIntern(const LongSet& set);

    // The id of the set holding set(id)'s values and the value: the first existing one in
    // ascending id order, else a new one. When set(id) already holds the value, id itself.
    std::int32_t WithValue(std::int32_t value, std::int32_t id);
    // The mirror of WithValue; an empty result is id 0 (no use added). When set(id) lacks the
    // value, id itself.
    std::int32_t WithoutValue(std::int32_t value, std::int32_t id);
    // Set b's values followed by those of set a that b lacks, through FindOrIntern (a set that does
    // not exist counts as empty).
    std::int32_t Union(std::int32_t a, std::int32_t b);

    // Deletes the set and removes the id, whatever uses remain. Id 0 stays.
    void DeleteSet(std::int32_t id);
    // Removes the value, in place, from every set that holds it.
    void RemoveValueEverywhere(std::int32_t value);
    // Appends every id other than 0 that has a set.
    void ListIds(LList& list) const;
    // Stores the set under the id, replacing (and deleting) a set held there; the pool owns the set
    // from then on. False when out of memory (the caller still owns the set).
    bool PutSet(std::int32_t id, LongSet* set);

private:
    // The first id other than 0, in ascending order, whose set the predicate accepts; kNoSet when
    // none does.
    template <typename Predicate>
    std::int32_t FindId(Predicate predicate) const;
    // Takes the new set, with one use, as a new id; deletes it and answers kNoSet when out of
    // memory.
    std::int32_t Adopt(LongSet* set);
    // Adds one use to the set and answers its id.
    std::int32_t Use(std::int32_t id);

    STLFixPool pool_{sizeof(LongSet*)};
};
