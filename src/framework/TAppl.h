#pragma once
// The application object: one per process, made by the main routine through the application's
// factory and run by Run. It owns the open documents, the floating palettes, the application's
// tool windows, the menus, the two command queues, the clipboard wrapper, the autosave manager and
// the cache of the data file's pictures.
// It starts the program (memory reserve, store, application data file, menus, frame window), turns
// command ids into commands and runs them, opens and closes documents, and shuts everything down.
// Applications derive from it and override its virtual operations; what is here is the base
// behaviour.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/Types.h"
#include "foundation/Version.h"
#include "framework/CmdQueue.h"
#include "framework/graphics/ShortRect.h"
#include "platform/ui/Messages.h"

class AppEnvironment;
class AutoSaveManager;
class IPrintRecord;
class KeyEvent;
class PFMFile;
class PictureCache;
class QRVClipBoard;
class TDoc;
class TMenu;
class TWindow;

// Selectors of the two command queues.
inline constexpr int kFirstQueue = 0;   // item hits and window commands
inline constexpr int kSecondQueue = 1;  // start-up and file opening

// Command-line modes.
inline constexpr int kCommandLineHandOver = 0;
inline constexpr int kCommandLineDropped = 2;

class TAppl : public ICmdQueueClient {
public:
    explicit TAppl(AppEnvironment* environment);
    TAppl(const TAppl&) = delete;
    TAppl& operator=(const TAppl&) = delete;
    ~TAppl() override;

    // --- virtual operations

    // The command of the id, run; -1 when there is none.
    virtual ErrCode HandleCommand(std::int32_t id);
    // Runs the command and frees it; 0 without running it while the first queue is locked.
    ErrCode ExecuteCommand(std::unique_ptr<TCommand> command) override;
    virtual std::string GetAppName() const { return "QRV Application"; }
    // The text of a numbered message of the application; the base has none.
    virtual std::string GetMessageText(std::int32_t /*number*/) const { return {}; }
    virtual FourCC GetSignature() const { return FourCCOf("QRV "); }
    virtual VersionNumber GetVersion() const { return ParseVersion("1.0d1"); }
    virtual PFMFile* GetDataFile() const;
    // Closes every document; true when all closed, false when the user cancelled.
    virtual bool CloseAll(bool force);
    // CloseAll (no force) for the program to end (Quit, the frame closed, the session ending): a
    // writer who answers Yes to saving and then cancels the file chooser is asked again, so the quit
    // is called off only by Cancel at the question.
    bool CloseAllToQuit();
    bool IsQuitting() const { return quitting_; }
    // Asks each document whether it may be closed; true when none asked to stop.
    virtual bool CanQuit();
    // The file types the open dialog offers (four entries); null for its default.
    virtual const FourCC* GetOpenFileTypes() const { return nullptr; }
    virtual bool IsSingleDocument() const { return false; }
    virtual std::int32_t GetMaxDocuments() const { return 10; }
    // Whether the command can run now.
    virtual bool CommandEnabled(std::int32_t id);
    // With the flag's low byte set and New enabled, queues New.
    virtual ErrCode NewAtStartup(std::int16_t flag);
    virtual void ShowAboutBox();
    // "untitled.N" with the next number.
    virtual void MakeUntitledName(char* buffer, std::size_t size);
    // Whether the clipboard holds anything.
    virtual bool ClipboardHasData();
    virtual std::int32_t GetFixedValue() const { return 60; }
    // The first look at every key event, and the last chance of a key no window took; true when
    // taken.
    virtual bool PreviewKey(KeyEvent& /*event*/) { return false; }
    virtual bool HandleUnusedKey(KeyEvent& /*event*/) { return false; }
    // Starts the framework: 0, or an error code (the program then ends).
    virtual ErrCode Init();
    virtual void BuildMenus();
    virtual ErrCode CreateClipboard();
    // Runs in Quit after every window and document closed.
    virtual void OnQuit() {}
    virtual std::uint32_t GetMemoryReserveSize() const { return 32768; }
    virtual void MessageLoop();
    // The application data file's name; the base takes the program's name with ".pfm".
    virtual ErrCode GetDataFileName(char* buffer, std::size_t size);
    // The folder of the application data file; the base takes the program's folder.
    virtual ErrCode GetDataFolder(VolumePart& volume, DirectoryPart& directory);
    virtual ErrCode GetDataFileRef(FileRef& file);
    virtual ErrCode OpenDataFile();
    // The framework's command of the id, or null.
    virtual std::unique_ptr<TCommand> CreateCommand(std::int32_t id);
    // The files of the command line, or a new document when there are none.
    virtual ErrCode OpenStartupFiles();
    // Opens what a command line names (a later start's, or dropped files); true when it held the
    // print switch. The text is cut into pieces in place.
    virtual bool HandleCommandLine(char* text, int mode);
    // Queues the opening of a file: 0, -1 for a path naming no file, -2 for one that is no path.
    virtual ErrCode OpenFile(const char* path);
    // Later starts' hand-overs (CommandLine.h): the names of each, relative ones in its folder. They
    // wait for the writer to pause in typing, and are then opened (OpenHandOvers); the files of a
    // start that gave up waiting (givenUp) are not, and the writer is told so then, in one box, or
    // as the program quits, should it quit before that pause.
    void KeepHandOver(std::vector<std::string> pieces, std::string folder, bool givenUp = false);
    void OpenHandOvers();
    // Whether what runs now opens files a later start handed over, not the writer's own command: a
    // question that brings up takes no typed key for its answer (TypingHold.h).
    bool IsOpeningHandOver() const { return openingHandOver_ > 0; }
    // Marks what runs while it lives as opening a hand-over's files.
    class HandOverOpening {
    public:
        explicit HandOverOpening(TAppl& application) : application_(application) {
            ++application_.openingHandOver_;
        }
        ~HandOverOpening() { --application_.openingHandOver_; }
        HandOverOpening(const HandOverOpening&) = delete;
        HandOverOpening& operator=(const HandOverOpening&) = delete;

    private:
        TAppl& application_;
    };
    virtual void ShowDocument(TDoc* document);
    // A new document of the application's kind; null in the base.
    virtual TDoc* CreateDocument() { return nullptr; }
    // Asks for a file to open: 0 when one was chosen.
    virtual ErrCode AskOpenFile(FileRef& file);
    virtual ErrCode AskOpenPrintFile(FileRef& file);
    // True when the application took the file itself (it is not opened as a document).
    virtual bool ImportFile(const FileRef& /*file*/) { return false; }
    virtual void FrontDocumentChanged(TDoc* /*document*/) {}
    virtual void GetFrameTitle(char* buffer, std::size_t size);
    // The first look at every frame window message; true when taken (result holds the answer).
    virtual bool PreviewFrameMessage(win::HWND window, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam, win::LRESULT& result);

    // --- running

    // Init, the clipboard, the start-up files, the first menu update and the message loop; when
    // start-up fails, Quit. Answers start-up's result.
    ErrCode Run();
    // Closes every window and document and the palettes; with the flag, destroys the frame (which
    // ends the message loop).
    void Quit(bool destroyFrame);
    // Quit with the frame destroyed, and the commands still waiting in the second queue dropped
    // (a story made after the frame went would never be closed).
    void FlushAndQuit();
    // A request to close the frame that came while it was disabled waits here until it is enabled.
    bool IsCloseWaiting() const { return closeWaiting_; }
    void SetCloseWaiting(bool waiting) { closeWaiting_ = waiting; }
    // Ends the process after telling the user that memory ran out.
    [[noreturn]] void LowMemoryAbort();

    // --- documents

    ErrCode NewDocument(bool forceSingle);
    ErrCode OpenDocument(const FileRef& file, bool forceSingle);
    ErrCode OpenDocumentVariant(const FileRef& file, bool forceSingle);
    ErrCode AskAndOpen(bool forceSingle);
    ErrCode AskAndOpenVariant(bool forceSingle);
    ErrCode OpenPrintClose(const FileRef& file);
    TDoc* FindDocumentByFile(const FileRef& file) const;
    std::int32_t GetDocumentCount() const { return static_cast<std::int32_t>(documents_.size()); }
    TDoc* GetDocument(std::int32_t index) const;
    void AddDocument(TDoc* document);
    void RemoveDocument(TDoc* document);
    std::int16_t NextUntitledNumber();

    // --- windows

    // The framework window on top of the MDI client's children, or null.
    TWindow* GetFrontWindow() const;
    // The front window's document when it is an MDI child, else null.
    TDoc* GetFrontDocument() const;
    bool HasFrontDocument() const { return GetFrontDocument() != nullptr; }
    TDoc* GetFrontDocumentOrActive() const;
    // Tells FrontDocumentChanged when the front document is another than last time.
    void CheckFrontDocument();
    void SelectWindow(TWindow* window);
    // Closes the window (asking it first unless forced); true when it closed.
    bool CloseWindow(TWindow* window, bool force);
    void OnWindowClosed() {}
    void CloseAllPalettes();
    void UpdatePaletteTitles();
    void CloseAllAppWindows();
    void AddPalette(TWindow* palette);
    void RemovePalette(TWindow* palette);
    std::int32_t GetPaletteCount() const { return static_cast<std::int32_t>(palettes_.size()); }
    TWindow* GetPalette(std::int32_t index) const;
    void AddAppWindow(TWindow* window);
    void RemoveAppWindow(TWindow* window);
    TWindow* GetAppWindow(std::int32_t index) const;
    std::int32_t GetAppWindowCount() const { return static_cast<std::int32_t>(appWindows_.size()); }
    win::HWND GetFrameWindow() const;
    win::HWND GetMDIClient() const;
    ShortRect GetFrameClientRect() const;
    std::string GetProgramName() const;

    // --- menus

    // Updates the menu bar's entries when the menus are stale.
    void UpdateMenus();
    bool MenusStale() const { return menusStale_; }
    void MarkMenusStale() { menusStale_ = true; }
    TMenu* FindMenuById(std::int32_t id) const;
    TMenu* FindMenuByHandle(win::HMENU menu) const;
    TMenu* GetMenu(std::int32_t index) const;
    std::int32_t GetMenuCount() const { return static_cast<std::int32_t>(menus_.size()); }
    // Appends a menu to the menu list (which owns it); answers its index.
    std::int32_t AddMenu(TMenu* menu);
    std::int32_t GetRootMenuIndex() const { return rootMenuIndex_; }
    void SetRootMenuIndex(std::int32_t index) { rootMenuIndex_ = index; }
    std::int32_t GetWindowMenuIndex() const { return windowMenuIndex_; }
    void SetWindowMenuIndex(std::int32_t index) { windowMenuIndex_ = index; }

    // --- commands

    ErrCode HandleCommandId(std::int32_t id) override { return HandleCommand(id); }
    // Queues on the selected queue (kFirstQueue or kSecondQueue).
    void PostCommand(std::unique_ptr<TCommand> command, int selector);
    void PostCommandId(std::int32_t id, int selector);
    // Runs the queue's commands now, unless it is locked.
    void DrainQueue(int selector);
    void LockQueue(int selector);
    void UnlockQueue(int selector);
    // The enabling test of Paste: something on the clipboard and a front window that can paste.
    bool PasteEnabled();

    // --- the rest

    // The message the loop took last.
    win::MSG& GetMessageRecord() { return message_; }
    AutoSaveManager* GetAutoSaveManager() const { return autoSave_.get(); }
    // The print settings every print job shares; the application sets them up (null until then).
    IPrintRecord* GetPrintRecord() const { return printRecord_; }
    void SetPrintRecord(IPrintRecord* record) { printRecord_ = record; }
    QRVClipBoard* GetClipboard() const { return clipboard_.get(); }
    // The data file's pictures, each loaded once for every window that shows it.
    PictureCache& GetPictureCache() { return *pictures_; }
    AppEnvironment* GetEnvironment() const { return environment_; }
    // The profile file holding the frame's placement ("APP_FRAME").
    const std::string& GetProfilePath() const { return profilePath_; }

protected:
    // The four menus of the base menu bar.
    std::int32_t menuIndex2_ = 0;
    std::int32_t menuIndex3_ = 0;
    std::int32_t menuIndex4_ = 0;
    std::int32_t menuIndex6_ = 0;

private:
    CmdQueue* Queue(int selector) const;
    bool& QueueLock(int selector);
    ErrCode RegisterFrameClass();
    ErrCode CreateFrameWindow();
    ErrCode OpenWith(const FileRef* file, bool forceSingle, bool variant);

    AppEnvironment* environment_;
    std::vector<TDoc*> documents_;  // in opening order; each document adds and removes itself
    std::vector<TWindow*> palettes_;
    std::unique_ptr<QRVClipBoard> clipboard_;
    win::MSG message_{};
    std::vector<std::unique_ptr<TMenu>> menus_;
    std::int32_t rootMenuIndex_ = 0;
    std::int32_t windowMenuIndex_ = 0;
    std::int16_t untitledCounter_ = 0;
    bool menusStale_ = false;
    bool quitting_ = false;  // while CloseAllToQuit runs
    std::unique_ptr<CmdQueue> firstQueue_;
    std::unique_ptr<CmdQueue> secondQueue_;
    bool firstQueueLocked_ = false;
    bool secondQueueLocked_ = false;
    std::vector<TWindow*> appWindows_;
    TDoc* frontDocument_ = nullptr;
    std::unique_ptr<AutoSaveManager> autoSave_;
    std::unique_ptr<PictureCache> pictures_;
    IPrintRecord* printRecord_ = nullptr;
    std::string frameClassName_;
    std::string profilePath_;
    bool frameClassRegistered_ = false;
    bool closeWaiting_ = false;
    struct HandOverNames {
        std::vector<std::string> pieces;
        std::string folder;
        bool givenUp = false;
    };
    std::vector<HandOverNames> handOvers_;  // waiting for the writer to pause in typing
    // Tells the writer of the files of every start that gave up waiting, and lets them go.
    void TellHandOversGivenUp();
    int openingHandOver_ = 0;
};

// The frame window's procedure; window long 0 holds the application.
win::LRESULT FrameWndProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

// Turns a Ctrl key-down into the command of the menu entry whose shortcut it is, sending it to the
// frame; true when it did.
bool TranslateOwnAccelerator(win::HWND frame, win::MSG& message);
