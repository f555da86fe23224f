// The application's start-up: memory reserve, store, application data file, menus, the frame
// window at its remembered place, and the cursors.

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "foundation/Debug.h"
#include "foundation/Memory.h"
#include "foundation/PathUtil.h"
#include "foundation/pfm/PFM.h"
#include "framework/Alerts.h"
#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/TMenu.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/AppFolder.h"
#include "framework/graphics/Cursors.h"
#include "platform/gdi/SystemColors.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

constexpr DWORD kFrameStyle = 0x02CF0000;  // WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN
constexpr const char* kFrameSection = "APP_FRAME";
constexpr int kDefaultFramePosition = 3;

// The application's name on every message the file and store code reports.
int AlertDebugMessage(const char* text) { return AlertMessage(text, kAlertStop, 1); }

// When memory runs out for good.
void OnMemoryExhausted() {
    if (TAppl* application = GetAppl()) application->LowMemoryAbort();
    std::abort();
}

struct FramePlacement {
    bool maximized = true;
    int x = kDefaultFramePosition;
    int y = kDefaultFramePosition;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
};

// The frame's place as the profile remembers it, brought inside the work area of the OS desktop the
// frame's window is placed on (the desktop less its taskbar): a size that is not positive is left to the
// default, one larger than the work area is cut to it, and a place that would leave part of the frame outside
// is moved in.
FramePlacement ReadPlacement(const std::string& profile) {
    FramePlacement placement;
    const char* file = profile.c_str();
    placement.maximized = GetPrivateProfileIntA(kFrameSection, "Maxed", 1, file) != 0;
    const RECT area = GetFrameDesktop();
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    const int width = static_cast<int>(GetPrivateProfileIntA(kFrameSection, "Width", CW_USEDEFAULT, file));
    const int height = static_cast<int>(GetPrivateProfileIntA(kFrameSection, "Height", CW_USEDEFAULT, file));
    if (width > 0 && height > 0 && areaWidth > 0 && areaHeight > 0) {
        placement.width = std::min(width, areaWidth);
        placement.height = std::min(height, areaHeight);
    }
    const int x = static_cast<int>(GetPrivateProfileIntA(kFrameSection, "XPos", kDefaultFramePosition, file));
    const int y = static_cast<int>(GetPrivateProfileIntA(kFrameSection, "YPos", kDefaultFramePosition, file));
    const int extentX = placement.width > 0 ? placement.width : 0;
    const int extentY = placement.height > 0 ? placement.height : 0;
    placement.x = std::max<int>(area.left, std::min<int>(x, area.right - extentX));
    placement.y = std::max<int>(area.top, std::min<int>(y, area.bottom - extentY));
    return placement;
}

}  // namespace

ErrCode TAppl::Init() {
    SetMemoryCushion(GetMemoryReserveSize());
    std::set_new_handler(OnMemoryExhausted);
    if (PFMInit(GetSignature(), GetVersion()) != kNoErr) {
        FatalMessage(GetAppName().c_str(), "%s", "Error Initializing PFM.");
        return -1;
    }
    // Swap files and the temporary files of saves that a copy ended by a signal or a crash left
    // behind go, so that their names are free again; those a running copy holds stay.
    PFMRemoveUnheldSwapFiles();
    PFMRemoveLeftSaveFiles();
    if (const ErrCode error = OpenDataFile(); error != kNoErr) return error;
    SetDebugPrintHook(AlertDebugMessage);

    BuildMenus();
    for (const auto& menu : menus_) menu->ResolveSubmenus();

    if (const ErrCode error = RegisterFrameClass(); error != kNoErr) return error;
    if (const ErrCode error = CreateFrameWindow(); error != kNoErr) return error;

    if (!GetDataFile()) return -1;
    PFMPushCurrentFile(GetDataFile());
    SetUpCursors();
    PFMPopCurrentFile();
    return kNoErr;
}

ErrCode TAppl::RegisterFrameClass() {
    frameClassName_ = MakeFrameClassName(environment_->GetInstance());
    WNDCLASSA frameClass;
    frameClass.lpfnWndProc = FrameWndProc;
    frameClass.cbWndExtra = sizeof(LONG_PTR);
    frameClass.hInstance = environment_->GetInstance();
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(COLOR_APPWORKSPACE + 1));
    frameClass.lpszClassName = frameClassName_.c_str();
    frameClassRegistered_ = RegisterClassA(&frameClass) != 0;
    return frameClassRegistered_ ? kNoErr : ErrCode{-1};
}

ErrCode TAppl::CreateFrameWindow() {
    if (!GetProgramProfilePath(profilePath_)) profilePath_.clear();
    const FramePlacement placement = ReadPlacement(profilePath_);
    char title[128];
    GetFrameTitle(title, sizeof title);
    TMenu* root = GetMenu(rootMenuIndex_);
    // The frame is the program's own window on the desktop. Opening maximised, it takes that window
    // as it is (a size of 0) and keeps the remembered size for when it is restored, rather than
    // taking that size first and growing again.
    const bool maximized = placement.maximized;
    const HWND frame =
        CreateWindowExA(0, frameClassName_.c_str(), title, kFrameStyle, placement.x, placement.y,
                        maximized ? 0 : placement.width, maximized ? 0 : placement.height, nullptr,
                        root ? root->GetHMenu() : nullptr, environment_->GetInstance(), this);
    environment_->SetFrameWindow(frame);
    if (!frame) return -1;
    ShowWindow(frame, maximized ? SW_MAXIMIZE : SW_SHOW);
    if (maximized && placement.width != CW_USEDEFAULT) {
        WINDOWPLACEMENT restored;
        GetWindowPlacement(frame, &restored);
        restored.rcNormalPosition =
            RECT{placement.x, placement.y, placement.x + placement.width, placement.y + placement.height};
        restored.showCmd = SW_SHOWMAXIMIZED;
        SetWindowPlacement(frame, &restored);
    }
    UpdateWindow(frame);
    return kNoErr;
}

void TAppl::BuildMenus() {
    rootMenuIndex_ = AddMenu(new TMenu(this, 128, false));
    menuIndex3_ = AddMenu(new TMenu(this, 130, false));
    menuIndex4_ = AddMenu(new TMenu(this, 131, false));
    windowMenuIndex_ = AddMenu(new TMenu(this, 132, false));
}

// The program's file name with ".pfm" in place of its extension (or added, when it has none).
ErrCode TAppl::GetDataFileName(char* buffer, std::size_t size) {
    FileRef program;
    std::string name;
    if (GetAppFileRef(program) == kNoErr) {
        name = program.NamePtr();
        ReplaceExtension(name, ".pfm");
    }
    if (name.empty() || name.size() >= size) {
        FatalMessage(GetAppName().c_str(), "%s", "Error getting application resource filename!");
        return -1;
    }
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    return kNoErr;
}

ErrCode TAppl::GetDataFolder(VolumePart& volume, DirectoryPart& directory) {
    const ErrCode error = GetAppDirectory(volume, directory);
    if (error != kNoErr) {
        FatalMessage(GetAppName().c_str(), "Cannot get the folder for the application's resource file. (%d)",
                     error);
    }
    return error;
}

ErrCode TAppl::GetDataFileRef(FileRef& file) {
    char name[kMaxNameLength + 1];
    if (const ErrCode error = GetDataFileName(name, sizeof name); error != kNoErr) return error;
    VolumePart volume;
    DirectoryPart directory;
    if (const ErrCode error = GetDataFolder(volume, directory); error != kNoErr) return error;
    file = FileRef(name, volume.c_str(), directory.c_str(), kAccessRead);
    file.FindNoCase();
    return kNoErr;
}

ErrCode TAppl::OpenDataFile() {
    FileRef file;
    if (const ErrCode error = GetDataFileRef(file); error != kNoErr) return error;
    const std::string path = file.GetFullPath();
    const std::string program = GetAppName();
    if (!file.Exists()) {
        FatalMessage(program.c_str(), "Cannot find the file '%s'.  %s needs this file to run!", path.c_str(),
                     program.c_str());
        return -2;
    }
    if (!PFMIsPFMFile(file)) {
        FatalMessage(program.c_str(),
                     "The application data file '%s' is corrupt.  %s needs this file to run!", path.c_str(),
                     program.c_str());
        return -6;
    }
    PFMFile* store = PFMOpenFile(&file);
    if (!store) {
        const ErrCode error = PFMGetError();
        PFMClearError();
        FatalMessage(program.c_str(), "Error opening application data file '%s'.  %s needs this file to run!",
                     path.c_str(), program.c_str());
        return error != kNoErr ? error : ErrCode{-1};
    }
    environment_->SetDataFile(store);
    return kNoErr;
}
