#include "storymodel/ListenerMixins.h"

void MCharacterListener::Notify(const Event* event) {
    CharactersChanged(dynamic_cast<const CharacterEvent*>(event));
}

void MFKDocListener::Notify(const Event* event) { DocumentChanged(dynamic_cast<const FKDocEvent*>(event)); }
