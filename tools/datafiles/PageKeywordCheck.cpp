#include "datafiles/PageKeywordCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>

namespace {

using P = KeywordParameters;

// The page keywords the program registers, sorted as its registry is (byte by byte).
constexpr std::array kKeywords = std::to_array<PageKeyword>({
    {"ACT", P::kNumber},        {"ChCharListM", P::kNone},    {"ChRefActv", P::kNone},
    {"ChRefAddR", P::kNumber},  {"ChRefArch", P::kNone},      {"ChRefBG", P::kNone},
    {"ChRefBel", P::kNone},     {"ChRefCFunc", P::kNone},     {"ChRefDesc", P::kNone},
    {"ChRefDismiss", P::kNone}, {"ChRefForm", P::kNone},      {"ChRefInt", P::kNone},
    {"ChRefInter", P::kNone},   {"ChRefIntro", P::kNone},     {"ChRefNm", P::kNone},
    {"ChRefPhys", P::kNone},    {"ChRefPossR", P::kNone},     {"ChRefRelat", P::kNone},
    {"ChRefRole", P::kNone},    {"ChRefRoleX", P::kNone},     {"ChRefSex", P::kNone},
    {"ChRefSkil", P::kNone},    {"ChRefSubj", P::kNone},      {"ChSetMain", P::kNone},
    {"ChSetObst", P::kNone},    {"CreateChar", P::kNumber},   {"DelChRelat", P::kNone},
    {"DeleteChar", P::kNone},   {"DeleteDis", P::kNone},      {"DeleteInter", P::kNone},
    {"DeleteIntro", P::kNone},  {"GotoChar", P::kNumber},     {"GotoPage", P::kNumber},
    {"GotoQLST", P::kNumber},   {"GotoRelatOth", P::kNumber}, {"INTER", P::kNumber},
    {"NAME", P::kDigit},        {"PrintRep", P::kNumber},     {"ScRefTitle", P::kNone},
    {"SceneAdDs", P::kNumber},  {"SceneAdd", P::kNone},       {"SceneAppr", P::kNone},
    {"SceneCat", P::kNone},     {"SceneCatRef", P::kNone},    {"SceneDel", P::kNone},
    {"SceneDelThis", P::kNone}, {"SceneDes", P::kNumber},     {"SceneSTell", P::kNone},
    {"SceneText", P::kNone},    {"SceneTitle", P::kNone},     {"SceneWkTitle", P::kNone},
    {"SpJr", P::kNumber},       {"THR", P::kThroughline},
});

// The longest name the interpreter compares.
constexpr std::size_t kNameLength = 21;

// The parameters of a keyword as it reads them, from just after its "(": the length read, or none
// when they are not written as the keyword reads them.
std::optional<std::size_t> ReadParameters(KeywordParameters form, std::string_view rest) {
    std::size_t at = 0;
    switch (form) {
        case P::kNone: break;
        case P::kNumber: {
            if (at < rest.size() && (rest[at] == '+' || rest[at] == '-')) ++at;
            const std::size_t digits = at;
            while (at < rest.size() && std::isdigit(static_cast<unsigned char>(rest[at]))) ++at;
            if (at == digits) return std::nullopt;
            break;
        }
        case P::kDigit:
            if (rest.empty() || !std::isdigit(static_cast<unsigned char>(rest[0]))) return std::nullopt;
            at = 1;
            break;
        case P::kThroughline: {
            if (rest.empty() || rest[0] == ')') return std::nullopt;
            at = 1;
            if (at < rest.size() && rest[at] == ',') {
                const std::string_view selector = rest.substr(at + 1);
                if (!selector.empty() && selector[0] >= '0' && selector[0] <= '3') {
                    at += 2;
                } else if (selector.starts_with("ST") || selector.starts_with("MC") ||
                           selector.starts_with("OC") || selector.starts_with("PL")) {
                    at += 3;
                } else {
                    return std::nullopt;
                }
            }
            break;
        }
    }
    return at;
}

std::string FormOf(const PageKeyword& keyword) {
    const std::string name(keyword.name);
    switch (keyword.parameters) {
        case P::kNone: return "{" + name + "()}";
        case P::kNumber: return "{" + name + "(n)} with a number n";
        case P::kDigit: return "{" + name + "(1)} with one digit";
        case P::kThroughline: return "{" + name + "(L)}, {" + name + "(S,2)} or {" + name + "(X,MC)}";
    }
    return name;
}

}  // namespace

const PageKeyword* FindPageKeyword(std::string_view name) {
    const auto found = std::lower_bound(kKeywords.begin(), kKeywords.end(), name,
                                        [](const PageKeyword& k, std::string_view n) { return k.name < n; });
    return found != kKeywords.end() && found->name == name ? &*found : nullptr;
}

std::span<const PageKeyword> PageKeywords() { return kKeywords; }

void CheckPageTemplate(std::string_view text, const SourcePlace& place, const MacroError& error,
                       CompiledSegment& segment) {
    if (text == kKeepMainText) return;
    // What the macro expander reads afterwards: the text without its keywords.
    std::string rest;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t brace = text.find('{', position);
        if (brace == std::string_view::npos) break;
        rest.append(text.substr(position, brace - position));
        const std::size_t nameEnd =
            std::min({text.find_first_of("(){}", brace + 1), text.size(), brace + 1 + kNameLength});
        const PageKeyword* keyword = FindPageKeyword(text.substr(brace + 1, nameEnd - brace - 1));
        if (!keyword) {
            rest += '{';
            position = brace + 1;
            continue;
        }
        const std::size_t parameters = nameEnd + 1;
        const auto length = nameEnd < text.size() && text[nameEnd] == '('
                                ? ReadParameters(keyword->parameters, text.substr(parameters))
                                : std::nullopt;
        const std::size_t close = parameters + length.value_or(0);
        if (!length || text.substr(close, 2) != ")}") {
            const std::size_t end = text.find('}', brace);
            error(std::string(text.substr(brace, end == std::string_view::npos ? end : end + 1 - brace)) +
                  ": the keyword " + std::string(keyword->name) + " is written " + FormOf(*keyword));
            position = end == std::string_view::npos ? text.size() : end + 1;
            continue;
        }
        position = close + 2;
    }
    if (position < text.size()) rest.append(text.substr(position));
    CheckMacros(rest, place, error, segment);
}
