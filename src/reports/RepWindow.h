#pragma once
// The Reports window of a story: on the left, the buttons and switches and the list the writer
// picks reports from (the catalogue's groups and reports, and the writer's saved report sets); on
// the right, the report generator view that shows the chosen reports one after the other, with a
// form feed (drawn as a rule) between them and, when asked, the vocabulary of the terms they use.
//
// The window keeps its settings in the report preferences ('REPT'): its placement ("REPT"), the
// report font ("Rep"), its switches "VocabBtn" (add the vocabulary list), "StellBtn" (weave in the
// story's storytelling texts) and "ShwBlkLn" (show blank lines), and the writer's named report sets.
// It registers with its story while it lives, and shows its reports again when the storyform
// changes.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/StoryTools.h"
#include "framework/TWindow.h"
#include "reports/IOutlineWindow.h"
#include "reports/ReportChooserView.h"
#include "reports/ReportSets.h"
#include "storymodel/ListenerMixins.h"

class FKDoc;
class IReportTemplates;
class OutlineView;
class PushBtn;

class RepWindow : public TWMWindow,
                  public IWindowFontChoice,
                  public IOutlineWindow,
                  public IReportChooserClient,
                  public MStoryFormListener {
    TOBJECT_CLASS(RepWindow, TWMWindow, 1526)

public:
    // The items, in list order.
    enum Item : std::int32_t {
        kShowItem,
        kVocabularyItem,
        kStorytellingItem,
        kBlankLinesItem,
        kSaveSetItem,
        kDeleteSetItem,
        kChooserItem,
        kViewItem,
    };
    static constexpr const char* kPlacementKey = "REPT";
    static constexpr const char* kFontKey = "Rep";
    static constexpr std::int16_t kPaneWidth = 220;

    // Made at its saved place (or the story's default), hidden, without contents; the templates
    // are the application data file's unless others are given.
    RepWindow(TAppl* application, FKDoc* document, std::unique_ptr<IReportTemplates> templates = nullptr);
    // Keeps the window's placement and leaves the story's report window slot.
    ~RepWindow() override;

    // --- TWindow
    void BuildContents() override;
    // "Reports for" and the story's title.
    void UpdateTitle() override;
    // The items' hits.
    void EndModal(std::int32_t itemIndex) override;
    bool CanPrint() override;
    void Print() override;
    bool CanPrintPreview() override { return true; }
    void PrintPreview() override;
    // Page setup of the report view; an error is shown with the title "Print Setup".
    ErrCode PreparePrinter() override;
    ShortPoint GetMinTrackSize() override;

    // --- IWindowFontChoice: Set Font
    void ChooseWindowFont() override { ChooseFont(); }

    // --- IOutlineWindow
    PText* GetReportOptions() override;
    std::int16_t GetVocabularyOption() override { return vocabulary_ ? 1 : 0; }

    // --- IReportChooserClient and MStoryFormListener
    void ReportChoiceChanged() override { stale_ = true; }
    void ReportChoiceConfirmed() override { BuildReports(); }
    // Shows the reports again (when any were shown) for the changed storyform.
    void StoryFormChanged(const Event* event) override;

    // --- the window's operations
    // Builds the chosen reports into the view and shows them.
    void BuildReports();
    // Set Font: asks for a font and shows the reports in it; the font is kept.
    void ChooseFont();
    // The reports to show (catalogued reports only, in catalogue order).
    void ChooseReports(const std::vector<std::int16_t>& reportIds);
    const std::vector<std::int16_t>& GetChosenReports() const;
    // Saves the chosen reports as a set of the name (replacing one of that name); false when there
    // is nothing to save or no room.
    bool SaveReportSet(const std::string& name);
    bool DeleteReportSet(const std::string& name);
    // The switches; each is kept in the report preferences.
    void SetVocabularyOption(bool on);
    void SetStorytellingOption(bool on);
    void SetBlankLinesOption(bool on);
    bool GetStorytellingOption() const { return storytelling_; }
    bool GetBlankLinesOption() const { return blankLines_; }
    // Whether the view shows something else than the chosen reports.
    bool IsStale() const { return stale_; }

    FKDoc* GetStory() const { return story_; }
    OutlineView* GetView() const { return view_; }
    ReportChooserView* GetChooser() const { return chooser_; }
    const ReportSets& GetReportSets() const { return sets_; }

private:
    // Whether the report shown has pages to print; says so when it has none.
    bool HasPages();
    // Asks for a name and saves the chosen reports under it.
    void AskToSaveReportSet();
    // Asks whether to delete the set last chosen in the list, and deletes it.
    void AskToDeleteReportSet();
    // The switches and the sets written into the report preferences, which are saved.
    void StoreOptions();
    void StoreSets();
    void ShowSwitches();
    // The set whose reports are the chosen ones, or null.
    const ReportSet* ChosenSet() const;

    FKDoc* story_;
    std::unique_ptr<IReportTemplates> templates_;
    OutlineView* view_ = nullptr;
    ReportChooserView* chooser_ = nullptr;
    ReportSets sets_;
    std::vector<std::int16_t> pendingChoice_;
    bool vocabulary_ = false;
    bool storytelling_ = false;
    bool blankLines_ = true;
    bool stale_ = true;
    bool shown_ = false;
};
