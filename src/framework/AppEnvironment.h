#pragma once
// The one application-environment record of the process: through it every subsystem reaches the
// application object, the frame window, the MDI client, the application data file and the cursor
// manager. The record exists for the whole process; GetAppEnvironment answers it only while the
// main routine runs (null before and after).

#include <cstdint>
#include <string>

#include "foundation/TypedList.h"
#include "platform/sys/WinTypes.h"

class CursorManager;
class PFMFile;
class TAppl;

// Window classes whose registration the record keeps track of.
inline constexpr const char* kWindowClassName = "QRV_TWindow_CLASS";
inline constexpr const char* kItemClassName = "QRV_TItem_CLASS";
inline constexpr const char* kDialogClassName = "TDialogClass";
inline constexpr const char* kPaletteClassName = "QRV_TPalette_CLASS";

// A list of pointer-sized values: window handles and the objects that go with them.
class PointerList : public TypedList<std::uintptr_t> {
public:
    explicit PointerList(std::uint16_t growth) : TypedList(growth, 0, 0) {}
};

class AppEnvironment {
public:
    AppEnvironment();
    AppEnvironment(const AppEnvironment&) = delete;
    AppEnvironment& operator=(const AppEnvironment&) = delete;

    // The record of the process (whether or not the main routine runs).
    static AppEnvironment& Instance();

    // 0, or -1 when the main routine does not run (there is no environment to hold it).
    static ErrCode SetApplication(TAppl* application);
    TAppl* GetApplication() const { return application_; }

    // What the program was started with: the arguments (entry 0 is the program) and the command
    // line after the program's name.
    void SetStart(int argumentCount, char** arguments, win::HINSTANCE instance, win::HINSTANCE previous,
                  const char* commandLine, int showCommand);
    int GetArgumentCount() const { return argumentCount_; }
    char** GetArguments() const { return arguments_; }
    win::HINSTANCE GetInstance() const { return instance_; }
    void SetInstance(win::HINSTANCE instance) { instance_ = instance; }
    win::HINSTANCE GetPreviousInstance() const { return previousInstance_; }
    const char* GetCommandLine() const { return commandLine_; }
    int GetShowCommand() const { return showCommand_; }
    std::int32_t GetProcessId() const { return processId_; }

    // The file-name part of argument 0 (after its last '/'; all of it when it has none), the caption
    // of start-up error boxes.
    std::string GetProgramName() const;

    // The GDI object shared by the windows (the default item font); deleted by Reset.
    win::HGDIOBJ GetSharedObject() const { return sharedObject_; }
    void SetSharedObject(win::HGDIOBJ object) { sharedObject_ = object; }

    // Whether the window class of that name has been registered (the classes above).
    bool IsClassRegistered(const char* className) const;
    void SetClassRegistered(const char* className, bool registered);

    // Lists 1 to 4: 1 and 2 the item windows that are no items' own class (handles, items), kept in
    // the order of the handles; 3 and 4 the open dialogs (handles, dialog objects).
    PointerList& GetList(int number);

    // The cursor shown now, the one pushed for -1, and the manager's state.
    std::int32_t GetCurrentCursorId() const { return currentCursorId_; }
    void SetCurrentCursorId(std::int32_t id) { currentCursorId_ = id; }
    std::int32_t GetDefaultCursorId() const { return defaultCursorId_; }
    void SetDefaultCursorId(std::int32_t id) { defaultCursorId_ = id; }
    std::int32_t GetCursorState() const { return cursorState_; }
    void SetCursorState(std::int32_t state) { cursorState_ = state; }
    CursorManager* GetCursorManager() const { return cursorManager_; }
    void SetCursorManager(CursorManager* manager) { cursorManager_ = manager; }

    // True while the application is not the active application.
    bool IsInBackground() const { return inBackground_; }
    void SetInBackground(bool background) { inBackground_ = background; }
    // Set by floating windows before they take the activation: the frame keeps its caption active
    // once.
    bool KeepsFrameActive() const { return keepFrameActive_; }
    void SetKeepFrameActive(bool keep) { keepFrameActive_ = keep; }

    win::HWND GetFrameWindow() const { return frameWindow_; }
    void SetFrameWindow(win::HWND frame) { frameWindow_ = frame; }
    win::HWND GetMDIClient() const { return mdiClient_; }
    void SetMDIClient(win::HWND client) { mdiClient_ = client; }
    PFMFile* GetDataFile() const { return dataFile_; }
    void SetDataFile(PFMFile* file) { dataFile_ = file; }

    // Releases what the record holds: the shared object, the registered classes and the lists,
    // then every other field back to its start value.
    void Reset();

private:
    TAppl* application_ = nullptr;
    int argumentCount_ = 0;
    char** arguments_ = nullptr;
    win::HINSTANCE instance_ = nullptr;
    win::HINSTANCE previousInstance_ = nullptr;
    const char* commandLine_ = nullptr;
    int showCommand_ = 0;
    std::int32_t processId_ = 0;
    win::HGDIOBJ sharedObject_ = nullptr;
    bool windowClassRegistered_ = false;
    PointerList list1_{128};
    PointerList list2_{128};
    bool itemClassRegistered_ = false;
    bool dialogClassRegistered_ = false;
    bool paletteClassRegistered_ = false;
    PointerList list3_{128};
    PointerList list4_{128};
    std::int32_t currentCursorId_ = 0;
    std::int32_t defaultCursorId_ = 0;
    std::int32_t cursorState_ = -1;
    CursorManager* cursorManager_ = nullptr;
    bool inBackground_ = false;
    bool keepFrameActive_ = false;
    win::HWND frameWindow_ = nullptr;
    win::HWND mdiClient_ = nullptr;
    PFMFile* dataFile_ = nullptr;
};

// The record while the main routine runs, else null.
AppEnvironment* GetAppEnvironment();
// Makes a record the one GetAppEnvironment answers (null: none): the main routine does, for the time
// it runs, and tests around theirs. Answers the previous one.
AppEnvironment* SetAppEnvironment(AppEnvironment* environment);

// The application object of the environment; null outside the main routine.
TAppl* GetAppl();

// The frame window class of the program: "QRV_", the letters and digits of the program file's name
// (extension included), then "_CLASS". A name of more than 246 letters and digits loses its last 11.
std::string MakeFrameClassName(win::HINSTANCE instance);
// The same rule for a given file name.
std::string FrameClassNameFor(const std::string& programFileName);
