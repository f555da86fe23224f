#include "framework/TAppl.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "foundation/Memory.h"
#include "foundation/Startup.h"
#include "foundation/pfm/PFM.h"
#include "framework/AboutAppLib.h"
#include "framework/Alerts.h"
#include "framework/AppEnvironment.h"
#include "framework/AutoSaveManager.h"
#include "framework/FileChoosers.h"
#include "framework/InputHelpers.h"
#include "framework/PictureCache.h"
#include "framework/QRVClipBoard.h"
#include "framework/TDoc.h"
#include "framework/TMenu.h"
#include "framework/TWindow.h"
#include "framework/graphics/Cursors.h"
#include "platform/sys/FileSystem.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/HandOverReceiver.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Window.h"

using namespace win;

TAppl::TAppl(AppEnvironment* environment)
    : environment_(environment),
      firstQueue_(std::make_unique<CmdQueue>(this)),
      secondQueue_(std::make_unique<CmdQueue>(this)),
      autoSave_(std::make_unique<AutoSaveManager>(this)),
      pictures_(std::make_unique<PictureCache>()) {
    AppEnvironment::SetApplication(this);
}

TAppl::~TAppl() {
    autoSave_.reset();
    pictures_.reset();
    DeleteCursorManager();
    if (const HWND frame = GetFrameWindow()) {
        DestroyWindow(frame);
        // Nobody is left to take the quit request the frame posted on its way.
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    if (frameClassRegistered_) UnregisterClassA(frameClassName_.c_str(), environment_->GetInstance());
    if (PFMFile* data = environment_->GetDataFile()) {
        PFMCloseFile(data);
        environment_->SetDataFile(nullptr);
    }
    PFMTerm();
    FreeMemoryCushion();
    clipboard_.reset();
    environment_->Reset();
    firstQueue_.reset();
    secondQueue_.reset();
}

// --- commands

ErrCode TAppl::HandleCommand(std::int32_t id) {
    std::unique_ptr<TCommand> command = CreateCommand(id);
    if (!command) return -1;
    return ExecuteCommand(std::move(command));
}

// A command refused while the first queue is locked is freed unrun.
ErrCode TAppl::ExecuteCommand(std::unique_ptr<TCommand> command) {
    if (firstQueueLocked_ || !command) return 0;
    return command->Do();
}

CmdQueue* TAppl::Queue(int selector) const {
    return selector == kSecondQueue ? secondQueue_.get() : firstQueue_.get();
}

bool& TAppl::QueueLock(int selector) {
    return selector == kSecondQueue ? secondQueueLocked_ : firstQueueLocked_;
}

void TAppl::PostCommand(std::unique_ptr<TCommand> command, int selector) {
    if (CmdQueue* queue = Queue(selector)) queue->Post(std::move(command));
}

void TAppl::PostCommandId(std::int32_t id, int selector) {
    if (CmdQueue* queue = Queue(selector)) queue->PostId(id);
}

void TAppl::DrainQueue(int selector) {
    CmdQueue* queue = Queue(selector);
    if (queue && !QueueLock(selector)) queue->Process();
}

void TAppl::LockQueue(int selector) { QueueLock(selector) = true; }

void TAppl::UnlockQueue(int selector) { QueueLock(selector) = false; }

// --- small slots

PFMFile* TAppl::GetDataFile() const { return environment_->GetDataFile(); }

void TAppl::MakeUntitledName(char* buffer, std::size_t size) {
    std::snprintf(buffer, size, "untitled.%d", untitledCounter_ + 1);
}

std::int16_t TAppl::NextUntitledNumber() {
    untitledCounter_ = static_cast<std::int16_t>(untitledCounter_ >= 999 ? 0 : untitledCounter_ + 1);
    return untitledCounter_;
}

bool TAppl::ClipboardHasData() { return CountClipboardFormats() > 0; }

ErrCode TAppl::CreateClipboard() {
    clipboard_ = std::make_unique<QRVClipBoard>(CF_TEXT);
    return clipboard_ ? kNoErr : ErrCode{-1};
}

void TAppl::GetFrameTitle(char* buffer, std::size_t size) {
    if (size == 0) return;
    const std::string name = GetAppName();
    std::snprintf(buffer, size, "%s", name.c_str());
}

bool TAppl::PreviewFrameMessage(HWND, UINT, WPARAM, LPARAM, LRESULT&) { return false; }

// The framework's about box; when its items cannot be had, its text in a note box.
void TAppl::ShowAboutBox() {
    if ((new AboutAppLib)->DoModal() != -1) return;
    std::string text = GetAppName();
    if (String about; GetAboutText(about)) text += std::string("\n") + about.CStr();
    AlertMessage(text.c_str(), kAlertNote, 1);
}

// The Open chooser over the application's types. A document is opened read and write unless its
// file is read-only, so the chooser offers no read-only box.
ErrCode TAppl::AskOpenFile(FileRef& file) {
    return ChooseOpenFile(GetOpenFileTypes(), file, false, nullptr, nullptr);
}

ErrCode TAppl::AskOpenPrintFile(FileRef& file) { return AskOpenFile(file); }

// --- running

ErrCode TAppl::Run() {
    ErrCode result = Init();
    if (result == kNoErr) result = CreateClipboard();
    if (result != kNoErr) {
        Quit(true);
        return result;
    }
    OpenStartupFiles();
    MarkMenusStale();
    UpdateMenus();
    MessageLoop();
    return kNoErr;
}

void TAppl::Quit(bool destroyFrame) {
    CloseAllAppWindows();
    CloseAll(true);
    // A later start that gave up waiting for a dialog is told of now: the pause in the writer's
    // typing its box waits for will not come, nor, when the program quits as that dialog ends,
    // the turn of the message loop that would have handed it to the frame.
    TellFrameOfStartsGivenUp();
    TellHandOversGivenUp();
    if (!palettes_.empty()) CloseAllPalettes();
    OnQuit();
    if (destroyFrame && GetFrameWindow()) DestroyWindow(GetFrameWindow());
}

void TAppl::FlushAndQuit() {
    if (GetFrameWindow()) Quit(true);
    secondQueue_->Flush();
}

void TAppl::LowMemoryAbort() {
    FreeMemoryCushion();
    FatalMessage(GetAppName().c_str(), "%s", "Application is Aborting due to a low memory condition!");
    FrameworkEndHook();
    ShutDown();
    DeleteCursorManager();
    std::exit(1);
}
