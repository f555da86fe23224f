#include "framework/AppEnvironment.h"

#include <unistd.h>

#include <cctype>
#include <cstring>

#include "foundation/FileRef.h"
#include "platform/gdi/Objects.h"
#include "platform/sys/FileSystem.h"
#include "platform/ui/Window.h"

namespace {

AppEnvironment* gEnvironment = nullptr;

// Longer names than this lose their last kFrameNameCut characters.
constexpr std::size_t kFrameNameLimit = 246;
constexpr std::size_t kFrameNameCut = 11;

}  // namespace

AppEnvironment::AppEnvironment() : processId_(static_cast<std::int32_t>(::getpid())) {}

AppEnvironment& AppEnvironment::Instance() {
    static AppEnvironment environment;
    return environment;
}

ErrCode AppEnvironment::SetApplication(TAppl* application) {
    AppEnvironment* environment = GetAppEnvironment();
    if (!environment) return -1;
    environment->application_ = application;
    return kNoErr;
}

void AppEnvironment::SetStart(int argumentCount, char** arguments, win::HINSTANCE instance,
                              win::HINSTANCE previous, const char* commandLine, int showCommand) {
    argumentCount_ = argumentCount;
    arguments_ = arguments;
    instance_ = instance;
    previousInstance_ = previous;
    commandLine_ = commandLine;
    showCommand_ = showCommand;
}

std::string AppEnvironment::GetProgramName() const {
    if (argumentCount_ < 1 || !arguments_ || !arguments_[0]) return std::string();
    const char* path = arguments_[0];
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

bool AppEnvironment::IsClassRegistered(const char* className) const {
    if (std::strcmp(className, kWindowClassName) == 0) return windowClassRegistered_;
    if (std::strcmp(className, kItemClassName) == 0) return itemClassRegistered_;
    if (std::strcmp(className, kDialogClassName) == 0) return dialogClassRegistered_;
    if (std::strcmp(className, kPaletteClassName) == 0) return paletteClassRegistered_;
    return false;
}

void AppEnvironment::SetClassRegistered(const char* className, bool registered) {
    if (std::strcmp(className, kWindowClassName) == 0) windowClassRegistered_ = registered;
    if (std::strcmp(className, kItemClassName) == 0) itemClassRegistered_ = registered;
    if (std::strcmp(className, kDialogClassName) == 0) dialogClassRegistered_ = registered;
    if (std::strcmp(className, kPaletteClassName) == 0) paletteClassRegistered_ = registered;
}

PointerList& AppEnvironment::GetList(int number) {
    switch (number) {
        case 1: return list1_;
        case 2: return list2_;
        case 3: return list3_;
        default: return list4_;
    }
}

void AppEnvironment::Reset() {
    if (sharedObject_) {
        win::DeleteObject(sharedObject_);
        sharedObject_ = nullptr;
    }
    auto unregister = [this](const char* className) {
        if (!IsClassRegistered(className)) return;
        win::UnregisterClassA(className, instance_);
        SetClassRegistered(className, false);
    };
    unregister(kWindowClassName);
    list1_.DeleteAll();
    list2_.DeleteAll();
    unregister(kItemClassName);
    unregister(kDialogClassName);
    unregister(kPaletteClassName);
    list3_.DeleteAll();
    list4_.DeleteAll();

    application_ = nullptr;
    argumentCount_ = 0;
    arguments_ = nullptr;
    instance_ = nullptr;
    previousInstance_ = nullptr;
    commandLine_ = nullptr;
    showCommand_ = 0;
    currentCursorId_ = 0;
    defaultCursorId_ = 0;
    cursorState_ = -1;
    cursorManager_ = nullptr;
    inBackground_ = false;
    keepFrameActive_ = false;
    frameWindow_ = nullptr;
    mdiClient_ = nullptr;
    dataFile_ = nullptr;
}

AppEnvironment* GetAppEnvironment() { return gEnvironment; }

AppEnvironment* SetAppEnvironment(AppEnvironment* environment) {
    AppEnvironment* previous = gEnvironment;
    gEnvironment = environment;
    return previous;
}

TAppl* GetAppl() { return gEnvironment ? gEnvironment->GetApplication() : nullptr; }

std::string FrameClassNameFor(const std::string& programFileName) {
    std::string kept;
    for (const char c : programFileName.substr(0, kMaxNameLength)) {
        if (std::isalnum(static_cast<unsigned char>(c))) kept.push_back(c);
    }
    if (kept.size() > kFrameNameLimit) kept.resize(kept.size() - kFrameNameCut);
    return "QRV_" + kept + "_CLASS";
}

std::string MakeFrameClassName(win::HINSTANCE instance) {
    char path[kMaxPathLength + 1];
    if (win::GetModuleFileNameA(instance, path, sizeof path) == 0) return FrameClassNameFor("");
    FileRef program;
    program.SetFullPath(path);
    return FrameClassNameFor(program.NamePtr());
}
