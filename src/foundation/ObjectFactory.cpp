#include "foundation/ObjectFactory.h"

#include <algorithm>
#include <array>

namespace {

std::array<ObjectFactory, kMaxObjectFactories>& Registry() {
    static std::array<ObjectFactory, kMaxObjectFactories> registry{};
    return registry;
}

}  // namespace

void RegisterObjectFactory(ObjectFactory factory) {
    if (!factory) return;
    auto& registry = Registry();
    if (std::find(registry.begin(), registry.end(), factory) != registry.end()) return;
    auto empty = std::find(registry.begin(), registry.end(), nullptr);
    if (empty != registry.end()) *empty = factory;
}

TObject* MakeObjectByFactory(IReadFile& stream, ClassId id, ErrCode* error, std::uintptr_t context) {
    const auto& registry = Registry();
    for (auto it = registry.rbegin(); it != registry.rend(); ++it) {
        if (!*it) continue;
        if (TObject* object = (*it)(stream, id, error, context)) return object;
    }
    return nullptr;
}
