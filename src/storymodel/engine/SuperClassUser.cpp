#include "storymodel/engine/SuperClassUser.h"

#include "storymodel/engine/IStoryForm.h"

SuperClassUser::SuperClassUser(IStoryForm& storyForm, std::uint16_t throughline)
    : storyForm_(storyForm),
      throughline_(throughline),
      structure_(storyForm.GetThroughlineStructure(throughline)) {}

SuperClassUser::~SuperClassUser() { storyForm_.ReleaseThroughlineStructure(throughline_); }
