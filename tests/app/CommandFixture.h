#pragma once
// The story application's commands over stand-ins of the windows that later parts of the program
// build: a tool window of any class that stores itself in its story's slot while it lives, and a
// cast list view whose selection the test sets.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "StoryAppFixture.h"
#include "app/FablCmds.h"
#include "app/SplashAppearance.h"
#include "app/StoryTools.h"
#include "characters/CastListView.h"
#include "framework/TWindow.h"

namespace apptest {

// A story window of the class given, stored in its story's slot while it lives; it notes its
// closing and whether it was asked for its font.
class ToolWindow : public TWindow, public IWindowFontChoice {
public:
    using Slot = void (FKDoc::*)(TWindow*);

    ToolWindow(TAppl* application, FKDoc* story, Slot slot, ClassId classId, std::vector<std::string>* closed,
               const char* title)
        : TWindow(application, &Place(), story, kChildMode, 0, title),
          story_(story),
          slot_(slot),
          classId_(classId),
          closed_(closed) {
        if (story_ && slot_) (story_->*slot_)(this);
        Show();
    }
    ~ToolWindow() override {
        if (story_ && slot_) (story_->*slot_)(nullptr);
        if (closed_) closed_->push_back(GetTitle());
    }
    ClassId GetClassId() const override { return classId_; }
    bool IsKindOf(ClassId id) const override { return id == classId_ || TWindow::IsKindOf(id); }
    void ChooseWindowFont() override { ++fontChoices; }

    int fontChoices = 0;

private:
    static const ShortRect& Place() {
        static const ShortRect place = ShortRect::MakeLTRB(10, 10, 200, 150);
        return place;
    }

    FKDoc* story_;
    Slot slot_;
    ClassId classId_;
    std::vector<std::string>* closed_;
};

// A cast list with a selection of the test's choosing, stored in its story's slot while it lives.
class TestCastView : public CastListView {
public:
    using Slot = void (FKDoc::*)(CastListView*);

    TestCastView(FKDoc* story, Slot slot)
        : CastListView(nullptr, 0, nullptr, 0, RGBColor(0)), story_(story), slot_(slot) {
        (story_->*slot_)(this);
    }
    ~TestCastView() override { (story_->*slot_)(nullptr); }

    bool HasSelection() const override { return selected != kNoCharID; }
    CharID GetSelectedCharacter() const override { return selected; }
    void PastePicture() override { ++picturesPasted; }

    CharID selected = kNoCharID;
    int picturesPasted = 0;

private:
    FKDoc* story_;
    Slot slot_;
};

class CommandTest : public StoryAppTest {
protected:
    // The splash screen of the start has gone, as it does once the program runs.
    void SetUp() override {
        StoryAppTest::SetUp();
        Run();
        ASSERT_FALSE(SplashAppearance::Exists());
    }
    void TearDown() override {
        views_.clear();
        StoryAppTest::TearDown();
    }

    FablCmds& App() const { return *static_cast<FablCmds*>(application); }

    // A tool window of the story, in front.
    ToolWindow* Open(FKDoc* story, ToolWindow::Slot slot, ClassId classId = TWindow::kClassId,
                     const char* title = "tool") {
        auto* window = new ToolWindow(application, story, slot, classId, &closed, title);
        Run();
        return window;
    }
    // A cast list view kept by the story for one of its character windows.
    TestCastView* CastView(FKDoc* story, TestCastView::Slot slot, CharID selected) {
        views_.push_back(std::make_unique<TestCastView>(story, slot));
        views_.back()->selected = selected;
        return views_.back().get();
    }
    // Installs an opener that notes what it was asked.
    struct Opened {
        FKDoc* story = nullptr;
        std::int32_t argument = -1;
        int count = 0;
    };
    Opened& Install(StoryTool tool) {
        opened_.push_back(std::make_unique<Opened>());
        Opened* record = opened_.back().get();
        App().GetStoryTools().Install(tool, [record](FKDoc* story, std::int32_t argument) {
            record->story = story;
            record->argument = argument;
            ++record->count;
            return kNoErr;
        });
        return *record;
    }

    std::vector<std::string> closed;

private:
    std::vector<std::unique_ptr<TestCastView>> views_;
    std::vector<std::unique_ptr<Opened>> opened_;
};

}  // namespace apptest
