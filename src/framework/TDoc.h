#pragma once
// The document base as the application object, its commands and autosave use it: a file shown in
// windows, with a dirty flag and a change time. A document joins the application's document list
// when it is made and leaves it when it goes. Reading, saving, reverting and the questions asked
// on closing belong to each kind of document: they are its pure operations here.

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/TObject.h"

class TAppl;
class TWindow;

class TDoc : public TObject {
    TOBJECT_CLASS(TDoc, TObject, 101)

public:
    explicit TDoc(TAppl* application);
    ~TDoc() override;

    bool HasFlags(std::uint32_t mask) const override { return (flags_ & mask) == mask; }

    // Opens the file (null: a new untitled document) and builds the windows; 0 or an error.
    virtual ErrCode Open(const FileRef* /*file*/) { return kNoErr; }
    virtual ErrCode OpenVariant(const FileRef& /*file*/) { return kNoErr; }
    // The name part of the document's file.
    virtual std::string GetFileName() const { return file_.NamePtr(); }
    // Brings the document's first window to the front.
    virtual void BringToFront();
    virtual void SetDirty();
    virtual void SetClean();
    // Saving: `cancelled` (when not null) tells whether the user cancelled a file dialog.
    virtual ErrCode Save(std::int16_t* cancelled) = 0;
    virtual ErrCode SaveAs(std::int16_t* cancelled) = 0;
    virtual ErrCode SaveACopy(std::int16_t* cancelled) = 0;
    virtual ErrCode Revert() = 0;
    virtual std::uint32_t GetChangeTime() const { return changeTime_; }
    // Closes every window (asking about unsaved changes unless forced); true when all closed. With
    // deleteWhenClosed the document then deletes itself.
    virtual bool Close(bool force, bool deleteWhenClosed) = 0;
    // Closes one of its windows; true when it closed. With deleteWhenEmpty a document left without
    // windows deletes itself.
    virtual bool CloseWindow(TWindow* window, bool force, bool deleteWhenEmpty) = 0;
    // Asks whether to save a changed document: true when closing must stop (cancelled or failed).
    virtual bool QuerySave() = 0;

    bool IsDirty() const { return (flags_ & kDirty) != 0; }
    // The change time becomes now.
    void StampChangeTime();
    const FileRef& GetFileRef() const { return file_; }
    FileRef& GetFileRef() { return file_; }
    TAppl* GetApplication() const { return application_; }

    std::int32_t GetWindowCount() const { return static_cast<std::int32_t>(windows_.size()); }
    TWindow* GetWindow(std::int32_t index) const;
    bool HasWindow(const TWindow* window) const;
    void AddWindow(TWindow* window);
    void RemoveWindow(TWindow* window);

    static constexpr std::uint16_t kDirty = 1;
    static constexpr std::uint16_t kReadFailed = 2;

protected:
    TAppl* application_;
    std::vector<TWindow*> windows_;  // first = main window; not owned
    FileRef file_;
    std::uint16_t flags_ = 0;
    std::uint32_t changeTime_ = 0;
};
