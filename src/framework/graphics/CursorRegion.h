#pragma once
// Which cursor belongs to which part of a surface: regions, each with a cursor id (an id has one
// region at most). As the mouse moves, the first region holding it chooses the cursor.

#include <cstdint>

#include "foundation/ObjList.h"
#include "foundation/TObject.h"
#include "foundation/TypedList.h"
#include "framework/graphics/Rgn.h"
#include "framework/graphics/ShortRect.h"

class CursorRegion : public TObject {
public:
    CursorRegion();
    CursorRegion(const Rgn& region, std::int32_t id);

    TObject* Clone() const override { return new CursorRegion(*this); }

    // The shape is added to the id's region, or becomes the id's region (a copy) at the end.
    void AddRegion(const Rgn& region, std::int32_t id);
    void AddRegionHandle(win::HRGN region, std::int32_t id);
    void AddRect(const ShortRect& rect, std::int32_t id);
    // The shape is taken out of the id's region; nothing when the id has none.
    void SubtractRegion(const Rgn& region, std::int32_t id);
    void SubtractRegionHandle(win::HRGN region, std::int32_t id);
    void SubtractRect(const ShortRect& rect, std::int32_t id);
    void IntersectEntry(const Rgn& region, std::int32_t id);
    void IntersectEntryRect(const ShortRect& rect, std::int32_t id);
    // Every region narrowed to the shape.
    void ClipAll(const Rgn& region);
    void ClipAllToRect(const ShortRect& rect);
    void Remove(std::int32_t id);
    void Clear();

    // The id's region, with the list locked until ReleaseRegion; null when the id has none.
    Rgn* GetRegion(std::int32_t id);
    void ReleaseRegion();
    std::int32_t IndexOf(std::int32_t id) const;
    std::int32_t Count() const { return ids_.Count(); }

    // Shows the cursor of the first region holding the point and makes it *current (answering 1),
    // unless it is *current and showing already. When no region holds the point, shows the default
    // (unless it is negative or already showing) and answers 0.
    std::int16_t UpdateCursorAt(ShortPoint point, std::int32_t* current, std::int32_t defaultId);
    std::int32_t LastShown() const { return lastShown_; }

private:
    Rgn* RegionAt(std::int32_t index) const { return static_cast<Rgn*>(regions_.ObjectAt(index)); }
    void Show(std::int32_t id);

    ObjList regions_;
    LList ids_;
    std::int32_t lastShown_ = -1;
};
