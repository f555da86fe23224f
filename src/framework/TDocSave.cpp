// The document's save family: writing its store in place, to another file or as a copy, the save
// commands over them with their choosers, reverting, and the error messages.

#include <string>

#include "foundation/Debug.h"
#include "foundation/FileError.h"
#include "foundation/pfm/PFM.h"
#include "framework/BusyCursor.h"
#include "framework/FileChoosers.h"
#include "framework/FileTypeList.h"
#include "framework/TAppl.h"
#include "framework/TDoc.h"
#include "framework/TWindow.h"
#include "platform/ui/Paint.h"

namespace {

// Why the Save As chooser asks again, or asks at all, for a document's file.
constexpr const char* kSaveElsewhere = "Please select a different file to save to.";

const char* PrepareVerb(TDoc::SaveKind kind) {
    switch (kind) {
        case TDoc::SaveKind::kSaveAs: return "save as";
        case TDoc::SaveKind::kSaveCopy: return "save a copy to";
        default: return "save";
    }
}

const char* SaveVerb(TDoc::SaveKind kind) {
    switch (kind) {
        case TDoc::SaveKind::kSaveAs: return "Saving as";
        case TDoc::SaveKind::kSaveCopy: return "Saving a copy to";
        default: return "Saving";
    }
}

}  // namespace

// The store's saves write a whole new file beside the old one and rename it into place, so a
// failure leaves the file on disk as it was and the store as it was.
ErrCode TDoc::WriteStore(const FileRef* target, SaveKind kind) {
    const BusyCursor busy;
    PFMSetCurrentFile(store_);
    const FileRef& named = target ? *target : file_;
    ErrCode error = CommitWindows();
    if (error != kNoErr) {
        ReportPrepareError(error, named, kind);
        return error;
    }
    if (!store_) {
        error = kFileNotFoundErr;
    } else if (kind == SaveKind::kSaveCopy) {
        error = PFMSaveCopy(*target);
    } else {
        error = PFMSaveFile(target);
    }
    if (error != kNoErr) {
        PFMClearError();
        ReportSaveError(error, named, kind);
        return error;
    }
    return SetFileTypeCodes(named, application_ ? application_->GetSignature() : 0, GetFileType());
}

ErrCode TDoc::WriteFile() {
    const ErrCode error = WriteStore(nullptr, SaveKind::kSave);
    if (error == kNoErr) SetClean();
    return error;
}

ErrCode TDoc::WriteAs(const FileRef& file) {
    FileRef target(file);
    target.SetPermission(kAccessCreate);
    const ErrCode error = WriteStore(&target, SaveKind::kSaveAs);
    if (error != kNoErr) return error;
    SetClean();
    file_ = target;
    UpdateWindowTitles();
    return kNoErr;
}

ErrCode TDoc::WriteCopy(const FileRef& file) {
    FileRef target(file);
    target.SetPermission(kAccessCreate);
    return WriteStore(&target, SaveKind::kSaveCopy);
}

// A file moved or deleted since it was opened or saved is tried in place all the same: the store
// finds it missing and its message, which advises Save As, is shown before the chooser asks. A file
// that cannot be written in place is said to be so before the chooser asks too.
ErrCode TDoc::Save(std::int16_t* cancelled) {
    if (cancelled) *cancelled = 0;
    if (!IsDirty()) return kNoErr;
    if (!HasDiskFile() && !HasLostDiskFile()) return SaveAs(cancelled);
    if (IsFileReadOnly()) {
        DebugPrintf("File \"%s\" %s. %s", file_.GetFullPath().c_str(),
                    file_.Exists() && file_.IsReadOnly() ? "is read-only" : "was opened read-only",
                    kSaveElsewhere);
    } else {
        const ErrCode error = WriteFile();
        if (error != kDocumentMissingErr) return error;
    }
    return SaveAs(cancelled);
}

// A cancelled chooser restamps the change time, so that autosave waits a full interval again.
ErrCode TDoc::SaveAs(std::int16_t* cancelled) {
    FileRef file(file_);
    const bool chosen = AskSaveAsFile(file) == kFileChooserChosen;
    if (cancelled) *cancelled = chosen ? 0 : 1;
    if (chosen) return WriteAs(file);
    StampChangeTime();
    return kNoErr;
}

ErrCode TDoc::SaveACopy(std::int16_t* cancelled) {
    FileRef file(file_);
    const bool chosen = AskSaveCopyFile(file) == kFileChooserChosen;
    if (cancelled) *cancelled = chosen ? 0 : 1;
    return chosen ? WriteCopy(file) : kNoErr;
}

// Without a store there is nothing to revert; the current store is never taken instead.
ErrCode TDoc::Revert() {
    if (!store_) return kFileNotFoundErr;
    ErrCode error = kNoErr;
    {
        const BusyCursor busy;
        error = PFMRevertFile(store_);
    }
    if (error == kNoErr) SetClean();
    for (const TWindow* window : windows_) {
        if (window->GetHWnd()) win::InvalidateRect(window->GetHWnd(), nullptr, win::TRUE);
    }
    return error;
}

namespace {

// The chooser rows of the application's documents: one labelled with the application's name and
// typed with its first open type, which is also the default type. An application without types
// offers every file.
struct DocumentKinds {
    std::string label;
    CustomFileList list;
    FourCC type = 0;

    explicit DocumentKinds(const TAppl* application) {
        const FourCC* types = application ? application->GetOpenFileTypes() : nullptr;
        if (!types || types[0] == 0) return;
        label = application->GetAppName();
        type = types[0];
        list.AddTypeList(label.c_str())->AddType(type);
    }
    DocumentKinds(const DocumentKinds&) = delete;  // the list points into the label
    DocumentKinds& operator=(const DocumentKinds&) = delete;
    const FourCC* DefaultType() const { return type ? &type : nullptr; }
};

}  // namespace

ErrCode TDoc::AskSaveAsFile(FileRef& file) {
    const DocumentKinds kinds(application_);
    return AskSaveFileFor(&kinds.list, kinds.DefaultType(), "Save File As", kSaveElsewhere, file, store_);
}

ErrCode TDoc::AskSaveCopyFile(FileRef& file) {
    const DocumentKinds kinds(application_);
    return AskSaveFile(&kinds.list, kinds.DefaultType(), "Save a Copy of",
                       "Please select a different filename to save a copy to.", file);
}

void TDoc::ReportPrepareError(ErrCode error, const FileRef& file, SaveKind kind) const {
    DebugPrintf("ERROR: %d Preparing to %s file\n\"%s\"\n%s", error, PrepareVerb(kind),
                file.GetFullPath().c_str(), FileErrorMessage(error));
}

void TDoc::ReportSaveError(ErrCode error, const FileRef& file, SaveKind kind) const {
    DebugPrintf("ERROR: %d %s file\n\"%s\"\n%s", error, SaveVerb(kind), file.GetFullPath().c_str(),
                FileErrorMessage(error));
}
