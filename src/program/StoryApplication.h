#pragma once
// The program's one application object: the story application, with the windows of the program's
// tools (the query system and the reports, and in time the character tools and story windows) installed for
// its commands.

class AppEnvironment;
class TAppl;

TAppl* CreateStoryApplication(AppEnvironment* environment);
