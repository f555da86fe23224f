// The report catalogue: four groups of reports, then the separator and the writer's report sets;
// each report once, under a group, with an id that names a section; titles found by report id, the
// first entry winning, with their terminology macros expanded and no title for an id it lacks.

#include "reports/ReportCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ReportCatalogue, FourGroupsOfReportsThenTheSeparatorAndTheReportSets) {
    const auto catalogue = ReportCatalogue();
    ASSERT_EQ(catalogue.size(), kReportCatalogueSize);
    std::uint16_t nextGroup = kFirstGroupId;
    std::set<std::uint16_t> reports;
    for (std::size_t i = 0; i + 2 < catalogue.size(); ++i) {
        const ReportCatalogueEntry& entry = catalogue[i];
        if (!entry.IsReport()) {
            EXPECT_EQ(entry.kind, ReportCatalogueEntry::kGroupHeading);
            EXPECT_EQ(entry.reportId, nextGroup++) << entry.name;
            continue;
        }
        EXPECT_GT(nextGroup, kFirstGroupId) << entry.name << " lies before the first group";
        EXPECT_GE(entry.reportId, 1);
        EXPECT_LE(entry.reportId, 71);
        EXPECT_TRUE(reports.insert(entry.reportId).second) << entry.name << " twice";
    }
    EXPECT_EQ(nextGroup, kFirstGroupId + 4);
    EXPECT_EQ(reports.size(), 28u);
    EXPECT_STREQ(catalogue[32].name, "-");
    EXPECT_STREQ(catalogue[33].name, "Report Sets");
    EXPECT_EQ(catalogue[32].reportId, kNoReportId);
    EXPECT_EQ(catalogue[33].reportId, kNoReportId);
}

TEST(ReportCatalogue, TitlesAreFoundByReportIdWithTheirTermsExpanded) {
    EXPECT_STREQ(CatalogueTitle(35), "Coverage Information");
    EXPECT_EQ(ReportTitle(15, nullptr), "Four Throughlines Themes");
    EXPECT_STREQ(CatalogueTitle(25), "{NSubj} Story Character");
    const std::string expanded = ReportTitle(25, nullptr);
    EXPECT_EQ(expanded.find('{'), std::string::npos) << expanded;
    EXPECT_NE(expanded.find(" Story Character"), std::string::npos);
    // Sections that no catalogue entry names, and the group and set entries, have no title.
    for (const std::int16_t id : {22, 9, 0, -1}) {
        EXPECT_EQ(FindCatalogueReport(id), nullptr) << id;
        EXPECT_STREQ(CatalogueTitle(id), "");
        EXPECT_EQ(ReportTitle(id, nullptr), "");
    }
    EXPECT_EQ(FindCatalogueReport(static_cast<std::int16_t>(kFirstGroupId))->kind,
              ReportCatalogueEntry::kGroupHeading);
}

}  // namespace
