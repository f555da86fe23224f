#pragma once
// A list of objects (or nulls) that it owns: deleting an element deletes its object, unless the
// list was told to keep its elements. An object appended or inserted belongs to the list from then
// on; when the append fails (-1 or -4), it still belongs to the caller.

#include <cstdint>

#include "foundation/TypedList.h"

class ObjList : public TypedList<TObject*> {
    TOBJECT_CLASS(ObjList, TypedList<TObject*>, 5)

public:
    explicit ObjList(std::uint16_t growth = 0, std::uint16_t flags = 0, std::int32_t initialCount = 0)
        : TypedList(growth, flags, initialCount) {}
    // Holds clones of the other's objects.
    ObjList(const ObjList& other);
    ~ObjList() override;

    TObject* ObjectAt(std::int32_t i) const { return GetAt(i); }

    // The list's block plus the total size of every object.
    std::uint32_t GetDataSize() const override;
    // Locking the list locks every object after the list; unlocking unlocks them first.
    void DoLock() override;
    void DoUnlock() override;

    // Disposes of its own objects and holds a clone of each of the other's (null stays null). 0;
    // -4 when memory or a clone could not be had (the list then stays as it was); -1 when the
    // other is not an ObjList.
    ErrCode CopyFrom(const TList& other) override;
    // Equal counts, and objects of the same class at every index.
    bool HasSameClasses(const ObjList& other) const;

protected:
    void DisposeElement(void* element) override;
};
