#include "framework/graphics/Cursors.h"

#include "foundation/pfm/PFM.h"
#include "framework/AppEnvironment.h"
#include "framework/graphics/CursorManager.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"

namespace {

constexpr std::uint32_t kRate = 12;

CursorManager* Manager() {
    const AppEnvironment* environment = GetAppEnvironment();
    return environment ? environment->GetCursorManager() : nullptr;
}

bool IsEscapeDown() { return (win::GetAsyncKeyState(win::VK_ESCAPE) & 0x8000) != 0; }

void DropKeyMessages() {
    win::MSG message;
    while (win::PeekMessageA(&message, nullptr, win::WM_KEYFIRST, win::WM_KEYLAST,
                             win::PM_REMOVE | win::PM_NOYIELD)) {}
}

}  // namespace

bool HasCursorManager() { return Manager() != nullptr; }

void SetUpCursors() {
    AppEnvironment* environment = GetAppEnvironment();
    if (!environment || environment->GetCursorManager()) return;
    auto* manager = new CursorManager;
    environment->SetCursorManager(manager);
    // Cursors of 128 and above come from the application data file.
    const PFMFileScope dataFile(environment->GetDataFile(), false);
    struct Start {
        std::int32_t id;
        std::int16_t kind;
    };
    static constexpr Start kCursors[] = {{0, 1},   {4, 1},   {1, 1},   {2, 1},   {129, 1}, {130, 1},
                                         {131, 1}, {191, 1}, {132, 4}, {150, 7}, {160, 6}, {170, 7}};
    for (const Start& cursor : kCursors) manager->Define(cursor.id, cursor.kind, 1, kRate);
    environment->SetDefaultCursorId(kDefaultBusyCursor);
}

void DeleteCursorManager() {
    AppEnvironment* environment = GetAppEnvironment();
    if (!environment) return;
    delete environment->GetCursorManager();
    environment->SetCursorManager(nullptr);
}

std::int16_t DefineCursor(std::int32_t id, std::int16_t kind, std::int16_t hold, std::uint32_t rate) {
    CursorManager* manager = Manager();
    if (!manager) return 0;
    if (manager->IsDefined(id)) return 1;
    const PFMFileScope dataFile(GetAppEnvironment()->GetDataFile(), false);
    return manager->Define(id, kind, hold, rate);
}

std::int32_t SetCursorById(std::int32_t id) {
    AppEnvironment* environment = GetAppEnvironment();
    CursorManager* manager = Manager();
    if (!manager) return -1;
    const std::int32_t previous = environment->GetCurrentCursorId();
    if (!manager->IsDefined(id)) DefineCursor(id, kStillCursor, 1, kRate);
    manager->Show(id);
    return previous;
}

void PushCursor(std::int32_t id) {
    if (CursorManager* manager = Manager())
        manager->Push(id == -1 ? GetAppEnvironment()->GetDefaultCursorId() : id);
}

void PopCursor() {
    if (CursorManager* manager = Manager()) manager->Pop();
}

void SetDefaultCursorId(std::int32_t id) {
    if (AppEnvironment* environment = GetAppEnvironment()) environment->SetDefaultCursorId(id);
}

bool IsBusyCursorShowing() {
    const CursorManager* manager = Manager();
    return manager && manager->IsBusy();
}

std::int16_t CheckEscapeKey() {
    if (!IsEscapeDown()) return 0;
    while (IsEscapeDown()) {
        DropKeyMessages();
        if (IsEscapeDown()) win::WaitMessage();
    }
    DropKeyMessages();
    return 1;
}
