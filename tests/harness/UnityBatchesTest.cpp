// The files of a test suite are compiled together in batches (cmake/Fablecore.cmake): the names a
// file keeps to itself must then mean nothing in the other files of its batches, or a file after it
// would find them in place of what it means (a constant of the program, a helper of its own with
// other parameters) and test something else without a word from the compiler.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "SourceNames.h"

namespace {

TEST(SourceNames, WhatAFileDeclaresAtNamespaceScopeIsItsOwn) {
    const SourceNames names = NamesOf(R"src(
        #include "program/Thing.h"
        namespace outer {
        namespace {
        constexpr int kLimit = 5, kFloor{2};
        const std::string kRule(30, '_');
        std::vector<std::map<int, int>> g_seen;
        int Helper(const char* text) { return text[0] < 'a' ? 1 : 2; }
        template <typename T> T Twice(T value) { return value + value; }
        struct Probe : public Base<int, char>, private Other { int member = 0; void Method() {} };
        enum Colour { kRed, kGreen = 4 };
        enum class Shape { kSquare };
        using Names = std::vector<std::string>;
        const struct { int a; } kTable[] = {{1}};
        }  // namespace
        }  // namespace outer
    )src");
    for (const char* name : {"kLimit", "kFloor", "kRule", "g_seen", "Helper", "Twice", "Probe", "Colour",
                             "kRed", "kGreen", "Shape", "Names", "kTable"})
        EXPECT_TRUE(names.own.contains(name)) << name;
    // A member, a scoped enumerator, a parameter, a namespace, an include and a base are nobody's own here.
    for (const char* name :
         {"member", "Method", "kSquare", "text", "value", "outer", "Thing", "Base", "Other"})
        EXPECT_FALSE(names.own.contains(name)) << name;
}

TEST(SourceNames, AFunctionDefinedForAHeaderIsNotTheFilesOwnButOneItKeepsToItselfIs) {
    const SourceNames names = NamesOf(R"src(
        int Shared(int x) { return x; }
        static int Kept(int x) { return x; }
        void Fixture::SetUp() { Local(); }
        bool operator==(const Probe& a, const Probe& b) { return a.id == b.id; }
        TEST(Suite, Case) { EXPECT_EQ(Shared(1), 1); }
        int Declared(int x);
        namespace { int Hidden() { return 0; } }
    )src");
    EXPECT_FALSE(names.own.contains("Shared"));
    EXPECT_TRUE(names.own.contains("Kept"));
    EXPECT_TRUE(names.own.contains("Hidden"));
    EXPECT_TRUE(names.own.contains("Declared")) << "a declaration without a header to belong to";
    for (const char* name : {"SetUp", "Fixture", "operator", "TEST", "Suite", "Case", "Local"})
        EXPECT_FALSE(names.own.contains(name)) << name;
}

TEST(SourceNames, ANameIsUsedUnlessAnObjectOrAQualifierComesBeforeIt) {
    const SourceNames names = NamesOf(R"src(
        // kInComment is no use
        void Test() {
            const char* text = "kInString";
            char c = 'k';
            Plain(item.Member, pointer->Field, win::Qualified, 1'000, R"x(kInRaw)" x)x");
        }
    )src");
    for (const char* name : {"Plain", "item", "pointer", "win", "text", "Test"})
        EXPECT_TRUE(names.used.contains(name)) << name;
    for (const char* name : {"Member", "Field", "Qualified", "kInComment", "kInString", "kInRaw", "x", "k"})
        EXPECT_FALSE(names.used.contains(name)) << name;
}

// Each suite's files, by the kind of batch they go in (cmake/Fablecore.cmake writes the list).
std::map<std::string, std::vector<std::string>> BatchedFiles() {
    std::map<std::string, std::vector<std::string>> files;
    std::ifstream list(UNITY_BATCHES);
    std::string suite, kind, path;
    while (list >> suite >> kind >> path) files[suite + " " + kind].push_back(path);
    return files;
}

std::string TextOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(UnityBatches, NoTestFileNamesWhatAnotherFileOfItsBatchesKeepsToItself) {
    const auto batches = BatchedFiles();
    ASSERT_GT(batches.size(), 10u) << "the suites' files are listed in " << UNITY_BATCHES;
    for (const auto& [batch, paths] : batches) {
        std::vector<SourceNames> names;
        for (const std::string& path : paths) names.push_back(NamesOf(TextOf(path)));
        for (std::size_t a = 0; a < paths.size(); ++a) {
            for (std::size_t b = 0; b < paths.size(); ++b) {
                if (a == b) continue;
                for (const std::string& name : names[a].own) {
                    if (names[b].used.contains(name))
                        ADD_FAILURE() << batch << ": " << name << ", which " << paths[a]
                                      << " keeps to itself, is named in " << paths[b];
                }
            }
        }
    }
}

}  // namespace
