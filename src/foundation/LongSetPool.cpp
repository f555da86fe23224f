#include "foundation/LongSetPool.h"

#include <cstring>
#include <new>

namespace {

LongSet* SetIn(const void* blob) {
    if (!blob) return nullptr;
    LongSet* set;
    std::memcpy(&set, blob, sizeof set);
    return set;
}

}  // namespace

LongSetPool::LongSetPool() { Adopt(new LongSet()); }

LongSetPool::~LongSetPool() {
    std::int32_t id = -1;
    while (LongSet* set = SetIn(pool_.Next(&id))) delete set;
}

template <typename Predicate>
std::int32_t LongSetPool::FindId(Predicate predicate) const {
    std::int32_t id = 0;
    while (const LongSet* set = SetIn(pool_.Next(&id))) {
        if (predicate(*set)) return id;
    }
    return kNoSet;
}

std::int32_t LongSetPool::Adopt(LongSet* set) {
    if (!set) return kNoSet;
    set->AddRef();
    const std::int32_t id = pool_.Insert(&set);
    if (id < 0) {
        delete set;
        return kNoSet;
    }
    return id;
}

std::int32_t LongSetPool::Use(std::int32_t id) {
    AddRef(id);
    return id;
}

LongSet* LongSetPool::GetSet(std::int32_t id) const {
    return id < 0 ? nullptr : SetIn(pool_.GetData(static_cast<std::uint32_t>(id)));
}

bool LongSetPool::IsEmpty(std::int32_t id) const { return Size(id) == 0; }

bool LongSetPool::Contains(std::int32_t value, std::int32_t id) const {
    const LongSet* set = GetSet(id);
    return set && set->Contains(value);
}

std::int32_t LongSetPool::Size(std::int32_t id) const {
    const LongSet* set = GetSet(id);
    return set ? set->Size() : 0;
}

bool LongSetPool::AddRef(std::int32_t id) {
    LongSet* set = GetSet(id);
    if (set) set->AddRef();
    return set != nullptr;
}

bool LongSetPool::Release(std::int32_t id) {
    LongSet* set = GetSet(id);
    if (!set || set->UseCount() == 0) return false;
    set->Release();
    return true;
}

std::uint32_t LongSetPool::UseCount(std::int32_t id) const {
    const LongSet* set = GetSet(id);
    return set ? set->UseCount() : 0;
}

std::int32_t LongSetPool::MakeSingleton(std::int32_t value) {
    return Adopt(new (std::nothrow) LongSet(value));
}

std::int32_t LongSetPool::Intern(const LongSet& set) { return Adopt(new (std::nothrow) LongSet(set)); }

std::int32_t LongSetPool::FindOrIntern(const LongSet& set) {
    const std::int32_t id = FindId([&set](const LongSet& candidate) { return candidate.IsEqual(set); });
    return id != kNoSet ? Use(id) : Intern(set);
}

std::int32_t LongSetPool::WithValue(std::int32_t value, std::int32_t id) {
    const LongSet* base = GetSet(id);
    if (!base) return kNoSet;
    if (base->Contains(value)) return Use(id);
    const std::int32_t found = FindId([&](const LongSet& candidate) {
        return candidate.Size() == base->Size() + 1 && candidate.Contains(value) &&
               candidate.ContainsAllOf(*base, value);
    });
    if (found != kNoSet) return Use(found);
    return Adopt(new (std::nothrow) LongSet(*base, value));
}

std::int32_t LongSetPool::WithoutValue(std::int32_t value, std::int32_t id) {
    const LongSet* base = GetSet(id);
    if (!base) return kNoSet;
    if (!base->Contains(value)) return Use(id);
    if (base->Size() == 1) return 0;
    const std::int32_t found = FindId([&](const LongSet& candidate) {
        return candidate.Size() == base->Size() - 1 && !candidate.Contains(value) &&
               candidate.ContainsAllOf(*base, value);
    });
    if (found != kNoSet) return Use(found);
    return Adopt(new (std::nothrow) LongSet(*base, value));
}

std::int32_t LongSetPool::Union(std::int32_t a, std::int32_t b) {
    const LongSet* first = GetSet(a);
    const LongSet* second = GetSet(b);
    LongSet result = second ? LongSet(*second) : LongSet();
    for (std::int32_t i = 0; first && i < first->Size(); ++i) {
        if (!result.Contains(first->ValueAt(i))) result.Add(first->ValueAt(i));
    }
    return FindOrIntern(result);
}

void LongSetPool::DeleteSet(std::int32_t id) {
    LongSet* set = id == 0 ? nullptr : GetSet(id);
    if (!set) return;
    delete set;
    pool_.Remove(static_cast<std::uint32_t>(id));
}

void LongSetPool::RemoveValueEverywhere(std::int32_t value) {
    std::int32_t id = -1;
    while (LongSet* set = SetIn(pool_.Next(&id))) set->Remove(value);
}

void LongSetPool::ListIds(LList& list) const {
    std::int32_t id = 0;
    while (SetIn(pool_.Next(&id))) list.Append(id);
}

bool LongSetPool::PutSet(std::int32_t id, LongSet* set) {
    if (id < 0 || !set) return false;
    LongSet* old = GetSet(id);
    if (pool_.Put(static_cast<std::uint32_t>(id), &set) < 0) return false;
    if (old != set) delete old;
    return true;
}
