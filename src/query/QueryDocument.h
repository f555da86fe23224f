#pragma once
// The query system's view of a story document: the parts of the story that the window-free pieces
// (question lists, page data, keywords) read, taken from the document.

#include "query/data/QueryStory.h"

class FKDoc;

QueryStory QueryStoryOf(FKDoc& document);
