#pragma once
// A scoped user of one throughline's structure: takes it from the storyform when made and gives it
// back when destroyed.

#include <cstdint>

class IStoryForm;
struct ThroughlineStructure;

class SuperClassUser {
public:
    // The structure of throughline 1-4 of the storyform.
    SuperClassUser(IStoryForm& storyForm, std::uint16_t throughline);
    virtual ~SuperClassUser();

    SuperClassUser(const SuperClassUser&) = delete;
    SuperClassUser& operator=(const SuperClassUser&) = delete;

    // Null for a throughline number outside 1-4.
    ThroughlineStructure* GetStructure() const { return structure_; }
    std::uint16_t GetThroughline() const { return throughline_; }
    IStoryForm& GetStoryForm() const { return storyForm_; }

private:
    IStoryForm& storyForm_;
    std::uint16_t throughline_;
    ThroughlineStructure* structure_;
};
