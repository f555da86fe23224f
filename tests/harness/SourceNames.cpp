#include "SourceNames.h"

#include <cctype>
#include <cstddef>
#include <vector>

namespace {

struct Token {
    std::string text;
    bool identifier = false;
};

bool IsIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentifierPart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The tokens of the source, without comments, literals and preprocessor lines.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view source) : s_(source) {}

    std::vector<Token> Run() {
        std::vector<Token> tokens;
        bool lineStart = true;
        while (at_ < s_.size()) {
            const char c = s_[at_];
            if (c == '\n') {
                lineStart = true;
                ++at_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++at_;
            } else if (c == '#' && lineStart) {
                SkipPreprocessorLine();
            } else if (Next("//")) {
                while (at_ < s_.size() && s_[at_] != '\n') ++at_;
            } else if (Next("/*")) {
                const std::size_t end = s_.find("*/", at_ + 2);
                at_ = end == std::string_view::npos ? s_.size() : end + 2;
            } else if (c == '"') {
                SkipString();
                lineStart = false;
            } else if (c == '\'') {
                SkipCharacter();
                lineStart = false;
            } else if (std::isdigit(static_cast<unsigned char>(c))) {
                SkipNumber();
                lineStart = false;
            } else if (IsIdentifierStart(c)) {
                const std::size_t start = at_;
                while (at_ < s_.size() && IsIdentifierPart(s_[at_])) ++at_;
                const std::string_view word = s_.substr(start, at_ - start);
                // A literal's prefix (R"(...)", u8"...", L'x') belongs to the literal.
                if (at_ < s_.size() && (s_[at_] == '"' || s_[at_] == '\'') && IsLiteralPrefix(word)) {
                    if (s_[at_] == '\'') {
                        SkipCharacter();
                    } else if (word.back() == 'R') {
                        SkipRawString();
                    } else {
                        SkipString();
                    }
                } else {
                    tokens.push_back({std::string(word), true});
                }
                lineStart = false;
            } else {
                const std::size_t length = (Next("::") || Next("->")) ? 2 : 1;
                tokens.push_back({std::string(s_.substr(at_, length)), false});
                at_ += length;
                lineStart = false;
            }
        }
        return tokens;
    }

private:
    bool Next(std::string_view text) const { return s_.substr(at_, text.size()) == text; }

    static bool IsLiteralPrefix(std::string_view word) {
        return word == "R" || word == "L" || word == "u" || word == "U" || word == "u8" || word == "LR" ||
               word == "uR" || word == "UR" || word == "u8R";
    }

    void SkipPreprocessorLine() {
        while (at_ < s_.size() && s_[at_] != '\n') {
            if (s_[at_] == '\\' && at_ + 1 < s_.size() && s_[at_ + 1] == '\n') ++at_;
            ++at_;
        }
    }

    void SkipQuoted(char quote) {
        ++at_;
        while (at_ < s_.size() && s_[at_] != quote && s_[at_] != '\n') at_ += s_[at_] == '\\' ? 2 : 1;
        ++at_;
    }
    void SkipString() { SkipQuoted('"'); }
    void SkipCharacter() { SkipQuoted('\''); }

    void SkipRawString() {
        const std::size_t open = s_.find('(', at_);
        if (open == std::string_view::npos) {
            at_ = s_.size();
            return;
        }
        const std::string close = ")" + std::string(s_.substr(at_ + 1, open - at_ - 1)) + "\"";
        const std::size_t end = s_.find(close, open);
        at_ = end == std::string_view::npos ? s_.size() : end + close.size();
    }

    // A number with its suffix, digit separators (1'000) and exponent signs.
    void SkipNumber() {
        while (at_ < s_.size()) {
            const char c = s_[at_];
            if (IsIdentifierPart(c) || c == '.' ||
                (c == '\'' && at_ + 1 < s_.size() && IsIdentifierPart(s_[at_ + 1]))) {
                ++at_;
            } else if ((c == '+' || c == '-') && (s_[at_ - 1] == 'e' || s_[at_ - 1] == 'E' ||
                                                  s_[at_ - 1] == 'p' || s_[at_ - 1] == 'P')) {
                ++at_;
            } else {
                break;
            }
        }
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

// Reads the declarations at namespace scope; bodies of classes, functions and initializers are
// passed over.
class DeclarationReader {
public:
    DeclarationReader(const std::vector<Token>& tokens, std::set<std::string>& own) : t_(tokens), own_(own) {}

    void Run() { Scope(0, false); }

private:
    bool Is(std::size_t i, std::string_view text) const { return i < t_.size() && t_[i].text == text; }
    bool Identifier(std::size_t i) const { return i < t_.size() && t_[i].identifier; }

    // The index after the bracket that closes the one at i.
    std::size_t AfterBalanced(std::size_t i) const {
        const std::string open = t_[i].text;
        const std::string close = open == "(" ? ")" : open == "[" ? "]" : open == "{" ? "}" : ">";
        int depth = 0;
        for (; i < t_.size(); ++i) {
            if (t_[i].text == open) {
                ++depth;
            } else if (t_[i].text == close && --depth == 0) {
                return i + 1;
            } else if (open == "<" && (t_[i].text == "(" || t_[i].text == "{")) {
                i = AfterBalanced(i) - 1;  // a template argument's expression
            } else if (open == "<" && (t_[i].text == ";" || t_[i].text == "}")) {
                return i;  // a less-than after all
            }
        }
        return i;
    }

    std::size_t AfterStatement(std::size_t i) const {
        while (i < t_.size() && !Is(i, ";"))
            i = Is(i, "(") || Is(i, "{") || Is(i, "[") ? AfterBalanced(i) : i + 1;
        return i + 1;
    }

    // Macros (TEST, TEST_F, CALLBACK) are written in capitals; they declare nothing here.
    static bool IsMacro(const std::string& name) {
        for (const char c : name) {
            if (std::islower(static_cast<unsigned char>(c))) return false;
        }
        return true;
    }

    void Own(const std::string& name) {
        if (!name.empty() && !IsMacro(name) && name != "main" && name != "operator") own_.insert(name);
    }

    // A namespace's body from i (after its brace), up to the index after its closing brace.
    std::size_t Scope(std::size_t i, bool unnamed) {
        while (i < t_.size()) {
            if (Is(i, "}")) return i + 1;
            if (Is(i, ";")) {
                ++i;
            } else if (Is(i, "namespace")) {
                std::size_t j = i + 1;
                bool named = false;
                while (Identifier(j) || Is(j, "::")) named = t_[j++].identifier || named;
                if (Is(j, "=")) {
                    i = AfterStatement(j);  // an alias: naming another namespace differently is an error
                } else {
                    i = Scope(j + 1, unnamed || !named);
                }
            } else if (Is(i, "extern") && Is(i + 1, "{")) {
                i = Scope(i + 2, unnamed);
            } else if (Is(i, "using")) {
                if (Identifier(i + 1) && Is(i + 2, "=")) Own(t_[i + 1].text);
                i = AfterStatement(i + 1);
            } else if (Is(i, "template") && Is(i + 1, "<")) {
                i = AfterBalanced(i + 1);
            } else if (Is(i, "static_assert")) {
                i = AfterStatement(i);
            } else {
                i = Declaration(i, unnamed);
            }
        }
        return i;
    }

    // One declaration from i, up to the index after it.
    std::size_t Declaration(std::size_t i, bool unnamed) {
        bool internal = unnamed;
        std::string pending;  // the declarator name last read
        bool qualified = false;
        while (i < t_.size()) {
            const std::string& text = t_[i].text;
            if (text == "static" || text == "const" || text == "constexpr") internal = true;
            if (text == "operator") {
                // An operator's symbol, up to its parameters; it is found by its operands' types.
                i += Is(i + 1, "(") ? 3 : 1;
                while (i < t_.size() && !Is(i, "(")) ++i;
                pending.clear();
                qualified = true;
            } else if (text == "class" || text == "struct" || text == "union" || text == "enum") {
                i = TypeSpecifier(i);
                pending.clear();
            } else if (text == "(") {
                // A function's parameters, or a variable's constructor arguments.
                const std::string name = qualified ? std::string() : pending;
                pending.clear();
                i = AfterBalanced(i);
                while (i < t_.size() && !Is(i, "{") && !Is(i, ";") && !Is(i, "=") && !Is(i, ","))
                    i = Is(i, "(") ? AfterBalanced(i) : i + 1;
                if (Is(i, "{")) {
                    if (internal) Own(name);
                    return AfterBalanced(i);
                }
                Own(name);
            } else if (text == "=") {
                Own(pending);
                pending.clear();
                ++i;
                while (i < t_.size() && !Is(i, ",") && !Is(i, ";"))
                    i = Is(i, "(") || Is(i, "{") || Is(i, "[") ? AfterBalanced(i) : i + 1;
            } else if (text == "{" || text == "[") {
                Own(pending);
                pending.clear();
                i = AfterBalanced(i);
            } else if (text == ",") {
                Own(pending);
                pending.clear();
                ++i;
            } else if (text == ";" || text == "}") {
                Own(pending);
                return text == ";" ? i + 1 : i;
            } else if (text == "<") {
                i = AfterBalanced(i);
            } else {
                if (t_[i].identifier) {
                    pending = text;
                    qualified = i > 0 && (t_[i - 1].text == "::" || t_[i - 1].text == "~");
                }
                ++i;
            }
        }
        return i;
    }

    // class, struct, union or enum at i, with its body; the index after it. Its name is the file's
    // own when it has a body; so are an unscoped enum's enumerators.
    std::size_t TypeSpecifier(std::size_t i) {
        const bool isEnum = Is(i, "enum");
        ++i;
        const bool scoped = isEnum && (Is(i, "class") || Is(i, "struct"));
        if (scoped) ++i;
        std::string name;
        if (Identifier(i) && !Is(i + 1, "::")) name = t_[i++].text;
        if (Is(i, "final")) ++i;
        if (Is(i, ":")) {
            // The bases, or an enum's underlying type.
            while (i < t_.size() && !Is(i, "{") && !Is(i, ";")) i = Is(i, "<") ? AfterBalanced(i) : i + 1;
        }
        // Without a body: a declaration of the type, or an elaborated type (`struct stat info`) whose
        // variable's name follows.
        if (!Is(i, "{")) return i;
        Own(name);
        if (isEnum && !scoped) {
            for (std::size_t j = i + 1; j < t_.size() && !Is(j, "}");) {
                if (Identifier(j)) Own(t_[j].text);
                while (j < t_.size() && !Is(j, ",") && !Is(j, "}"))
                    j = Is(j, "(") || Is(j, "{") ? AfterBalanced(j) : j + 1;
                if (Is(j, ",")) ++j;
            }
        }
        return AfterBalanced(i);
    }

    const std::vector<Token>& t_;
    std::set<std::string>& own_;
};

}  // namespace

SourceNames NamesOf(std::string_view source) {
    const std::vector<Token> tokens = Tokenizer(source).Run();
    SourceNames names;
    DeclarationReader(tokens, names.own).Run();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].identifier) continue;
        const std::string before = i > 0 ? tokens[i - 1].text : "";
        if (before != "." && before != "->" && before != "::") names.used.insert(tokens[i].text);
    }
    return names;
}
