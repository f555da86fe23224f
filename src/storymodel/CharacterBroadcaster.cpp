#include "storymodel/CharacterBroadcaster.h"

std::unique_ptr<Event> CharacterBroadcaster::MergeEvents(std::unique_ptr<Event> pending,
                                                         const Event& incoming) {
    auto* merged = dynamic_cast<CharacterEvent*>(pending.get());
    const auto* added = dynamic_cast<const CharacterEvent*>(&incoming);
    if (!merged) return CloneEvent(incoming);
    if (added) {
        const CharIDList& ids = added->GetIDs();
        for (std::int32_t i = 0; i < ids.Count(); ++i) {
            if (!merged->GetIDs().Contains(ids.GetAt(i))) merged->GetIDs().Add(ids.GetAt(i));
        }
    }
    return pending;
}

std::unique_ptr<Event> CharacterBroadcaster::CloneEvent(const Event& event) {
    const auto* characters = dynamic_cast<const CharacterEvent*>(&event);
    return characters ? std::make_unique<CharacterEvent>(*characters) : std::make_unique<CharacterEvent>();
}
