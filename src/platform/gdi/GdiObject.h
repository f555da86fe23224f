#pragma once
// The common part of every drawing object behind a handle (pens, brushes, fonts, bitmaps, regions,
// palettes and device contexts): its type, the handle registry that tells live handles from stale
// ones, the live counters, and deferred deletion. A device context holds a reference on each object
// selected into it, in its current state and in every saved state; DeleteObject on an object that
// is still referenced only marks it, and the last reference to go deletes it.

#include <utility>

#include "platform/sys/WinTypes.h"

namespace win::gdi {

class GdiObject {
public:
    explicit GdiObject(DWORD type);
    virtual ~GdiObject();
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    DWORD Type() const { return type_; }
    HGDIOBJ Handle() { return this; }

    // Stock objects live for the whole run and ignore deletion.
    bool IsStock() const { return stock_; }
    void MakeStock();

    void AddRef() { ++refs_; }
    void Release();
    // Deletes the object now when nothing references it, else when the last reference goes.
    // Answers false for stock objects.
    bool RequestDelete();
    bool IsDeletePending() const { return deletePending_; }

private:
    DWORD type_;
    int refs_ = 0;
    bool stock_ = false;
    bool deletePending_ = false;
};

// The live object behind a handle: null for unknown handles and for objects already deleted by
// DeleteObject (even while a device context still holds them).
GdiObject* LookupObject(HGDIOBJ handle);

template <typename T>
T* Lookup(HGDIOBJ handle, DWORD type) {
    GdiObject* object = LookupObject(handle);
    return object && object->Type() == type ? static_cast<T*>(object) : nullptr;
}

// A counted reference that keeps an object alive while held.
template <typename T>
class ObjectRef {
public:
    ObjectRef() = default;
    ObjectRef(T* object) : object_(object) {
        if (object_) object_->AddRef();
    }
    ObjectRef(const ObjectRef& other) : ObjectRef(other.object_) {}
    ObjectRef& operator=(const ObjectRef& other) {
        ObjectRef copy(other);
        std::swap(object_, copy.object_);
        return *this;
    }
    ~ObjectRef() {
        if (object_) object_->Release();
    }
    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    T* object_ = nullptr;
};

// Objects of one type (OBJ_PEN ...) alive now, stock objects not counted; type 0 counts all.
long LiveObjectCount(DWORD type);

}  // namespace win::gdi
