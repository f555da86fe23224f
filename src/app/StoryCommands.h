#pragma once
// The story application's commands. A command class with an enabling test keeps it beside its Do
// (IsAvailable or IsEnabled); the factory makes the command only when the test passes and the
// enabler greys its menu entry when it fails, and each Do tests again, doing nothing when the test
// no longer holds.
//
// The commands of the windows of the query system, reports, character tools and story windows
// (StoryToolCmd) open them through the application's StoryTools.

#include <cstdint>

#include "app/StoryCommandIds.h"
#include "app/StoryTools.h"
#include "framework/TCommand.h"
#include "storymodel/CharID.h"

class CastListView;
class FablCmds;
class FKDoc;
class TAppl;

// The front story document of the application, or null.
FKDoc* FrontStory(const TAppl& application);
// True when a story document is in front.
bool IsStoryInFront(const TAppl& application);
// The cast list view of the front story's front character window when a character is selected in
// it, else null.
CastListView* SelectedCastList(const TAppl& application);

// About (1279): the about box, unless it or the splash screen shows.
class AboutCmd : public TCommand {
public:
    explicit AboutCmd(TAppl* application) : TCommand(application, kCmdStoryAbout) {}
    ErrCode Do() override;
};

// Generate Story Engine (1286): the front story is found and nothing done; the engine data is made
// at build time.
class FablaCmd1 : public TCommand {
public:
    explicit FablaCmd1(TAppl* application) : TCommand(application, kCmdGenerateStoryEngine) {}
    ErrCode Do() override;
};

// Clear Storyform (1284): after the writer confirms, every choice of the front story's storyform
// goes and all 32,768 storyforms are possible again; the windows that show the storyform close
// first.
class ClearStoryFormCmd : public TCommand {
public:
    static constexpr const char* kQuestion =
        "PROCEED WITH CAUTION.\n\nDo you really want to CLEAR your storyform?  Using this command resets the "
        "Fablecore engine back to 32,768 available storyforms.  The Clear Storyform command cannot be "
        "undone.\n\nSo, if you DO NOT want to remove your storyform choices for this story, press NO.\n\nIf "
        "you DO wish to clear the storyform, press YES.";

    explicit ClearStoryFormCmd(TAppl* application) : TCommand(application, kCmdClearStoryform) {}
    ErrCode Do() override;
};

// Clear Storytelling (1300): after the writer confirms, the front story's storytelling goes.
class ClearStorytellingCmd : public TCommand {
public:
    // Expanded for the story before it is asked. The synopses the Story Info dialog shows, the
    // coverage ratings and the goal the analysis report names are storytelling and go with it, so the
    // question does not count them among what stays; the characters' roles and descriptions stay, and
    // so do the Comments and the query system's answers about the story's information.
    static constexpr const char* kQuestion =
        "PROCEED WITH CAUTION.\n\nDo you really want to CLEAR all of the {lST-Results} in your story?  Using "
        "this command clears most of the text that you have entered, retaining only your characters' names, "
        "roles and descriptions, your storyform choices, your Comments, the contents of the Story Info "
        "dialog but its synopses, and your other answers about the story's information in the query system "
        "(the synopses go from there too).  The "
        "Clear {NST-Process} command cannot be undone.\n\nSo, if you DO NOT want to "
        "delete your {lST-Results}, press NO.\n\nIf you DO wish to clear your {lST-Results}, press YES.";

    explicit ClearStorytellingCmd(TAppl* application) : TCommand(application, kCmdClearStorytelling) {}
    ErrCode Do() override;
};

// Import (1316): a character file chosen by the writer goes into the front story.
class CharImportCmd : public TCommand {
public:
    explicit CharImportCmd(TAppl* application) : TCommand(application) {}
    static bool IsEnabled(const TAppl& application) { return IsStoryInFront(application); }
    ErrCode Do() override;
};

// Export (1317): the selected character is written to a character file the writer names.
class CharExportCmd : public TCommand {
public:
    explicit CharExportCmd(TAppl* application) : TCommand(application, kCmdExportCharacter) {}
    static bool IsEnabled(const TAppl& application) { return SelectedCastList(application) != nullptr; }
    ErrCode Do() override;
};

// --- the commands of other parts' windows

// Opens a tool of StoryTools for the front story (or, for the program's own tools, for none).
class StoryToolCmd : public TCommand {
public:
    StoryToolCmd(TAppl* application, std::int32_t id, StoryTool tool, std::int32_t argument = 0,
                 bool needsStory = true);
    // Without the front story a tool that needs one does nothing (0).
    ErrCode Do() override;

    StoryTool GetTool() const { return tool_; }
    std::int32_t GetArgument() const { return argument_; }

protected:
    const StoryTools& Tools() const;
    // Opens the tool for the story with the argument.
    ErrCode Open(FKDoc* story, std::int32_t argument) const;
    // Opens the tool for the front story with the selected character's id; nothing (0) when no
    // character is selected.
    ErrCode OpenForSelectedCharacter() const;

private:
    StoryTool tool_;
    std::int32_t argument_;
    bool needsStory_;
};

// Plotpilot (1280, start page 13) and Query System (1281, start page 0): the query window, then the
// pronoun question when the writer has not answered it yet; -1 without a story in front.
class FQSCmd : public StoryToolCmd {
public:
    FQSCmd(TAppl* application, std::int32_t id, std::int16_t startPage);
    ErrCode Do() override;
    std::int16_t GetStartPage() const { return static_cast<std::int16_t>(GetArgument()); }
};

// Character Info (1290): the character dialog of the selected character.
class CharInfoCmd : public StoryToolCmd {
public:
    explicit CharInfoCmd(TAppl* application);
    static bool IsEnabled(const TAppl& application) { return SelectedCastList(application) != nullptr; }
    ErrCode Do() override;
};

// Picture (1291): a bitmap file becomes the selected character's picture.
class PictureCmd : public StoryToolCmd {
public:
    explicit PictureCmd(TAppl* application);
    // The same rule as CharInfoCmd's.
    static bool IsEnabled(const TAppl& application) { return CharInfoCmd::IsEnabled(application); }
    ErrCode Do() override;
};

// Spin-The-Model (1303) and Character Generator (1314): the brainstorming tools at their page;
// -1 without a story in front.
class SpinCmd : public StoryToolCmd {
public:
    explicit SpinCmd(TAppl* application, std::int32_t id = kCmdSpinTheModel,
                     std::int16_t page = kSpinnerPage);
    ErrCode Do() override;
};

class CharGenCmd : public SpinCmd {
public:
    explicit CharGenCmd(TAppl* application)
        : SpinCmd(application, kCmdCharacterGenerator, kCharacterGeneratorPage) {}
};

// A command that opens one window or dialog of the front story: available while a story is in
// front.
template <std::int32_t Id, StoryTool Tool, std::int32_t Argument = 0>
class StoryWindowCmd : public StoryToolCmd {
public:
    explicit StoryWindowCmd(TAppl* application) : StoryToolCmd(application, Id, Tool, Argument) {}
    static bool IsAvailable(const TAppl& application) { return IsStoryInFront(application); }
    // The same test, by the name the preferences commands' tests go by.
    static bool IsEnabled(const TAppl& application) { return IsAvailable(application); }
};

using CPanel = StoryWindowCmd<kCmdStoryEngine, StoryTool::kStoryEngine>;
using CastListCmd = StoryWindowCmd<kCmdCharacterList, StoryTool::kCharacterList>;
using BuildChrCmd = StoryWindowCmd<kCmdBuildCharacters, StoryTool::kBuildCharacters>;
using MainObstCmd = StoryWindowCmd<kCmdMainAndImpact, StoryTool::kMainAndImpact>;
using CastingCmd = StoryWindowCmd<kCmdCasting, StoryTool::kCasting>;
using SInfoCmd = StoryWindowCmd<kCmdStoryInfo, StoryTool::kStoryInfo>;
using COMMENTCmd = StoryWindowCmd<kCmdComments, StoryTool::kComments>;
using OutlineCmd = StoryWindowCmd<kCmdReports, StoryTool::kReports>;
using StoryPntsCmd = StoryWindowCmd<kCmdStoryPoints, StoryTool::kStoryPoints>;
using PlotViewCmd = StoryWindowCmd<kCmdPlotProgression, StoryTool::kPlotProgression>;
// Export to Scenewright (1307): the front story's scenes written as a text outline.
using ScenewrightExportCmd = StoryWindowCmd<kCmdExportScenewright, StoryTool::kExportScenewright>;

// Export (1305): the reports that the front story's report window shows, written as text.
class ExportCmd : public StoryToolCmd {
public:
    explicit ExportCmd(TAppl* application) : StoryToolCmd(application, kCmdExport, StoryTool::kExport) {}
    // A story in front whose report window is open (in front or not).
    static bool IsEnabled(const TAppl& application);
    ErrCode Do() override;
};

// The preferences window at its general area (Preferences, 1308) or at its report options (1315);
// without a story in front the command fails (-1).
template <std::int32_t Id, std::int32_t Area>
class PreferencesCmd : public StoryWindowCmd<Id, StoryTool::kPreferences, Area> {
public:
    using StoryWindowCmd<Id, StoryTool::kPreferences, Area>::StoryWindowCmd;
    ErrCode Do() override { return FrontStory(*this->application_) ? StoryToolCmd::Do() : -1; }
};
using PREFCmd = PreferencesCmd<kCmdPreferences, kGeneralPreferencesArea>;
using RepOptionsCmd = PreferencesCmd<kCmdReportOptions, kReportOptionsArea>;

// Create (1288): the new character dialog. It keeps no id of its own.
class NewCharCmd : public StoryToolCmd {
public:
    explicit NewCharCmd(TAppl* application)
        : StoryToolCmd(application, kNoCommandId, StoryTool::kNewCharacter) {}
    static bool IsAvailable(const TAppl& application) { return IsStoryInFront(application); }
};

// The program's own tools, open with or without a story: the dictionary (1302; its test always
// passes) and the story element browser (1304).
class DictionaryCmd : public StoryToolCmd {
public:
    explicit DictionaryCmd(TAppl* application)
        : StoryToolCmd(application, kCmdDictionary, StoryTool::kDictionary, 0, false) {}
    static bool IsEnabled(const TAppl& /*application*/) { return true; }
};

class BrowseStructureCmd : public StoryToolCmd {
public:
    explicit BrowseStructureCmd(TAppl* application)
        : StoryToolCmd(application, kCmdThemeBrowser, StoryTool::kThemeBrowser, 0, false) {}
};
