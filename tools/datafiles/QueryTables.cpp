#include "datafiles/QueryTables.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "datafiles/PageKeywordCheck.h"
#include "storymodel/engine/StoryPointTable.h"

namespace fs = std::filesystem;

namespace {

const std::map<std::string_view, std::int16_t>& TopicKindWords() {
    static const std::map<std::string_view, std::int16_t> words = {
        {"character", kTopicCharacter}, {"point", kTopicPoint},
        {"further", kTopicFurther},     {"illustration", kTopicIllustration},
        {"scene", kTopicScene},         {"info", kTopicInfo},
        {"story", kTopicStory},
    };
    return words;
}

std::string KindWord(std::int16_t kind) {
    for (const auto& [word, code] : TopicKindWords()) {
        if (code == kind) return std::string(word);
    }
    return std::to_string(kind);
}

// Topics whose texts the story document keeps among its information (the synopses it clears with the
// storytelling); their status must be stored.
constexpr std::int16_t kSynopsisTopics[] = {394, 13, 306, 307, 308, 309, 323, 324, 395, 396};

// A template's braces: each "{" closed by a "}" before the next "{", no "}" without one.
std::optional<std::string> BraceError(std::string_view text) {
    bool open = false;
    for (char c : text) {
        if (c == '{') {
            if (open) return "a { inside another: macros and keywords do not nest";
            open = true;
        } else if (c == '}') {
            if (!open) return "a } that no { opens";
            open = false;
        }
    }
    if (open) return "a { that no } closes";
    return std::nullopt;
}

// The story point of a source word: its table index, or nothing ("-" gives -1).
std::optional<int> StoryPointOfWord(SourceReader& reader, const std::string& word, int line) {
    if (word == "-") return -1;
    const int index = StoryPointIndexForCode(word.c_str());
    const StoryPointRecord* row = StoryPointAt(index);
    if (!row || row->kind < 0 || row->kind > kElementLevelPoint) {
        reader.Error(line, "no story point has the code " + word);
        return std::nullopt;
    }
    return index;
}

std::optional<std::string> Template(SourceReader& reader, const Token& token, int line,
                                    std::string_view what) {
    if (token.kind != Token::Kind::kQuoted) {
        reader.Error(line, std::string(what) + " is a quoted text");
        return std::nullopt;
    }
    auto text = reader.Text(token, line, Notation::kStyled);
    if (!text) return std::nullopt;
    if (const auto error = BraceError(*text)) {
        reader.Error(line, std::string(what) + ": " + *error);
        return std::nullopt;
    }
    // Read as the window reads it: keywords first, then macros. What the macros would read from the
    // data file is checked with the lists and pages that show the title.
    CompiledSegment references;
    bool sound = true;
    CheckPageTemplate(
        *text, reader.Place(line),
        [&](const std::string& message) {
            reader.Error(line, std::string(what) + ": " + message);
            sound = false;
        },
        references);
    if (!sound) return std::nullopt;
    return text;
}

bool ReadUnused(SourceReader& reader, const std::vector<Token>& tokens, int line, int& next,
                std::vector<TopicSourceRow>& rows) {
    const std::string& range = tokens[0].text;
    const std::size_t dash = range.find('-', 1);
    const auto first = ParseSourceNumber(range.substr(0, dash));
    const auto last = dash == std::string::npos ? first : ParseSourceNumber(range.substr(dash + 1));
    if (!first || !last || *last < *first) {
        reader.Error(line, "unused rows are written as an id or a range first-last, not " + range);
        return false;
    }
    if (*first != next) {
        reader.Error(
            line, "the row of topic " + std::to_string(next) + " comes next, not " + std::to_string(*first));
        return false;
    }
    for (std::int64_t id = *first; id <= *last && id < kTopicRowCount; ++id) {
        TopicSourceRow row;
        row.place = reader.Place(line);
        rows.push_back(row);
    }
    next = static_cast<int>(*last) + 1;
    return true;
}

void ReadTopicRow(SourceReader& reader, const std::vector<Token>& tokens, int line, int& next,
                  std::vector<TopicSourceRow>& rows) {
    if (tokens.size() != 5) {
        reader.Error(line, "a topic row is: id kind point group \"title\" (or: first-last unused)");
        return;
    }
    const auto id = reader.Number(tokens[0], line, 0, kTopicRowCount - 1, "the topic id");
    if (!id) return;
    if (*id != next) {
        reader.Error(line,
                     "the row of topic " + std::to_string(next) + " comes next, not " + std::to_string(*id));
        return;
    }
    ++next;
    TopicSourceRow row;
    row.used = true;
    row.place = reader.Place(line);
    const auto kind = TopicKindWords().find(tokens[1].text);
    if (kind == TopicKindWords().end()) {
        reader.Error(line,
                     "unknown kind " + tokens[1].text +
                         "; the kinds are character, point, further, illustration, scene, info and story");
    } else {
        row.kind = kind->second;
    }
    const auto point = StoryPointOfWord(reader, tokens[2].text, line);
    if (point && *point >= 0) row.storyPointIndex = static_cast<std::int16_t>(*point);
    if (point && (*point >= 0) != (row.kind == kTopicPoint)) {
        reader.Error(line, row.kind == kTopicPoint
                               ? "a storyforming question names the story point it answers"
                               : "only a storyforming question (kind point) names a story point");
    }
    if (const auto group = reader.Number(tokens[3], line, 0, 9, "the progress group")) {
        row.group = static_cast<std::int16_t>(*group);
        if (row.kind == kTopicInfo && row.group != 9)
            reader.Error(line, "an information page has no status: its group is 9, where nothing counts it");
        if ((row.kind == kTopicPoint) != (row.group <= 2))
            reader.Error(line,
                         "groups 0-2 are those of the storyforming questions (kind point), and only theirs");
    }
    if (auto title = Template(reader, tokens[4], line, "the title")) {
        if (title->empty()) reader.Error(line, "the title is empty");
        row.title = std::move(*title);
    }
    rows.push_back(std::move(row));
}

// The rows the program names by id must have the kinds it treats them as.
void CheckNamedTopics(const std::vector<TopicSourceRow>& rows, const std::string& path,
                      Diagnostics& diagnostics) {
    if (rows.size() != kTopicRowCount) return;
    const auto require = [&](std::int16_t id, std::initializer_list<std::int16_t> kinds, const char* why) {
        const TopicSourceRow& row = rows[static_cast<std::size_t>(id)];
        if (row.used && std::find(kinds.begin(), kinds.end(), row.kind) != kinds.end()) return;
        std::string wanted;
        for (std::int16_t kind : kinds) wanted += (wanted.empty() ? "" : " or ") + KindWord(kind);
        diagnostics.Error(
            row.used ? row.place : SourcePlace{path, 0},
            "topic " + std::to_string(id) + " must be a used row of kind " + wanted + ": " + why);
    };
    require(0, {kTopicInfo}, "it is the home page");
    for (std::int16_t id : {2, 655}) require(id, {kTopicStory}, "leaving it retitles the story's windows");
    for (std::int16_t id : {278, 279}) require(id, {kTopicStory}, "it holds a throughline's name");
    for (std::int16_t id = 296; id <= 305; ++id)
        require(id, {kTopicStory}, "it is a general choice about the story");
    for (std::int16_t id : kSynopsisTopics) require(id, {kTopicStory}, "the story keeps its synopsis text");
    for (std::int16_t id : {136, 139}) {
        require(id, {kTopicCharacter, kTopicFurther, kTopicIllustration, kTopicScene, kTopicStory},
                "it is marked answered when left, so its status is stored");
    }
    const int growth = StoryPointIndexForCode("Direction");
    for (std::int16_t id : {19, 78, 79}) {
        require(id, {kTopicPoint}, "it asks the Main Character's growth");
        const TopicSourceRow& row = rows[static_cast<std::size_t>(id)];
        if (row.used && row.kind == kTopicPoint && row.storyPointIndex != growth)
            diagnostics.Error(row.place,
                              "topic " + std::to_string(id) + " answers the story point Direction");
    }
}

bool IsWordCharacter(char c) { return c > ' ' && c != '"'; }

std::string CString(const std::string& bytes) {
    std::string out = "\"";
    for (unsigned char c : bytes) {
        if (c >= ' ' && c < 0x7F && c != '"' && c != '\\' && c != '?') {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", c);
            out += escape;
        }
    }
    return out + "\"";
}

std::optional<std::string> ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// --- appreciation tables

void ReadAppreciationRow(SourceReader& reader, const std::vector<Token>& tokens, int line,
                         std::vector<AppreciationSourceRow>& rows) {
    if (tokens.size() != 7) {
        reader.Error(line, "an appreciation row is: code id level class point content \"name\"");
        return;
    }
    AppreciationSourceRow row;
    row.place = reader.Place(line);
    const auto code = reader.Number(tokens[0], line, 0, 12, "the expansion code");
    const auto id = reader.Number(tokens[1], line, -1, 32767, "the appreciation id");
    const auto level = reader.Number(tokens[2], line, 1, 3, "the level");
    const auto itemClass = reader.Number(tokens[3], line, 0, 2, "the class");
    const auto point = StoryPointOfWord(reader, tokens[4].text, line);
    if (!code || !id || !level || !itemClass || !point) return;
    row.code = static_cast<std::uint16_t>(*code);
    row.appreciation = static_cast<std::int16_t>(*id);
    row.level = static_cast<std::int16_t>(*level);
    row.itemClass = static_cast<std::int16_t>(*itemClass);
    const StoryPointRecord* pointRow = StoryPointAt(*point);
    row.storyPoint = pointRow ? pointRow->id : 0;
    if (!(tokens[5].kind == Token::Kind::kWord && tokens[5].text == "-")) {
        row.content = Template(reader, tokens[5], line, "the content");
        if (!row.content) return;
    }
    const auto name = Template(reader, tokens[6], line, "the name");
    if (!name) return;
    row.name = *name;
    if (row.name.empty()) reader.Error(line, "the name is empty");

    const bool heading = row.appreciation == -1;
    if (heading && (pointRow || (row.content && (row.content->empty() || (*row.content)[0] != '"'))))
        reader.Error(
            line,
            "a heading or separator (id -1) names no story point and has no content but a literal text");
    if (row.name == "-" && !heading) reader.Error(line, "a separator has the id -1");
    if (pointRow) {
        if (row.appreciation != pointRow->id || row.itemClass != 2 || !row.content ||
            *row.content != pointRow->code)
            reader.Error(line, std::string("a story point's item has its id (") +
                                   std::to_string(pointRow->id) + "), class 2 and its code (" +
                                   pointRow->code + ") as content");
    } else if (!heading && (row.appreciation < 1 || row.appreciation > 99)) {
        reader.Error(line, "an item without a story point has an id from 1 to 99");
    }
    if (row.content && !row.content->empty() && (*row.content)[0] != '"' && (*row.content)[0] != '{' &&
        !std::all_of(row.content->begin(), row.content->end(), IsWordCharacter))
        reader.Error(line, "the content is a keyword call, a record key or a literal text after \\\"");
    rows.push_back(std::move(row));
}

void CheckOutline(const std::vector<AppreciationSourceRow>& rows, Diagnostics& diagnostics) {
    std::int16_t previous = 0;
    for (const AppreciationSourceRow& row : rows) {
        if (row.level > previous + 1)
            diagnostics.Error(row.place, "level " + std::to_string(row.level) + " follows level " +
                                             std::to_string(previous) +
                                             ": an entry is at most one level deeper");
        previous = row.level;
    }
}

}  // namespace

std::vector<TopicSourceRow> ReadTopicTable(const std::string& path, std::string_view contents,
                                           Diagnostics& diagnostics) {
    SourceReader reader(path, contents, {}, diagnostics, nullptr);
    std::vector<TopicSourceRow> rows;
    int next = 0;
    std::vector<Token> tokens;
    for (const SourceLine& line : reader.Statements()) {
        if (!reader.Tokenize(line, tokens)) continue;
        if (next >= kTopicRowCount) {
            reader.Error(line.number, "the table has " + std::to_string(kTopicRowCount) + " rows, 0 to " +
                                          std::to_string(kTopicRowCount - 1));
            break;
        }
        if (tokens.size() == 2 && tokens[1].kind == Token::Kind::kWord && tokens[1].text == "unused") {
            ReadUnused(reader, tokens, line.number, next, rows);
        } else {
            ReadTopicRow(reader, tokens, line.number, next, rows);
        }
    }
    if (next != kTopicRowCount && !reader.HasErrors())
        diagnostics.Error({path, 0}, "the table ends at topic " + std::to_string(next - 1) + "; it has " +
                                         std::to_string(kTopicRowCount) + " rows");
    if (next > kTopicRowCount && !reader.HasErrors())
        diagnostics.Error({path, 0}, "unused rows run past topic " + std::to_string(kTopicRowCount - 1));
    CheckNamedTopics(rows, path, diagnostics);
    return rows;
}

std::array<std::vector<AppreciationSourceRow>, kAppreciationKinds> ReadAppreciationTables(
    const std::string& path, std::string_view contents, Diagnostics& diagnostics) {
    SourceReader reader(path, contents, {}, diagnostics, nullptr);
    std::array<std::vector<AppreciationSourceRow>, kAppreciationKinds> tables;
    int table = -1;
    std::vector<Token> tokens;
    for (const SourceLine& line : reader.Statements()) {
        if (!reader.Tokenize(line, tokens)) continue;
        if (tokens.size() == 2 && tokens[0].kind == Token::Kind::kWord && tokens[0].text == "table") {
            const auto kind =
                reader.Number(tokens[1], line.number, 0, kAppreciationKinds - 1, "the table kind");
            if (kind && *kind != table + 1)
                reader.Error(line.number, "table " + std::to_string(table + 1) + " comes next");
            table = kind ? static_cast<int>(*kind) : table + 1;
            continue;
        }
        if (table < 0) {
            reader.Error(line.number, "rows follow a line \"table 0\", \"table 1\" or \"table 2\"");
            continue;
        }
        ReadAppreciationRow(reader, tokens, line.number, tables[static_cast<std::size_t>(table)]);
    }
    for (std::size_t kind = 0; kind < kAppreciationKinds; ++kind) {
        CheckOutline(tables[kind], diagnostics);
        if (tables[kind].size() != kAppreciationRows[kind] && !reader.HasErrors())
            diagnostics.Error({path, 0}, "table " + std::to_string(kind) + " has " +
                                             std::to_string(tables[kind].size()) + " rows; it must have " +
                                             std::to_string(kAppreciationRows[kind]));
    }
    return tables;
}

std::optional<QueryTables> ReadQueryTables(const std::string& folder, Diagnostics& diagnostics) {
    const std::size_t before = diagnostics.Messages().size();
    QueryTables tables;
    const fs::path topics = fs::path(folder) / kTopicTableFile;
    const fs::path appreciations = fs::path(folder) / kAppreciationTableFile;
    const auto topicText = ReadText(topics);
    const auto appreciationText = ReadText(appreciations);
    if (!topicText) diagnostics.Error({topics.string(), 0}, "cannot read the topic table");
    if (!appreciationText)
        diagnostics.Error({appreciations.string(), 0}, "cannot read the appreciation tables");
    if (topicText) tables.topics = ReadTopicTable(topics.string(), *topicText, diagnostics);
    if (appreciationText)
        tables.appreciations = ReadAppreciationTables(appreciations.string(), *appreciationText, diagnostics);
    if (diagnostics.Messages().size() != before) return std::nullopt;
    return tables;
}

std::string QueryTablesSource(const QueryTables& tables) {
    std::string out =
        "// Made by the data compiler from data/query/topics.table and data/query/appreciations.table;\n"
        "// do not edit.\n\n"
        "#include \"query/data/AppreciationTables.h\"\n"
        "#include \"query/data/TopicTable.h\"\n\n"
        "const std::array<TopicRecord, kTopicCount> kTopicTable = {{\n";
    for (std::size_t id = 0; id < tables.topics.size(); ++id) {
        const TopicSourceRow& row = tables.topics[id];
        out += "    {" + CString(row.title) + ", " + std::to_string(row.kind) + ", " +
               std::to_string(row.storyPointIndex) + ", " + std::to_string(id) + ", " +
               std::to_string(row.group) + "},\n";
    }
    out += "}};\n";
    for (std::size_t kind = 0; kind < kAppreciationKinds; ++kind) {
        out += "\nconst std::array<AppreciationRow, kAppreciationRowCounts[" + std::to_string(kind) +
               "]> kAppreciationTable" + std::to_string(kind) + " = {{\n";
        for (const AppreciationSourceRow& row : tables.appreciations[kind]) {
            out += "    {" + std::to_string(row.code) + ", " + std::to_string(row.appreciation) + ", " +
                   std::to_string(row.level) + ", " + std::to_string(row.itemClass) + ", " +
                   std::to_string(row.storyPoint) + ", " + (row.content ? CString(*row.content) : "nullptr") +
                   ", " + CString(row.name) + "},\n";
        }
        out += "}};\n";
    }
    return out;
}

bool WriteQueryTables(const std::string& folder, const std::string& output, Diagnostics& diagnostics) {
    const auto tables = ReadQueryTables(folder, diagnostics);
    if (!tables) return false;
    const std::string source = QueryTablesSource(*tables);
    // Unchanged output keeps its time, so nothing that includes it is compiled again.
    if (ReadText(output) == source) return true;
    std::error_code error;
    fs::create_directories(fs::path(output).parent_path(), error);
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << source;
    out.close();
    if (!out) {
        diagnostics.Error({output, 0}, "cannot write the tables");
        return false;
    }
    return true;
}
