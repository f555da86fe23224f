#pragma once
// The program's one application object: the story application, with the windows of the program's
// tools (the query system, the reports, the character tools and the story windows) installed for
// its commands.

class AppEnvironment;
class TAppl;

TAppl* CreateStoryApplication(AppEnvironment* environment);
