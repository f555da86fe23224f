#pragma once
// The events that broadcasters send to their listeners.

#include <cstdint>

#include "storymodel/CharID.h"

class FKDoc;

// The root of every event; carries nothing.
class Event {
public:
    virtual ~Event() = default;
};

// The event of broadcasters whose listeners only need to hear that something changed (the
// storyform, the scenes, the characteristics). Such broadcasters usually send null instead.
class TNULLEvent : public Event {};

// Characters that changed.
class CharacterEvent : public Event {
public:
    CharacterEvent() = default;
    explicit CharacterEvent(CharID id) { ids_.Add(id); }

    CharIDList& GetIDs() { return ids_; }
    const CharIDList& GetIDs() const { return ids_; }

private:
    CharIDList ids_;
};

// A story document was opened or is about to close, or a text of its storytelling record changed.
// Sent by the document through the application's broadcaster.
class FKDocEvent : public Event {
public:
    static constexpr std::uint32_t kOpened = 1000;
    static constexpr std::uint32_t kClosing = 1001;
    static constexpr std::uint32_t kStorytellingChanged = 1002;

    FKDocEvent(std::uint32_t code, FKDoc* document) : code_(code), document_(document) {}

    std::uint32_t GetCode() const { return code_; }
    FKDoc* GetDocument() const { return document_; }

private:
    std::uint32_t code_;
    FKDoc* document_;
};
