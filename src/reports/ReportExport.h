#pragma once
// The two exports of the File menu, written as plain UTF-8 text files the writer names: Export
// writes the reports the story's Reports window shows, Export to Scenewright the story's scenes
// as an outline (each scene's name, its description and the story points it refers to).

#include <string>

#include "foundation/Types.h"

class FKDoc;
class RepWindow;

// The reports the window shows, as plain program text (its blank lines as the window shows them).
// A window whose choice of reports changed since it last showed them shows the chosen ones first.
// Empty when no report is chosen or none has any text.
std::string ReportExportText(RepWindow& window);

// The story's scenes as a plain program text outline under the story's title (its file name
// while it has none).
std::string SceneOutlineText(FKDoc& story);

// Export: asks for the file and writes the reports of the story's Reports window to it; with no
// report to write, says so and asks nothing. Nothing without a story or its Reports window.
ErrCode ExportReport(FKDoc* story);

// Export to Scenewright: asks for the file and writes the scene outline to it.
ErrCode ExportSceneOutline(FKDoc* story);
