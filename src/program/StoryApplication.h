#pragma once
// The program's one application object: the story application, with the windows of the program's
// tools (reports, and in time the query system, character tools and story windows) installed for
// its commands.

class AppEnvironment;
class TAppl;

TAppl* CreateStoryApplication(AppEnvironment* environment);
