#pragma once
// What the story windows give the story application's commands: the story engine panel, the story
// information dialog, the comments, story points and plot progression windows, the brainstorming
// tools, the dictionary and the story element browser, each installed as the opener of its tool; and
// the two questions the application asks of these windows (whether a window is a dictionary, and
// which story element browser is open).

class StoryTools;

void InstallStoryWindowTools(StoryTools& tools);
