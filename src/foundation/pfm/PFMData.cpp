#include "foundation/pfm/PFMData.h"

#include "foundation/FileError.h"
#include "foundation/pfm/PFMFile.h"

ErrCode TPFMDataOwner::Attach(FourCC type, std::uint16_t id, int priority, TPFMData** data) {
    *data = nullptr;
    PFMFile* store = GetPFMFile();
    if (!store) return kFileNotFoundErr;
    const PFMSegmentKey key{type, id};
    const PFMFile::Index existing = store->FindKey(key);
    if (existing == PFMFile::kNone) {
        ErrCode err = kNoErr;
        const PFMFile::Index index = store->AddOwnedSegment(key, priority, this, data, err);
        if (index != PFMFile::kNone) entry_ = index;
        return err;
    }
    if (!store->IsKindAt(existing, kDataSegment)) return kBadDataErr;
    const PFMFile::Index index = store->AttachOwner(key, this);
    void* loaded = nullptr;
    const ErrCode err = store->CheckOutAt(index, &loaded);
    if (err != kNoErr) {
        store->ClearOwnerAt(index);
        entry_ = -1;
        return err;
    }
    *data = static_cast<TPFMData*>(loaded);
    entry_ = index;
    return kNoErr;
}

void TPFMDataOwner::Detach() {
    PFMFile* store = GetPFMFile();
    if (store && store->IsOwnedByAt(entry_, this)) store->ClearOwnerAt(entry_);
    entry_ = -1;
}

void TPFMDataOwner::Remove() {
    PFMFile* store = GetPFMFile();
    if (store && store->IsOwnedByAt(entry_, this)) {
        store->ClearOwnerAt(entry_);
        store->RemoveAt(entry_);
    }
    entry_ = -1;
}

ErrCode TPFMDataOwner::CheckOut(TPFMData** data) {
    *data = nullptr;
    PFMFile* store = GetPFMFile();
    if (!store || !store->IsOwnedByAt(entry_, this)) return kFileErr;
    void* loaded = nullptr;
    const ErrCode err = store->CheckOutAt(entry_, &loaded);
    *data = static_cast<TPFMData*>(loaded);
    return err;
}

ErrCode TPFMDataOwner::CheckIn(TPFMData** data) {
    PFMFile* store = GetPFMFile();
    if (!store || !store->IsOwnedByAt(entry_, this)) return kFileErr;
    if (store->GetLockCountAt(entry_) == 1) *data = nullptr;
    return store->CheckInAt(entry_);
}

bool TPFMDataOwner::IsChanged() {
    PFMFile* store = GetPFMFile();
    return store && store->IsOwnedByAt(entry_, this) && store->IsChangedAt(entry_);
}

void TPFMDataOwner::ClearChanged() {
    PFMFile* store = GetPFMFile();
    if (store && store->IsOwnedByAt(entry_, this)) store->SetChangedAt(entry_, false);
}

void TPFMDataOwner::SetChanged() {
    PFMFile* store = GetPFMFile();
    if (store && store->IsOwnedByAt(entry_, this)) store->SetChangedAt(entry_, true);
}
