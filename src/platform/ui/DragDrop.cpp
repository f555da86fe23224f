#include "platform/ui/DragDrop.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/InputEvents.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/WindowTree.h"

namespace win {

using namespace detail;

namespace {

struct Drop {
    std::vector<std::string> files;
    POINT point{};
    bool inClient = false;
};

std::vector<std::unique_ptr<Drop>>& Drops() {
    static std::vector<std::unique_ptr<Drop>> drops;
    return drops;
}

Drop* Find(HDROP handle) {
    for (const auto& drop : Drops()) {
        if (reinterpret_cast<HDROP>(drop.get()) == handle) return drop.get();
    }
    return nullptr;
}

}  // namespace

void DragAcceptFiles(HWND handle, BOOL accept) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return;
    if (accept) {
        window->exStyle |= WS_EX_ACCEPTFILES;
    } else {
        window->exStyle &= ~WS_EX_ACCEPTFILES;
    }
}

bool InjectDroppedFiles(std::vector<std::string> cp1252Paths, POINT screenPoint) {
    if (cp1252Paths.empty()) return false;
    Window* window = Tree().Find(WindowFromPoint(screenPoint));
    while (window != nullptr && !(window->exStyle & WS_EX_ACCEPTFILES)) {
        window = window->IsChild() ? window->parent : nullptr;
    }
    if (window == nullptr || (window->style & WS_DISABLED)) return false;
    auto drop = std::make_unique<Drop>();
    drop->files = std::move(cp1252Paths);
    const POINT origin = ClientOrigin(*window);
    drop->point = POINT{screenPoint.x - origin.x, screenPoint.y - origin.y};
    drop->inClient = RectContains(ScreenClientRect(*window), screenPoint);
    HDROP handle = reinterpret_cast<HDROP>(drop.get());
    Drops().push_back(std::move(drop));
    PostMessageA(window->handle, WM_DROPFILES, reinterpret_cast<WPARAM>(handle), 0);
    return true;
}

UINT DragQueryFileA(HDROP handle, UINT index, char* buffer, UINT size) {
    Drop* drop = Find(handle);
    if (drop == nullptr) return 0;
    if (index == 0xFFFFFFFFu) return static_cast<UINT>(drop->files.size());
    if (index >= drop->files.size()) return 0;
    const std::string& name = drop->files[index];
    if (buffer == nullptr) return static_cast<UINT>(name.size());
    if (size == 0) return 0;
    const std::size_t count = std::min<std::size_t>(name.size(), size - 1);
    std::memcpy(buffer, name.data(), count);
    buffer[count] = '\0';
    return static_cast<UINT>(count);
}

BOOL DragQueryPoint(HDROP handle, POINT* point) {
    Drop* drop = Find(handle);
    if (drop == nullptr || point == nullptr) return FALSE;
    *point = drop->point;
    return drop->inClient ? TRUE : FALSE;
}

void DragFinish(HDROP handle) {
    auto& drops = Drops();
    drops.erase(std::remove_if(drops.begin(), drops.end(),
                               [&](const auto& d) { return reinterpret_cast<HDROP>(d.get()) == handle; }),
                drops.end());
}

}  // namespace win
