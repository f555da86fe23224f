#pragma once
// What the story model asks of the program, answered by the story application: its data files and
// preference records (IStoryApplication), and the questions, alerts, busy cursor and file choosers
// of the window framework (IUserPrompts). The application installs both while it runs, and keeps the
// engine tables loaded for all the storyform counts of its stories once they are read.

#include <memory>

class EngineTablesKeeper;
class Fablecore;
class IStoryApplication;
class IUserPrompts;

class StoryModelServices {
public:
    // Installs the services of the application; the destructor takes them away again.
    explicit StoryModelServices(Fablecore& application);
    ~StoryModelServices();
    StoryModelServices(const StoryModelServices&) = delete;
    StoryModelServices& operator=(const StoryModelServices&) = delete;

private:
    std::unique_ptr<IStoryApplication> application_;
    std::unique_ptr<IUserPrompts> prompts_;
    std::unique_ptr<EngineTablesKeeper> engineTables_;
    IStoryApplication* previousApplication_;
    IUserPrompts* previousPrompts_;
};
