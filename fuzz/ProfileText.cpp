// Profile (INI) files; the input is a buffer size (a byte), a length (16 bits), that many bytes of
// a file's text, then edits: each a byte choosing set, delete key or delete section, then the section,
// key and value, each picked from the profile or taken from the input. After reading and after every
// edit, each name listed is one a NUL-separated list can hold (not empty, no NUL), each key listed has
// a value, and the text written reads back to the same sections, keys and values; an edit changes the
// text exactly when it changes what reads, leaves what it does not name as it was and makes what it
// names read as asked. The text is also read from a file through the profile calls, its sections
// listed into a buffer of the size; the list is cut as the calls promise.

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "FuzzSupport.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/Profile.h"
#include "platform/sys/ProfileText.h"

namespace {

using win::ProfileText;
using Entries = std::vector<std::tuple<std::string, std::string, std::string>>;

// A name a NUL-separated list holds as one name.
bool Listable(const std::string& name) { return !name.empty() && name.find('\0') == std::string::npos; }

// Every value the profile holds, by section and key.
Entries EntriesOf(const ProfileText& profile) {
    Entries entries;
    for (const std::string& section : profile.SectionNames()) {
        FUZZ_CHECK(Listable(section));
        for (const std::string& key : profile.KeyNames(section)) {
            FUZZ_CHECK(Listable(key));
            const std::optional<std::string> value = profile.Value(section, key);
            FUZZ_CHECK(value.has_value());
            entries.emplace_back(section, key, *value);
        }
    }
    return entries;
}

void CheckReadsBack(const ProfileText& profile) {
    const ProfileText again(profile.Text());
    FUZZ_CHECK(again.SectionNames() == profile.SectionNames());
    FUZZ_CHECK(EntriesOf(again) == EntriesOf(profile));
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

bool Same(std::string_view a, std::string_view b) { return win::Cp1252EqualNoCase(Trimmed(a), Trimmed(b)); }

// A name of the list, or one taken from the input.
std::string Pick(const std::vector<std::string>& names, FuzzInput& input) {
    const std::uint8_t choice = input.Byte();
    if (choice < 128 && !names.empty()) return names[choice % names.size()];
    return std::string(input.Bytes(choice % 8));
}

void Edit(ProfileText& profile, FuzzInput& input) {
    const std::uint8_t kind = input.Byte() % 3;
    const std::string section = Pick(profile.SectionNames(), input);
    const std::string key = Pick(profile.KeyNames(section), input);
    const std::string value(input.Bytes(input.Byte() % 16));
    if (!ProfileText::IsValidSectionName(section) || !ProfileText::IsValidKeyName(key)) return;
    const Entries before = EntriesOf(profile);
    const std::optional<std::string> old = profile.Value(section, key);
    const std::vector<std::string> sections = profile.SectionNames();
    if (kind == 0) {
        if (!ProfileText::IsValidValue(value)) return;
        FUZZ_CHECK(profile.SetValue(section, key, value) == (old != value));
        FUZZ_CHECK(profile.Value(section, key) == value);
    } else if (kind == 1) {
        FUZZ_CHECK(profile.DeleteKey(section, key) == old.has_value());
        FUZZ_CHECK(!profile.Value(section, key));
    } else {
        const bool existed = std::any_of(sections.begin(), sections.end(),
                                         [&](const std::string& name) { return Same(name, section); });
        FUZZ_CHECK(profile.DeleteSection(section) == existed);
        for (const std::string& name : profile.SectionNames()) FUZZ_CHECK(!Same(name, section));
    }
    for (const auto& [s, k, v] : before) {
        const bool named = Same(s, section) && (kind == 2 || Same(k, key));
        if (!named) FUZZ_CHECK(profile.Value(s, k) == v);
    }
    CheckReadsBack(profile);
}

// The section list through the profile calls, into a buffer of the size.
void CheckListedFromFile(const ProfileText& profile, const std::string& text, std::uint32_t size) {
    const std::string path = ScratchFolder::Get().Write("profile.ini", text);
    std::string buffer(size, '\x7F');
    const win::DWORD length =
        win::GetPrivateProfileStringA(nullptr, nullptr, "", buffer.data(), size, path.c_str());
    std::string list;
    for (const std::string& name : profile.SectionNames()) list.append(name).append(1, '\0');
    if (list.size() < size) {
        FUZZ_CHECK(length == list.size() && buffer.compare(0, length + 1, list + '\0') == 0);
    } else {
        const std::uint32_t kept = size >= 2 ? size - 2 : 0;
        FUZZ_CHECK(length == kept && buffer.compare(0, kept, list, 0, kept) == 0);
        FUZZ_CHECK(buffer.find_first_not_of('\0', kept) == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint32_t bufferSize = input.Byte() % 64 + 1;
    const std::string text(input.Bytes(input.Short()));
    ProfileText profile(text);
    EntriesOf(profile);
    CheckReadsBack(profile);
    CheckListedFromFile(profile, text, bufferSize);
    while (!input.Empty()) Edit(profile, input);
    return 0;
}
