#include "framework/graphics/CursorRegion.h"

#include "framework/AppEnvironment.h"
#include "framework/graphics/CursorManager.h"

CursorRegion::CursorRegion() = default;

CursorRegion::CursorRegion(const Rgn& region, std::int32_t id) { AddRegion(region, id); }

std::int32_t CursorRegion::IndexOf(std::int32_t id) const {
    for (std::int32_t i = 0; i < ids_.Count(); ++i) {
        if (ids_.GetAt(i) == id) return i;
    }
    return -1;
}

void CursorRegion::AddRegion(const Rgn& region, std::int32_t id) {
    const std::int32_t index = IndexOf(id);
    if (index >= 0) {
        RegionAt(index)->Union(region);
        return;
    }
    auto* copy = new Rgn(region);
    if (regions_.Append(copy) < 0) {
        delete copy;
        return;
    }
    if (ids_.Append(id) < 0) regions_.DeleteAt(regions_.Count() - 1);
}

void CursorRegion::AddRegionHandle(win::HRGN region, std::int32_t id) { AddRegion(Rgn(region), id); }
void CursorRegion::AddRect(const ShortRect& rect, std::int32_t id) { AddRegion(Rgn(rect), id); }

void CursorRegion::SubtractRegion(const Rgn& region, std::int32_t id) {
    const std::int32_t index = IndexOf(id);
    if (index >= 0) RegionAt(index)->Subtract(region);
}

void CursorRegion::SubtractRegionHandle(win::HRGN region, std::int32_t id) {
    SubtractRegion(Rgn(region), id);
}
void CursorRegion::SubtractRect(const ShortRect& rect, std::int32_t id) { SubtractRegion(Rgn(rect), id); }

void CursorRegion::IntersectEntry(const Rgn& region, std::int32_t id) {
    const std::int32_t index = IndexOf(id);
    if (index >= 0) RegionAt(index)->Intersect(region);
}

void CursorRegion::IntersectEntryRect(const ShortRect& rect, std::int32_t id) {
    IntersectEntry(Rgn(rect), id);
}

void CursorRegion::ClipAll(const Rgn& region) {
    for (std::int32_t i = 0; i < regions_.Count(); ++i) RegionAt(i)->Intersect(region);
}

void CursorRegion::ClipAllToRect(const ShortRect& rect) { ClipAll(Rgn(rect)); }

void CursorRegion::Remove(std::int32_t id) {
    const std::int32_t index = IndexOf(id);
    if (index < 0) return;
    regions_.DeleteAt(index);
    ids_.DeleteAt(index);
}

void CursorRegion::Clear() {
    regions_.DeleteAll();
    ids_.DeleteAll();
}

Rgn* CursorRegion::GetRegion(std::int32_t id) {
    const std::int32_t index = IndexOf(id);
    if (index < 0) return nullptr;
    regions_.Lock();
    return RegionAt(index);
}

void CursorRegion::ReleaseRegion() {
    if (regions_.IsLocked()) regions_.Unlock();
}

void CursorRegion::Show(std::int32_t id) {
    if (const AppEnvironment* environment = GetAppEnvironment()) {
        if (CursorManager* manager = environment->GetCursorManager()) manager->Show(id);
    }
    lastShown_ = id;
}

std::int16_t CursorRegion::UpdateCursorAt(ShortPoint point, std::int32_t* current, std::int32_t defaultId) {
    const AppEnvironment* environment = GetAppEnvironment();
    const std::int32_t showing = environment ? environment->GetCurrentCursorId() : -1;
    for (std::int32_t i = 0; i < regions_.Count(); ++i) {
        if (!RegionAt(i)->ContainsPoint(point)) continue;
        const std::int32_t id = ids_.GetAt(i);
        if (current && id == *current && showing == *current) return 1;
        Show(id);
        if (current) *current = id;
        return 1;
    }
    if (defaultId >= 0 && showing != defaultId) Show(defaultId);
    return 0;
}
