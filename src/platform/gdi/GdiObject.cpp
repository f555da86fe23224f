#include "platform/gdi/GdiObject.h"

#include <array>
#include <unordered_set>

namespace win::gdi {
namespace {

struct Registry {
    std::unordered_set<const GdiObject*> live;
    std::array<long, 16> counts{};
};

// Never destroyed: objects may still be let go of while the program shuts down.
Registry& TheRegistry() {
    static Registry* registry = new Registry;
    return *registry;
}

}  // namespace

GdiObject::GdiObject(DWORD type) : type_(type) {
    Registry& registry = TheRegistry();
    registry.live.insert(this);
    ++registry.counts.at(type_);
}

GdiObject::~GdiObject() {
    Registry& registry = TheRegistry();
    registry.live.erase(this);
    if (!stock_) --registry.counts.at(type_);
}

void GdiObject::MakeStock() {
    if (!stock_) --TheRegistry().counts.at(type_);
    stock_ = true;
}

void GdiObject::Release() {
    if (--refs_ == 0 && deletePending_) delete this;
}

bool GdiObject::RequestDelete() {
    if (stock_) return false;
    if (refs_ == 0) {
        delete this;
    } else {
        deletePending_ = true;
    }
    return true;
}

GdiObject* LookupObject(HGDIOBJ handle) {
    if (!handle) return nullptr;
    const Registry& registry = TheRegistry();
    auto* object = static_cast<GdiObject*>(handle);
    if (!registry.live.contains(object) || object->IsDeletePending()) return nullptr;
    return object;
}

long LiveObjectCount(DWORD type) {
    const Registry& registry = TheRegistry();
    if (type != 0) return type < registry.counts.size() ? registry.counts[type] : 0;
    long total = 0;
    for (long count : registry.counts) total += count;
    return total;
}

}  // namespace win::gdi
