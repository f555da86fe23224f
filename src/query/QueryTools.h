#pragma once
// What the query system gives the story application's commands: the Plotpilot and Query System
// commands open the story's one query window through the application's story tools, and closing
// the query windows of a story first lets the window store what its page shows.

#include <cstdint>

#include "foundation/Types.h"

class FKDoc;
class StoryTools;

// Brings the story's query window to the front, or makes it on the start list, fills it and shows
// it.
ErrCode OpenQueryWindow(FKDoc* story, std::int16_t startList);

// Installs the query window as the Query tool of the application's commands.
// The page keywords are registered with it.
void InstallQueryTools(StoryTools& tools);
