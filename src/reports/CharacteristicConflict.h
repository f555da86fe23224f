#pragma once
// The conflict sentence of one characteristic: who holds it, and which characteristics of the same
// dimension stand against it, amplify it and diminish it in the overall story's class, with the
// characters who hold those. The character sections of the reports and the story element browser
// write it.

#include <cstddef>
#include <cstdint>

class FKDoc;
class IStoryDocument;
class IStoryForm;

// The words of the four dimensions of characteristics (0-3): the heading word of a list of them,
// and the word in a conflict sentence. Empty for another dimension.
const char* DimensionHeading(int dimension);
const char* DimensionWord(int dimension);

// Writes into out (emptied first, cut to outSize - 1 characters) the sentence of the element (85-340)
// in the dimension (0-3), or nothing when no character holds it; with notes, the writer's note on
// the characteristic comes first. While the overall story's domain is not chosen, the sentence says
// that instead of naming the conflicting characteristics. Nothing for a null story, an element
// outside the elements or a dimension outside 0-3.
void FormatCharacteristicConflict(IStoryDocument* document, IStoryForm* storyForm, std::int16_t element,
                                  int dimension, bool withNotes, char* out, std::size_t outSize);
// The same for a story document and its own storyform.
void FormatCharacteristicConflict(FKDoc* document, std::int16_t element, int dimension, bool withNotes,
                                  char* out, std::size_t outSize);
