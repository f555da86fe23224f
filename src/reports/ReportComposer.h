#pragma once
// The composing half of the report generator view: the output text that the report section
// builders append to, and the rules they all follow. Fixed prose comes from template records
// (keyed texts "S1", "S2", ...), the story's own storytelling texts are woven in after the story
// points they belong to, and story items are written as {...} macros that are expanded only when
// the text is shown or printed, so a builder writes ids and keys, never names. Style codes (0xC7,
// a command, 0xC8) switch bold, italic and underline and set the margins.
//
// The composer needs no window: it works on a story document, its storyform and a source of
// templates, and asks its owner for the report options.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/String.h"
#include "foundation/TypedList.h"
#include "items/printing/Printable.h"
#include "platform/gdi/GdiTypes.h"
#include "storymodel/CharID.h"

class CharacterManager;
class IOutlineWindow;
class IReportTemplates;
class IStoryDocument;
class IStoryForm;
class PrintableTable;
class ReportTemplate;
class SceneManager;
class SettledStoryForm;
class StoryFormManager;
struct ThroughlineStructure;

// The twelve fixed style strings of the report text.
enum class ReportStyle {
    kBoldOn,
    kBoldOff,
    kUnderlineOn,
    kUnderlineOff,
    kItalicOn,
    kItalicOff,
    kParagraphEnd,     // "\n\n"
    kLineEnd,          // "\n"
    kMarginsNone,      // M(0,0,0)
    kMarginsHanging,   // M(10,30,0)
    kMarginsIndented,  // M(30,30,0)
    kMarginsBlock,     // M(40,40,0)
};

class ReportComposer {
public:
    static constexpr std::uint32_t kMinimumCapacity = 128000;
    static constexpr std::uint16_t kGrowthIncrement = 32768;
    static constexpr std::size_t kWorkBufferSize = 20480;
    // The report title with its terminating zero.
    static constexpr std::size_t kTitleSize = 80;
    // The underscores of the rule before the closing notes and the vocabulary list.
    static constexpr std::int16_t kRuleLength = 30;

    // The document, storyform and scenes may be null (a view without a story builds nothing of
    // them). The templates are the application data file's until others are given. The builders
    // read the story's own storyform as the storyforms still possible settle it (SettledStoryForm.h),
    // and any other storyform as it is.
    ReportComposer(IOutlineWindow* owner, IStoryDocument* document, IStoryForm* storyForm,
                   SceneManager* scenes = nullptr);
    virtual ~ReportComposer();
    ReportComposer(const ReportComposer&) = delete;
    ReportComposer& operator=(const ReportComposer&) = delete;

    void SetReportTemplates(std::unique_ptr<IReportTemplates> templates);

    // --- the output text

    // Empties the output; a capacity above the minimum goes back to it.
    void ResetText();
    // Marks where a report starts and ends.
    std::uint32_t GetTextLength() const { return output_.Length(); }
    std::uint32_t GetOutputCapacity() const { return output_.Capacity(); }
    const char* GetText() const { return output_.CStr() ? output_.CStr() : ""; }
    // Makes sure the output can hold the minimum capacity.
    void ReserveOutput();
    // Appends the text as it stands (null appends nothing); a text that begins a line takes the
    // blanks off the end of the line before it.
    void AppendText(const char* text);
    // Replaces the output by the text.
    void ReplaceText(const char* text);
    // Cuts the output back to its first `length` characters, in place.
    void CutText(std::uint32_t length);

    // At most 79 characters are kept.
    void SetReportTitle(const char* title);
    const char* GetReportTitle() const { return title_; }

    void SetShowStorytelling(std::int16_t flag) { showStorytelling_ = flag; }
    std::int16_t IsShowStorytelling() const { return showStorytelling_; }
    // The ids of the theory terms the expanded text names, for the vocabulary list.
    SList& GetVocabulary() { return vocabulary_; }
    IOutlineWindow* GetOwner() const { return owner_; }
    IStoryDocument* GetStoryDocument() const { return document_; }
    IStoryForm* GetStoryForm() const { return storyForm_; }
    SceneManager* GetSceneManager() const { return scenes_; }
    // The story's characters; null without a story.
    CharacterManager* GetCharacterManager() const;

    // --- the composition rules

    void AppendStyleCode(ReportStyle style);
    // Underlined and bold, then a paragraph end.
    void AppendHeading(const char* text);
    // A line end, the underscores and a line end.
    void AppendRule(std::int16_t count);
    // With show-storytelling on and a storytelling text under the key, the text in an indented
    // block after a colon (and "..." when the sentence continues after it); otherwise the
    // fallback. Answers the show-storytelling flag.
    std::int16_t AppendStoryPoint(const char* key, const char* fallback, bool continues);
    // Whether AppendStoryPoint shows a storytelling text under the key.
    bool HasStoryPoint(const char* key) const;
    // The closing notes of one record (1070 to 1074): its "S1" and "S2", each followed by a
    // paragraph end; 1071, 1072 and 1073 begin with a paragraph end too.
    void AppendTemplatePair(std::int16_t record);
    // Every text of the template record, "S1", "S2", ... up to the first key it lacks; answers how
    // many it appended.
    int AppendTemplateText(std::int16_t record);
    // Byte 0xC7, "M(left,right,first)" and byte 0xC8: the margins of the text that follows.
    void AppendMargins(int left, int right, int first);

    // --- printables
    // A report view makes printables of some sections (the story points tables) besides their
    // text; the composer alone composes text only.
    virtual PrintingEnvironment* GetPrintingEnvironment() { return nullptr; }
    // The font of the printables' texts: the report's.
    virtual win::LOGFONTA GetPrintableFont() const;
    // Appends the printable to the printables of the next page and the text, its macros expanded at
    // once, to the output; either may be null. The composer alone only appends the text.
    virtual void AddPrintable(PrintablePtr printable, const char* text);

    // --- the report sections

    // Records the title and appends the section of the report id (1 to 71); any other id only
    // records the title.
    void BuildReportSection(std::int16_t id, const char* title);

    // The throughline theme paragraphs (report ids 22, 24, 28 and 29).
    void BuildStoryThroughlineThemes();
    void BuildSubjectiveThroughlineThemes();
    void BuildMainCharacterThemes();
    void BuildImpactCharacterThemes();
    // The sections made mostly of template text (report ids 3, 4, 15, 23, 34 and 35).
    void BuildCommentsSection();
    void BuildNoteSection();
    void BuildAnalysisInfoSection();
    void BuildFourThroughlinesThemes();
    void BuildGoalsAndRequirements();
    void BuildCoverageRatings();
    // Replaces the output by its expansion (collecting the terms it names), then appends a rule
    // and the definitions of the terms; answers where the definitions begin.
    std::uint32_t BuildVocabularyList();

    // The four act summary sentences of throughline 0-3 (overall story, main character, impact
    // character, subjective story), and the four variations of a type in the order given.
    void BuildActSummary(std::int16_t throughline);
    void AppendTypeVariations(const std::array<std::int16_t, 4>& variations);
    // The dynamics narratives: the main character's (report id 61), the plot's (18) and the
    // main and impact characters' synopsis (25).
    void BuildMainCharacterDynamics();
    void BuildPlotDynamicsNarrative();
    void BuildCharacterDynamicsSynopsis();
    // The throughline types of each act set against each other (report id 32).
    void BuildThroughlineTypeSummary();
    // The characters (report ids 27, 36 and 59). Styles of a description: 1 profile, 2 summary
    // paragraph, 3 identity card, 4 role card, any other the characteristics heading.
    void AppendCharacterDescription(CharID id, std::int16_t style);
    void BuildCharacteristicsSection();
    void BuildRelationshipsSection();
    void BuildAllCharactersSection();
    // Every story point with its name, definition and value, as lines and as printable tables
    // (report id 6).
    void BuildStoryPointsOutput();
    // The expanded definition of the story point with the code (collecting the terms it names);
    // false, with out empty, when it expands to nothing.
    bool ExpandDefinition(const char* code, std::string& out);

    // The sections of ids whose builders are alike (see ReportSections.cpp): template N alone, a
    // template of another number, or a template followed by character descriptions and the
    // story's title and synopses.
    template <std::int16_t N>
    void BuildReportSection();
    // The sections of their own.
    void BuildReportSection11();  // plot progression
    void BuildReportSection16();  // the main character's resolve
    void BuildReportSection20();  // the composite of many sections
    void BuildReportSection31();  // the plot act by act
    void BuildReportSection39() {}
    void BuildReportSection40();  // the overall plot
    void BuildReportSection42();  // the sliders of the throughlines' issues
    void BuildReportSection43();  // the third level of the guided road: acts, signposts and scenes
    void BuildReportSection49();  // scenes, with the story points they refer to
    void BuildReportSection50();  // scenes, with everything they represent
    void BuildReportSection51();  // scenes, as a treatment
    void BuildReportSection55() {}
    void BuildReportSection58();  // the story engine's settings
    // The scenes as an outline of their own (no template text): the title as a heading, then each
    // scene under its name with its description and the story points it refers to.
    void BuildSceneOutline(const char* title);

    // The words a rating of coverage information reads as: the table (0 ratings, 1 budget, 2
    // recommendation) and the value, held to 0-4.
    static const char* RatingWord(int table, std::int16_t value);

protected:
    // An open template record that a builder appends keyed texts of.
    class Section {
    public:
        Section(ReportComposer& composer, std::int16_t record);
        ~Section();
        Section(const Section&) = delete;
        Section& operator=(const Section&) = delete;

        // Appends the text of "S<n>"; nothing when the record lacks it.
        void Key(int n);
        void Keys(std::initializer_list<int> numbers);
        // Appends the key's text; false (nothing appended) when the record lacks it.
        bool AppendKey(const char* key);
        // The text of "S<n>" without appending it; false, with the text empty, when the record lacks it.
        bool Read(int n, std::string& text);

    private:
        // Reads the key's text into the buffer with its conditions settled (ReportConditions.h).
        bool ReadSettled(const char* key, char* buffer);

        ReportComposer& composer_;
        std::unique_ptr<ReportTemplate> record_;
    };

    // The sentence of the four signposts of the throughline whose codes begin with the prefix: the
    // key `allOrNone` when all four are settled or none is, else the key `some` followed by the
    // settled ones act by act and the acts not chosen yet.
    void AppendSignposts(Section& t, const char* prefix, int allOrNone, int some);
    // The builders' buffers: 0 takes template texts, 1 formatted texts.
    char* WorkBuffer(int index) { return workBuffers_.get() + (index ? kWorkBufferSize : 0); }
    // Formats into work buffer 1 and appends it.
    void AppendFormatted(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // The rule and the closing notes of the records, when show-storytelling is on.
    void AppendClosingNotes(std::initializer_list<std::int16_t> records);
    // The section of the id (1-71), the title left as it is.
    void BuildSection(std::int16_t id);
    // A section of the alike ones: its template and what follows it.
    void BuildListedSection(std::int16_t id);
    // The story's title (or that it has none yet) and its synopses, each under its label.
    void AppendTitleAndSynopses();
    // Every character's description in the style: the Main character, the impact character, then
    // the others in the characters' order.
    void AppendAllCharacterDescriptions(std::int16_t style);
    // The story's scenes in storytelling order, each under its name: with its description when
    // asked, and with the story points it includes (all it represents, or only its story points).
    enum class SceneItems { kNone, kStoryPoints, kEverything };
    void AppendScenes(bool descriptions, SceneItems items);
    // One story point group's table with its header row, for the printables of report id 6.
    std::unique_ptr<PrintableTable> MakeStoryPointHeader();
    IReportTemplates& Templates();
    // Whether the story point of the code has a value chosen or settled by the storyforms left (one
    // value: not 0, nor -1 for several).
    bool IsPointChosen(std::string_view code) const;
    // The value the macros name for the story point at the row, as the storyforms left settle it:
    // the story's, or without a story the storyform's; 0 for none, -1 for several.
    std::int16_t PointValueAt(int index) const;
    // The story's own storyform manager, when the composer was given it; else null.
    StoryFormManager* GetStoryFormManager() const;
    // The value's name as a macro ("{SNF(code)}") when it is chosen, else the words given.
    std::string ValueOr(const char* code, const char* unchosen) const;
    // Whether the Main (or the Impact) Character has a name the writer gave it, not the one a new
    // story starts with.
    bool IsCharacterNamed(bool main) const;
    // Whether the character has no name from the writer yet: an empty name, or the Main or Impact
    // Character still under the name a new story gives it.
    bool HasNoNameYet(CharID id) const;
    // The characters in the characters' order, but for the Main and Impact Characters with no names
    // yet, which come in the order of their roles (their names would put the Impact Character first).
    std::vector<CharID> CharactersInReportOrder() const;
    // Whether the story has a title (more than spaces).
    bool IsStoryTitled() const;
    // Settles the template text's conditions on what the storyform has chosen, on the characters'
    // names and on the story's title, in place.
    void SettleConditions(char* text) const;

private:
    IOutlineWindow* owner_;
    IStoryDocument* document_;
    // The settled view of the story's own storyform (null when given another or none), and the
    // storyform the builders read: that view, or the one given.
    std::unique_ptr<SettledStoryForm> settledForm_;
    IStoryForm* storyForm_;
    SceneManager* scenes_;
    std::unique_ptr<IReportTemplates> templates_;
    std::unique_ptr<char[]> workBuffers_;
    String output_;
    char title_[kTitleSize] = "";
    std::int16_t showStorytelling_ = 0;
    SList vocabulary_;
};
