#include "datafiles/QueryRecords.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "foundation/pfm/KeyedText.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr std::size_t kTemplateLength = 30720;
constexpr std::int64_t kLastTopic = kTopicRowCount - 1;

// Keys numbered 1 to Last after the prefix ("R1" .. "R5").
template <const char* Prefix, int Last>
bool Numbered(std::string_view key, std::string& why) {
    const std::string_view prefix(Prefix);
    if (!key.starts_with(prefix) || key.size() == prefix.size()) return false;
    const std::string_view digits = key.substr(prefix.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    const int number = digits.size() > 2 || digits[0] == '0' ? 0 : std::stoi(std::string(digits));
    if (number >= 1 && number <= Last) return true;
    why.assign(prefix).append(" keys are numbered 1 to ").append(std::to_string(Last));
    return false;
}

constexpr char kRadio[] = "R";
constexpr char kEditLabel[] = "ET";
constexpr char kEditDefault[] = "ED";
constexpr char kEditBinding[] = "EV";
constexpr char kEditSelector[] = "ES";
constexpr char kEditLines[] = "EM";
constexpr char kPopupLabel[] = "PT";
constexpr char kPopupBinding[] = "PV";
constexpr char kPopupItems[] = "PI";
constexpr char kButtonTitle[] = "BT";
constexpr char kButtonAction[] = "BV";
constexpr char kCheckTitle[] = "CT";
constexpr char kCheckBinding[] = "CV";
constexpr char kSliderText[] = "ST";

constexpr Notation kStyled = Notation::kStyled;

// --- 'QLST': "NA" the list's name, "OR" its entries.

constexpr KeyRule kQuestionListKeys[] = {
    {"NA", 'c', 0, 0, 255, kStyled},
    {"OR", 'c'},
};

// --- 'FQS2': the page's keys, as the page code reads them (texts with the lengths it reads).

constexpr KeyRule kPageKeys[] = {
    {"TY", 's', 0, 999},
    {"QT", 'c', 0, 0, 85, kStyled},
    {"TH", 's', -1, 3},
    {"AP", 'c', 0, 0, 40, kStyled},
    {"CQ", 's', 0, kLastTopic},
    {"HL", 's', 0, 1},
    {"HP", 's', 0, 32767},
    {"T1", 'c', 0, 0, kTemplateLength, kStyled},
    {"ALT1", 'c', 0, 0, kTemplateLength, kStyled},
    {"SL", 's', 0, 1},
    {"RN", 's', 0, 5},
    {"RV", 'c', 0, 0, 40, kStyled},
    {"RS1", 's', 0, 4},
    {"DQ", 's', 0, 7},
    {"EN", 's', 0, 5},
    {"PN", 's', 0, 5},
    {"BN", 's', 0, 20},
    {"BZ", 's', 0, 1},
    {"CB", 's', 0, 5},
    {"CJ", 's', 0, 1},
    {"SV1", 'c', 0, 0, 40, kStyled},
    {"SP1", 's', 0, 4},
    {"S-1", 's'},
    {"S+1", 's'},
    {"TP", 's', 1, 7},
    {"TX1", 'c', 0, 0, kTemplateLength, kStyled},
    {"TNC", 'c', 0, 0, kTemplateLength, kStyled},
    {"APPINCL", 's', 0, 2},
    {"R1-R5", 'c', 0, 0, kTemplateLength, kStyled, Numbered<kRadio, 5>},
    {"ET1-ET5", 'c', 0, 0, kTemplateLength, kStyled, Numbered<kEditLabel, 5>},
    {"ED1-ED5", 'c', 0, 0, kTemplateLength, kStyled, Numbered<kEditDefault, 5>},
    {"EV1-EV5", 'c', 0, 0, 40, kStyled, Numbered<kEditBinding, 5>},
    {"ES1-ES5", 's', 0, 4, 0, Notation::kPlain, Numbered<kEditSelector, 5>},
    {"EM1-EM5", 's', 0, 0, 0, Notation::kPlain, Numbered<kEditLines, 5>},
    {"PT1-PT5", 'c', 0, 0, kTemplateLength, kStyled, Numbered<kPopupLabel, 5>},
    {"PV1-PV5", 'c', 0, 0, 80, kStyled, Numbered<kPopupBinding, 5>},
    {"PI1-PI5", 'c', 0, 0, kTemplateLength, kStyled, Numbered<kPopupItems, 5>},
    {"BT1-BT20", 'c', 0, 0, kTemplateLength, kStyled, Numbered<kButtonTitle, 20>},
    {"BV1-BV20", 'c', 0, 0, 40, kStyled, Numbered<kButtonAction, 20>},
    {"CT1-CT5", 'c', 0, 0, kTemplateLength, kStyled, Numbered<kCheckTitle, 5>},
    {"CV1-CV5", 'c', 0, 0, 40, kStyled, Numbered<kCheckBinding, 5>},
    {"ST1-ST4", 'c', 0, 0, kTemplateLength, kStyled, Numbered<kSliderText, 4>},
};

std::int64_t NumberOf(const RecordValue* value) { return value ? std::stoll(value->text) : 0; }

// The dynamic a storyform choice page asks about: its id, code and constraint index.
struct Dynamic {
    std::int16_t id;
    const char* code;
};
constexpr Dynamic kDynamics[] = {{1000, "Resolve"}, {1010, "Direction"}, {1020, "Approach"},
                                 {1030, "Sex"},     {1040, "Work"},      {1050, "Limit"},
                                 {1060, "Outcome"}, {1070, "Judgment"}};

std::optional<std::int64_t> AsNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    std::size_t end = 0;
    try {
        const std::int64_t value = std::stoll(text, &end);
        return end == text.size() ? std::optional<std::int64_t>(value) : std::nullopt;
    } catch (...) {
        return std::nullopt;
    }
}

void CheckPage(const std::vector<std::string_view>& /*keys*/, const RecordValueLookup& values,
               const RecordError& error) {
    // Numbered keys stay within their count.
    const struct {
        const char* count;
        std::initializer_list<const char*> prefixes;
        int last;
    } families[] = {{"RN", {kRadio}, 5},
                    {"EN", {kEditLabel, kEditDefault, kEditBinding, kEditSelector, kEditLines}, 5},
                    {"PN", {kPopupLabel, kPopupBinding, kPopupItems}, 5},
                    {"BN", {kButtonTitle, kButtonAction}, 20},
                    {"CB", {kCheckTitle, kCheckBinding}, 5}};
    for (const auto& family : families) {
        const std::int64_t count = NumberOf(values(family.count));
        for (const char* prefix : family.prefixes) {
            for (int x = static_cast<int>(count) + 1; x <= family.last; ++x) {
                const std::string key = prefix + std::to_string(x);
                if (const RecordValue* value = values(key))
                    error(value->line,
                          key + " is beyond the page's " + family.count + " (" + std::to_string(count) + ")");
            }
        }
    }
    const RecordValue* type = values("TY");
    const RecordValue* point = values("AP");
    const std::int64_t pageClass = type ? NumberOf(type) : 2;
    const int line = type ? type->line : 0;
    if (pageClass == 1) {
        // No dynamic has the id -1: a page without a numeric "AP" matches none.
        const std::int64_t id = point ? AsNumber(point->text).value_or(-1) : -1;
        const auto dynamic = std::find_if(std::begin(kDynamics), std::end(kDynamics),
                                          [&](const Dynamic& d) { return d.id == id; });
        if (dynamic == std::end(kDynamics)) {
            error(point ? point->line : line,
                  "a storyform choice page (TY 1) has the id of a dynamic as AP: "
                  "1000, 1010, ... 1070");
            return;
        }
        const RecordValue* code = values("RV");
        if (!code || code->text != dynamic->code)
            error(code ? code->line : line,
                  std::string("RV is the code of AP's story point: ") + dynamic->code);
        const RecordValue* index = values("DQ");
        if (!index || NumberOf(index) != dynamic - std::begin(kDynamics))
            error(index ? index->line : line, "DQ is the solver's index of AP's dynamic: " +
                                                  std::to_string(dynamic - std::begin(kDynamics)));
        const RecordValue* radios = values("RN");
        if (NumberOf(radios) != 3)
            error(radios ? radios->line : line,
                  "a storyform choice page has 3 radios: the two values and none");
    } else if (pageClass == 100) {
        for (const char* key : {"RN", "EN", "CB", "SL"}) {
            if (const RecordValue* value = values(key); value && NumberOf(value) != 0)
                error(value->line,
                      std::string("a structural finder page (TY 100) has its own items: no ") + key);
        }
        const auto id = point ? AsNumber(point->text) : std::nullopt;
        const StoryPointRecord* row = id ? StoryPointByID(static_cast<std::int16_t>(*id)) : nullptr;
        if (!row || row->kind < kDomainLevelPoint || row->kind > kElementLevelPoint)
            error(point ? point->line : line,
                  "a structural finder page has a throughline story point's id as AP");
    } else if (pageClass == 5 && !values("APPINCL")) {
        error(line, "a scene page names its menu with APPINCL (0, 1 or 2)");
    } else if (pageClass == 75 && !values("TP")) {
        error(line, "a recap page names its recap with TP (1 to 7)");
    }
}

// --- checks across the records

struct ParsedRecord {
    const CompiledSegment* segment;
    KeyedText text;

    std::optional<std::string> Text(std::string_view key) {
        const std::uint32_t size = text.GetValueSize(key);
        std::string value(size + 1, '\0');
        if (text.GetEntry(key, 'c', value.data(), static_cast<std::int32_t>(value.size())) < 0)
            return std::nullopt;
        value.resize(size);
        return value;
    }
    std::optional<std::int16_t> Number(std::string_view key) {
        std::int16_t value = 0;
        if (text.GetEntry(key, 's', &value) < 0) return std::nullopt;
        return value;
    }
    // The source line of the key, or of the record when it has none.
    SourcePlace Place(std::string_view key) const {
        SourcePlace place = segment->origin;
        if (const auto line = segment->keyLines.find(key); line != segment->keyLines.end())
            place.line = line->second;
        return place;
    }
};

constexpr std::int16_t kPageClasses[] = {0, 1, 2, 3, 4, 5, 75, 100, 999};
constexpr std::int16_t kHomePageClass = 999;

struct ListEntry {
    std::int64_t code;
    std::int64_t topic;
    std::int64_t level;
};

std::vector<ListEntry> ParseOrder(const std::string& text, const SourcePlace& place,
                                  Diagnostics& diagnostics) {
    std::vector<std::int64_t> numbers;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        const std::string piece = text.substr(start, end - start);
        if (!piece.empty()) {
            const auto number = AsNumber(piece);
            if (!number) diagnostics.Error(place, "OR holds " + piece + ", which is no number");
            numbers.push_back(number.value_or(-1));
        }
        start = end + 1;
    }
    if (numbers.size() % 3 != 0)
        diagnostics.Error(place, "OR holds " + std::to_string(numbers.size()) +
                                     " numbers: entries are whole triples of code, topic and level");
    std::vector<ListEntry> entries;
    for (std::size_t i = 0; i + 2 < numbers.size(); i += 3)
        entries.push_back({numbers[i], numbers[i + 1], numbers[i + 2]});
    return entries;
}

bool HasSegment(const std::vector<CompiledSegment>& segments, FourCC type, std::int16_t id) {
    return std::any_of(segments.begin(), segments.end(), [&](const CompiledSegment& segment) {
        return segment.key.type == type && segment.key.id == static_cast<std::uint16_t>(id);
    });
}

// The story point index a page names as AP, -1 when it names none.
int PagePointIndex(ParsedRecord& page) {
    const auto point = AsNumber(page.Text("AP").value_or(""));
    return point ? StoryPointIndex(static_cast<std::int16_t>(*point)) : -1;
}

// The two pages of one story point name each other with "CQ": an illustration page names the
// storyforming question of its point (its help falls back on that question's explanation, theory and
// usage), and a storyforming question names a page that illustrates its point (without one the help's
// "Results" section, what the writer wrote about the point, never shows).
void CheckCompanion(const std::string& which, ParsedRecord& page, int pointIndex, bool question,
                    const std::vector<TopicSourceRow>& topics, std::map<std::uint16_t, ParsedRecord>& pages,
                    Diagnostics& diagnostics) {
    const auto companion = page.Number("CQ");
    if (!companion) {
        diagnostics.Error(page.Place("AP"),
                          which + (question ? " is a storyforming question: CQ names the page that illustrates "
                                              "its story point, or its Results help never shows"
                                            : " illustrates a story point: CQ names the storyforming question "
                                              "of that point, whose help the page shows"));
        return;
    }
    const auto row = static_cast<std::size_t>(*companion);
    const auto other = pages.find(static_cast<std::uint16_t>(row));
    const bool fits = row < topics.size() && topics[row].used && other != pages.end() &&
                      (question ? topics[row].kind == kTopicFurther || topics[row].kind == kTopicIllustration
                                : topics[row].kind == kTopicPoint);
    const std::string named = which + ": CQ " + std::to_string(*companion);
    if (!fits) {
        diagnostics.Error(page.Place("CQ"), named + (question ? " is no illustration page of a story point"
                                                              : " is no storyforming question with a page"));
        return;
    }
    const int otherPoint = question ? PagePointIndex(other->second) : topics[row].storyPointIndex;
    if (pointIndex >= 0 && otherPoint != pointIndex)
        diagnostics.Error(page.Place("CQ"), named + " is about another story point than the page's AP");
}

// The page classes and the kinds of their topics agree: the window counts, marks and helps a topic
// by its kind, the page by its class.
void CheckPageKind(std::uint16_t id, ParsedRecord& page, const TopicSourceRow& topic, int pointIndex,
                   std::int16_t pageClass, const std::vector<TopicSourceRow>& topics,
                   std::map<std::uint16_t, ParsedRecord>& pages, Diagnostics& diagnostics) {
    const std::string which = "topic " + std::to_string(id);
    const auto expect = [&](std::initializer_list<std::int16_t> kinds, const char* what) {
        if (std::find(kinds.begin(), kinds.end(), topic.kind) == kinds.end())
            diagnostics.Error(page.Place("TY"), which + ": " + what);
    };
    switch (pageClass) {
        case 999: expect({kTopicInfo}, "a home page (TY 999) is an information topic (kind info)"); break;
        case 75: expect({kTopicInfo}, "a recap (TY 75) is an information topic (kind info)"); break;
        case 4:
        case 5: expect({kTopicScene}, "a scene page (TY 4 or 5) is a scene topic (kind scene)"); break;
        case 3:
            expect({kTopicStory, kTopicCharacter},
                   "a general choice (TY 3) is kept in a story record: its topic is of kind story or "
                   "character");
            break;
        default: break;
    }
    if (topic.kind == kTopicPoint) {
        CheckCompanion(which, page, pointIndex, true, topics, pages, diagnostics);
        return;
    }
    if (topic.kind != kTopicFurther && topic.kind != kTopicIllustration) return;
    // An illustration page shows its text only once its story point is chosen.
    if (pointIndex < 0)
        diagnostics.Error(page.Place("AP"), which + " illustrates a story point: its page names it as AP");
    CheckCompanion(which, page, pointIndex, false, topics, pages, diagnostics);
}

// Every page that illustrates a story point shows how another story shows that point, in a
// paragraph of its main text of its own: no two pages give the writer the same example.
constexpr std::string_view kExampleLead = "How another story shows its own: ";

void CheckIllustrationExamples(std::map<std::uint16_t, ParsedRecord>& pages,
                               const std::vector<TopicSourceRow>& topics, Diagnostics& diagnostics) {
    std::map<std::string, std::uint16_t> examples;
    for (auto& [id, page] : pages) {
        if (id >= topics.size() || !topics[id].used ||
            (topics[id].kind != kTopicFurther && topics[id].kind != kTopicIllustration))
            continue;
        const std::string text = page.Text("T1").value_or("");
        std::vector<std::string> found;
        for (std::size_t start = 0; start <= text.size();) {
            std::size_t end = text.find("\n\n", start);
            if (end == std::string::npos) end = text.size();
            const std::string paragraph = text.substr(start, end - start);
            if (paragraph.starts_with(kExampleLead)) found.push_back(paragraph.substr(kExampleLead.size()));
            start = end + 2;
        }
        const std::string which = "topic " + std::to_string(id);
        if (found.size() != 1) {
            diagnostics.Error(page.Place("T1"), which + " illustrates a story point: its T1 has one paragraph "
                                                        "starting \"" + std::string(kExampleLead) +
                                                        "\" with an example of that point (it has " +
                                                        std::to_string(found.size()) + ")");
            continue;
        }
        if (const auto [other, added] = examples.emplace(found.front(), id); !added)
            diagnostics.Error(page.Place("T1"), which + " gives the example of topic " +
                                                    std::to_string(other->second) +
                                                    ": each illustration page has an example of its own");
    }
}

}  // namespace

const RecordSchema kQuestionListSchema{"a question list", kQuestionListKeys, nullptr, nullptr, true};
const RecordSchema kPageSchema{"a question page", kPageKeys, CheckPage, nullptr, true};

void CheckQueryRecords(const std::vector<CompiledSegment>& segments, const QueryTables* tables,
                       const SourcePlace& place, Diagnostics& diagnostics) {
    std::map<std::uint16_t, ParsedRecord> lists;
    std::map<std::uint16_t, ParsedRecord> pages;
    for (const CompiledSegment& segment : segments) {
        const bool list = segment.key.type == FourCCOf("QLST");
        if (!list && segment.key.type != FourCCOf("FQS2")) continue;
        ParsedRecord record{&segment, {}};
        record.text.Parse(reinterpret_cast<const char*>(segment.bytes.data()), segment.bytes.size());
        (list ? lists : pages).emplace(segment.key.id, std::move(record));
    }
    if (lists.empty() && pages.empty()) return;
    if (!tables) {
        diagnostics.Error(place,
                          "question lists and pages are checked against the topic table: give the "
                          "folder of data/query with --topics");
        return;
    }
    const auto usedTopic = [&](std::int64_t topic) {
        return topic >= 0 && topic < kTopicRowCount && tables->topics[static_cast<std::size_t>(topic)].used;
    };
    for (auto& [id, page] : pages) {
        const SourcePlace& origin = page.segment->origin;
        if (!usedTopic(id)) {
            diagnostics.Error(origin,
                              "the page of topic " + std::to_string(id) + " has no row in the topic table");
            continue;
        }
        const TopicSourceRow& topic = tables->topics[id];
        const std::int16_t pageClass = page.Number("TY").value_or(2);
        if (std::find(std::begin(kPageClasses), std::end(kPageClasses), pageClass) == std::end(kPageClasses))
            diagnostics.Error(page.Place("TY"),
                              "TY " + std::to_string(pageClass) + " is no page class: 0-5, 75, 100 or 999");
        const int pointIndex = PagePointIndex(page);
        if (pageClass == 1 || pageClass == 100) {
            if (topic.kind != kTopicPoint || topic.storyPointIndex != pointIndex)
                diagnostics.Error(page.Place("AP"),
                                  "topic " + std::to_string(id) +
                                      " must be a storyforming question (kind point) of the story point " +
                                      "AP names, or its row never shows the answer");
        } else if (topic.kind == kTopicPoint && topic.storyPointIndex != pointIndex) {
            diagnostics.Error(page.Place("AP"),
                              "topic " + std::to_string(id) +
                                  " is a storyforming question: its page names the story point of its row "
                                  "as AP");
        }
        CheckPageKind(id, page, topic, pointIndex, pageClass, tables->topics, pages, diagnostics);
        if (const auto help = page.Number("HP");
            help && *help > 0 && !HasSegment(segments, FourCCOf("FQSH"), *help))
            diagnostics.Error(page.Place("HP"), "the page's help text ('FQSH' " + std::to_string(*help) +
                                                    ") is missing: its button would stay dim");
        if (id >= 296 && id <= 305 && pageClass != 3)
            diagnostics.Error(page.Place("TY"),
                              "topics 296-305 are general choices (TY 3) whose first radio means "
                              "not answered");
    }
    CheckIllustrationExamples(pages, tables->topics, diagnostics);
    if (pages.count(19) && (!pages.count(78) || !pages.count(79)))
        diagnostics.Error(
            pages.at(19).segment->origin,
            "the growth question 19 is shown as 78 or 79 once Resolve is chosen: both need pages");

    std::set<std::int64_t> listedTopics;
    bool homeListed = false;
    for (auto& [id, list] : lists) {
        const SourcePlace origin = list.Place("OR");
        const auto order = list.Text("OR");
        if (!order) {
            diagnostics.Error(origin, "a question list holds its entries under OR");
            continue;
        }
        std::int64_t previousLevel = 0;
        for (const ListEntry& entry : ParseOrder(*order, origin, diagnostics)) {
            const std::string where = "list " + std::to_string(id) + ", topic " + std::to_string(entry.topic);
            if (entry.code < 0 || entry.code > 12)
                diagnostics.Error(
                    origin, where + ": the expansion code " + std::to_string(entry.code) + " is not 0 to 12");
            if (entry.level < 1 || entry.level > 6 || entry.level > previousLevel + 1)
                diagnostics.Error(origin,
                                  where + ": level " + std::to_string(entry.level) + " after level " +
                                      std::to_string(previousLevel) +
                                      " (levels run 1 to 6, at most one deeper than the entry before)");
            previousLevel = entry.level;
            if (!usedTopic(entry.topic)) {
                diagnostics.Error(origin, where + " has no row in the topic table");
            } else if (!pages.count(static_cast<std::uint16_t>(entry.topic))) {
                diagnostics.Error(origin,
                                  where + " has no page ('FQS2' " + std::to_string(entry.topic) + ")");
            } else if (pages.at(static_cast<std::uint16_t>(entry.topic)).Number("TY") == kHomePageClass) {
                homeListed = true;
            }
            listedTopics.insert(entry.topic);
        }
    }
    if (lists.empty()) return;
    if (!lists.count(0))
        diagnostics.Error(place,
                          "there are question lists but no list 0, which stands in for "
                          "every missing one");
    for (std::uint16_t id = 2; homeListed && id <= 10; ++id) {
        if (!lists.count(id))
            diagnostics.Error(
                place, "the home page leads to lists 2 to 10; list " + std::to_string(id) + " is missing");
    }
    for (std::size_t topic = 0; topic < tables->topics.size(); ++topic) {
        const TopicSourceRow& row = tables->topics[topic];
        if (row.used && row.kind == kTopicFurther && !listedTopics.count(static_cast<std::int64_t>(topic)))
            diagnostics.Error(row.place,
                              "topic " + std::to_string(topic) +
                                  " (kind further) is in no question list: the query window's second "
                                  "bar would count it open for ever");
    }
}
