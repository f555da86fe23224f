#pragma once
// The story application of the story benchmarks, as the program makes it, headless: over the data
// files the build made (linked into a program folder of the benchmark's own, where the program
// keeps its preferences and swap files), its start-up finished, message boxes answered OK and the
// print dialog answered for every page, the printer's file in the folder.

#include <memory>
#include <string>
#include <vector>

#include "app/Fablecore.h"
#include "framework/AppEnvironment.h"
#include "platform/present/HeadlessPresenter.h"

class FKDoc;

class StoryApplicationBench {
public:
    // The name starts the folder's name.
    explicit StoryApplicationBench(const char* name);
    ~StoryApplicationBench();
    StoryApplicationBench(const StoryApplicationBench&) = delete;
    StoryApplicationBench& operator=(const StoryApplicationBench&) = delete;

    // Null when the application did not start.
    Fablecore* Application() const { return started_ ? application_ : nullptr; }
    win::HeadlessPresenter& Presenter() { return presenter_; }
    const std::string& Folder() const { return folder_; }
    // A file of the folder.
    std::string PathOf(const std::string& name) const { return folder_ + "/" + name; }

    // The new story, in front; null when there is none.
    FKDoc* NewStory();
    // The story opened from the file (its front end made, not yet painted); null when it did not open.
    FKDoc* Open(const std::string& path);
    // Every story closed without saving, and every message that leaves handled.
    void CloseAll();
    // The texts of the message boxes shown since the last call, then none.
    std::vector<std::string> TakeMessages();

private:
    std::string folder_;
    win::HeadlessPresenter presenter_{win::SIZE{800, 600}};
    AppEnvironment environment_;
    Fablecore* application_ = nullptr;
    bool started_ = false;
    std::shared_ptr<std::vector<std::string>> messages_ = std::make_shared<std::vector<std::string>>();
};
