#pragma once
// What the reports give the story application's commands: the Reports command (and the report
// options it needs) opens the story's one report window through the application's story tools,
// and the File menu's Export and Export to Scenewright write the reports and the scenes as text.

#include "foundation/Types.h"

class FKDoc;
class StoryTools;

// Brings the story's report window to the front, or makes it, fills it and shows it.
ErrCode OpenReportWindow(FKDoc* story);

// Installs the report window as the Reports tool of the application's commands, and the two
// exports.
void InstallReportTools(StoryTools& tools);
