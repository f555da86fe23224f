#pragma once
// The writer's named report sets, kept in the report preferences: "REPSETMX" the number of sets,
// then for each set n (from 1) its name under "REPSETNM<n>" and its report ids under
// "REPSETIDS<n>" as a list of numbers ("15,22,"). Reading keeps only what makes a set: a name, and
// the ids of reports the catalogue lists, each once; a set left without either is dropped.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class PText;

struct ReportSet {
    std::string name;
    std::vector<std::int16_t> reportIds;
};

class ReportSets {
public:
    static constexpr std::size_t kMostSets = 32;
    // The longest name kept.
    static constexpr std::size_t kNameLength = 31;

    // Replaces the sets by those of the record (none for a null record).
    void Load(PText* record);
    // Writes the sets into the record (which is not saved) and removes the keys of sets beyond
    // them.
    void Store(PText* record) const;

    const std::vector<ReportSet>& GetSets() const { return sets_; }
    const ReportSet* Find(const std::string& name) const;
    // Replaces the ids of the set of that name, or adds a set; false when the name is empty, no id
    // is a catalogued report, or there is no room for another set.
    bool Put(const std::string& name, const std::vector<std::int16_t>& reportIds);
    bool Remove(const std::string& name);

    // The catalogued reports among the ids, each once, in their order.
    static std::vector<std::int16_t> ValidReports(const std::vector<std::int16_t>& reportIds);

private:
    std::vector<ReportSet> sets_;
};
