#pragma once
// What a hierarchical popup menu asks of the object whose tree it shows. Every entry of the tree is
// named by an opaque 32-bit handle; -1 is "none", and whether a handle names an entry is only ever
// asked through IsValid. Tests answer 1 or 0.
//
// The operations, in this order (callers that count them from 0 give GetRoot 0 and GetItemFont 10):
// GetRoot, ApplyChanges, IsPreviewItem, IsDimmed, IsValid, IsChecked, IsCheckable, GetFirstChild,
// GetNextSibling, GetItemText, GetItemFont. IsPreviewItem and IsDimmed answer 0 unless overridden.

#include <cstdint>

#include "foundation/TypedList.h"
#include "platform/gdi/GdiTypes.h"

// Item handles in ascending order, each at most once.
class HMPItemList : public LList {
public:
    // Adds the handle at its sorted place.
    void AddHandle(std::int32_t handle);
    // Removes every occurrence of the handle; whether there was one.
    bool RemoveHandle(std::int32_t handle);
    bool Contains(std::int32_t handle) const;
};

class IHMPClient {
public:
    static constexpr std::int16_t kItemTextSize = 256;

    virtual ~IHMPClient() = default;
    // The first entry of the top level.
    virtual void GetRoot(std::int32_t& handle) = 0;
    // Once, after the menu closed: the handles the user ticked and those the user unticked.
    virtual void ApplyChanges(const HMPItemList& turnedOn, const HMPItemList& turnedOff) = 0;
    // Asked of the first entry of each level: 1 makes the level a preview panel.
    virtual std::int16_t IsPreviewItem(std::int32_t /*handle*/) { return 0; }
    // A dimmed row is drawn grey and cannot be picked.
    virtual std::int16_t IsDimmed(std::int32_t /*handle*/) { return 0; }
    virtual std::int16_t IsValid(std::int32_t handle) = 0;
    // The client's own ticked state.
    virtual std::int16_t IsChecked(std::int32_t handle) = 0;
    virtual std::int16_t IsCheckable(std::int32_t handle) = 0;
    // An invalid handle when there is none.
    virtual void GetFirstChild(std::int32_t& child, std::int32_t handle) = 0;
    // -1 when there is none.
    virtual void GetNextSibling(std::int32_t& sibling, std::int32_t handle) = 0;
    // The row's text, NUL-terminated in at most size bytes (the menus give 256); "-" is a separator.
    virtual void GetItemText(std::int32_t handle, char* buffer, std::int16_t size) = 0;
    // The font of the level that begins with the handle.
    virtual void GetItemFont(win::LOGFONTA& font, std::int32_t handle) = 0;
};
