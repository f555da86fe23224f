#include "foundation/ObjList.h"

ObjList::ObjList(const ObjList& other) : TypedList(other.GetGrowth(), 0, 0) { CopyFrom(other); }

ObjList::~ObjList() { DeleteAll(); }

void ObjList::DisposeElement(void* element) { DeleteObjectAt(static_cast<TObject**>(element)); }

std::uint32_t ObjList::GetDataSize() const {
    std::uint32_t size = TList::GetDataSize();
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (const TObject* object = ObjectAt(i)) size += ObjectTotalSize(*object);
    }
    return size;
}

void ObjList::DoLock() {
    TList::DoLock();
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (TObject* object = ObjectAt(i)) object->Lock();
    }
}

void ObjList::DoUnlock() {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (TObject* object = ObjectAt(i)) object->Unlock();
    }
    TList::DoUnlock();
}

ErrCode ObjList::CopyFrom(const TList& other) {
    if (&other == this) return kNoErr;
    if (!other.IsKindOf(kClassId)) return -1;
    return CopyElementsFrom(
        static_cast<const ObjList&>(other), [](const TObject* object) { return object->Clone(); },
        DeleteObject);
}

bool ObjList::HasSameClasses(const ObjList& other) const {
    if (Count() != other.Count()) return false;
    for (std::int32_t i = 0; i < Count(); ++i) {
        const TObject* a = ObjectAt(i);
        const TObject* b = other.ObjectAt(i);
        if ((a == nullptr) != (b == nullptr)) return false;
        if (a && !a->IsSameClass(*b)) return false;
    }
    return true;
}
