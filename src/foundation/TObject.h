#pragma once
// The root of the framework's object classes: run-time class ids with a kind test along the class
// chain, a nestable lock with first-lock and last-unlock hooks, size reports, a close test and
// streaming into and out of files.

#include <cstddef>
#include <cstdint>

#include "foundation/Types.h"

class IReadFile;
class IWriteFile;

class TObject {
public:
    static constexpr ClassId kClassId = 0;

    TObject() noexcept = default;
    // A copy is a new object: it starts unlocked, whatever the lock state of its source.
    TObject(const TObject&) noexcept {}
    // Assignment copies the fields of derived classes but keeps this object's own lock count, so
    // that lock and unlock pairs held on it stay balanced.
    TObject& operator=(const TObject&) noexcept { return *this; }
    virtual ~TObject() = default;

    // Called by Lock when the count goes from 0 to 1, and by Unlock when it goes from 1 to 0.
    virtual void DoLock() {}
    virtual void DoUnlock() {}

    virtual ClassId GetClassId() const { return kClassId; }
    virtual bool IsKindOf(ClassId id) const { return id == kClassId; }

    // Bytes of the object itself, and of the blocks it owns outside itself.
    virtual std::uint32_t GetObjectSize() const { return sizeof(TObject); }
    virtual std::uint32_t GetDataSize() const { return 0; }

    virtual bool HasFlags(std::uint32_t /*mask*/) const { return false; }
    virtual bool CanClose() { return true; }

    // Stored size of the object, or -1 when it cannot be streamed.
    virtual std::int32_t GetFlattenedSize() const { return -1; }
    virtual ErrCode ReadFrom(IReadFile& /*file*/) { return kNoErr; }
    virtual ErrCode WriteTo(IWriteFile& /*file*/) { return kNoErr; }

    // A new object equal to this one, owned by the caller; null for classes that cannot be cloned.
    virtual TObject* Clone() const { return nullptr; }

    void Lock();
    void Unlock();
    bool IsLocked() const { return lockCount_ > 0; }
    std::uint8_t GetLockCount() const { return lockCount_; }

    bool IsSameClass(const TObject& other) const { return GetClassId() == other.GetClassId(); }
    bool IsOtherClass(const TObject& other) const { return !IsSameClass(other); }

private:
    std::uint8_t lockCount_ = 0;
};

// Declares the class-id members of a class derived from TObject:
//   class String : public TObject { TOBJECT_CLASS(String, TObject, 1) ... };
#define TOBJECT_CLASS(Class, Base, Id)                                                                 \
public:                                                                                                \
    static constexpr ClassId kClassId = (Id);                                                          \
    ClassId GetClassId() const override { return kClassId; }                                           \
    bool IsKindOf(ClassId id) const override { return id == kClassId || Base::IsKindOf(id); }          \
    std::uint32_t GetObjectSize() const override { return static_cast<std::uint32_t>(sizeof(Class)); } \
                                                                                                       \
private:

// Keeps an object locked for the lifetime of the guard.
class ObjectLocker {
public:
    explicit ObjectLocker(TObject* object) : object_(object) {
        if (object_) object_->Lock();
    }
    ~ObjectLocker() {
        if (object_) object_->Unlock();
    }
    ObjectLocker(const ObjectLocker&) = delete;
    ObjectLocker& operator=(const ObjectLocker&) = delete;

private:
    TObject* object_;
};

// GetObjectSize plus GetDataSize.
std::uint32_t ObjectTotalSize(const TObject& object);

// Deletes the object; null is ignored.
void DeleteObject(TObject* object);

// Deletes the object the pointer holds and clears the pointer.
template <typename T>
void DeleteObjectAt(T** pointer) {
    if (!pointer) return;
    DeleteObject(*pointer);
    *pointer = nullptr;
}

// Asks the object whether it can close: when it can, it is left alone and the answer is true;
// when it cannot, it is deleted and the answer is false. Null answers false.
bool ReleaseObject(TObject* object);
