#pragma once
// The document base: a store opened from a file or started untitled, shown in one or more windows,
// with a dirty flag and a change time, and the open / save / save as / save a copy / revert / close
// behaviour with its questions and error messages. A document joins the application's document
// list when it is made and leaves it when it goes.
//
// Applications derive from it: their Open reads the file (Read) and builds the windows; ReadFrom
// reads their records from the store; CommitWindows makes the windows store the edits in progress
// before a save; BeforeCloseFile runs before the store closes. Saving goes through the store's safe
// saves: whatever fails, the file on disk is the old document or the new one, whole, and the
// document stays dirty until a save succeeded.
//
// Questions answer kAnswerYes, kAnswerNo or kAnswerCancel (Alerts.h). Save, SaveAs and SaveACopy
// write 1 through `cancelled` (when not null) when the user cancelled the file chooser, else 0.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/TObject.h"

class PFMFile;
class TAppl;
class TWindow;

class TDoc : public TObject {
    TOBJECT_CLASS(TDoc, TObject, 101)

public:
    // The three ways of writing, as the error messages name them.
    enum class SaveKind { kSave = 0, kSaveAs = 1, kSaveCopy = 2 };

    static constexpr std::uint16_t kDirty = 1;
    static constexpr std::uint16_t kReadFailed = 2;

    explicit TDoc(TAppl* application);
    // Closes the store should it still be open (without BeforeCloseFile: a derived document that
    // needs it calls CloseFile in its own destructor).
    ~TDoc() override;

    std::uint32_t GetDataSize() const override;
    // All bits of the mask set in the flags.
    bool HasFlags(std::uint32_t mask) const override { return (flags_ & mask) == mask; }
    // No while the last read failed.
    bool CanClose() override;
    using TObject::ReadFrom;

    // --- virtual operations

    // Reads the file (null: a new untitled document) and builds the windows; 0 or an error. The
    // base does nothing.
    virtual ErrCode Open(const FileRef* /*file*/) { return kNoErr; }
    virtual ErrCode OpenVariant(const FileRef& /*file*/) { return kNoErr; }
    // The name part of the document's file.
    virtual std::string GetFileName() const { return file_.NamePtr(); }
    virtual void GetTitle(char* /*buffer*/, std::size_t /*size*/) const {}
    // The four-character type given to saved files.
    virtual FourCC GetFileType() const { return 0; }
    // Brings the document's first window to the front.
    virtual void BringToFront();
    virtual void UpdateWindowTitles();
    // Marks the document changed (stamping the change time when it was clean), or saved.
    virtual void SetDirty();
    virtual void SetClean();
    // Write the store: in place, to another file (which becomes the document's), or a copy (the
    // document keeps its file, name and dirty state). Errors are reported to the user.
    virtual ErrCode WriteFile();
    virtual ErrCode WriteAs(const FileRef& file);
    virtual ErrCode WriteCopy(const FileRef& file);
    // Save writes a changed document in place, or asks for a file when it has none it may write.
    virtual ErrCode Save(std::int16_t* cancelled);
    virtual ErrCode SaveAs(std::int16_t* cancelled);
    virtual ErrCode SaveACopy(std::int16_t* cancelled);
    // Takes every changed segment back from the file, without asking.
    virtual ErrCode Revert();
    virtual std::uint32_t GetChangeTime() const { return changeTime_; }
    virtual bool CanCloseWindow(TWindow* /*window*/, bool /*force*/) { return true; }
    virtual void DeleteWindow(TWindow* window);
    // True for a store file; otherwise a warning beep and false.
    virtual bool CanOpenFile(const FileRef& file);
    // Reads the application's records from the freshly opened store; false when it cannot.
    virtual bool ReadFrom(const FileRef& /*file*/, PFMFile* /*store*/) { return true; }
    // Opens the file's store (null: a new untitled one); -6 for a file that is no store or that
    // ReadFrom refused. Any error sets the read-failed flag.
    virtual ErrCode Read(const FileRef* file);
    // Closes the store (after BeforeCloseFile); the close result, 0 when none was open.
    virtual ErrCode CloseFile();
    virtual void BeforeCloseFile() {}
    // Lets each window store the edits in progress; 0, or an error that stops the save.
    virtual ErrCode CommitWindows();
    // "Save changes to ..." with Yes, No and (unless noCancel) Cancel.
    virtual int AskSaveChanges(bool noCancel);
    // The save choosers: 0 when a file was chosen (it is in `file`), 1 when cancelled.
    virtual ErrCode AskSaveAsFile(FileRef& file);
    virtual ErrCode AskSaveCopyFile(FileRef& file);

    // --- closing

    // Closes every window (asking about unsaved changes on the last); true when all closed. With
    // deleteWhenClosed the document then deletes itself.
    bool Close(bool force, bool deleteWhenClosed);
    // Closes one window; on the document's last window of a changed document, asks first. A forced
    // close asks without Cancel. True when the window closed; with deleteWhenEmpty a document left
    // without windows then deletes itself.
    bool CloseWindow(TWindow* window, bool force, bool deleteWhenEmpty);
    // Asks whether to save a changed document; true when closing must stop (cancelled or failed).
    bool QuerySave();

    // --- state

    bool IsDirty() const { return (flags_ & kDirty) != 0; }
    // A store is open and its file exists on disk.
    bool HasDiskFile() const;
    // A store is open whose file was moved or deleted since the store read or wrote it.
    bool HasLostDiskFile() const;
    // The file may not be written: read-only on disk, or opened for reading only.
    bool IsFileReadOnly() const;
    // The change time becomes now.
    void StampChangeTime();
    const FileRef& GetFileRef() const { return file_; }
    FileRef& GetFileRef() { return file_; }
    PFMFile* GetStore() const { return store_; }
    TAppl* GetApplication() const { return application_; }

    std::int32_t GetWindowCount() const { return static_cast<std::int32_t>(windows_.size()); }
    TWindow* GetWindow(std::int32_t index) const;
    bool HasWindow(const TWindow* window) const;
    void AddWindow(TWindow* window);
    void RemoveWindow(TWindow* window);

    // "ERROR: ..." messages through the debug channel, which the application shows as alerts.
    void ReportPrepareError(ErrCode error, const FileRef& file, SaveKind kind) const;
    void ReportSaveError(ErrCode error, const FileRef& file, SaveKind kind) const;

protected:
    TAppl* application_;
    std::vector<TWindow*> windows_;  // first = main window; not owned
    FileRef file_;
    PFMFile* store_ = nullptr;
    std::uint16_t flags_ = 0;
    std::uint32_t changeTime_ = 0;

private:
    // Saves the store to the target (null: in place) or a copy to it; the steps WriteFile, WriteAs
    // and WriteCopy share.
    ErrCode WriteStore(const FileRef* target, SaveKind kind);
};
