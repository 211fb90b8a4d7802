#include <gtest/gtest.h>

#include <cstdlib>
#include <list>
#include <string>
#include <vector>

#include "model/PathStore.h"
#include "readers/pjt/Exclusions.h"
#include "readers/pjt/SourceReading.h"

namespace {

std::string path(int number) { return "C:\\work\\app\\src\\file" + std::to_string(number) + ".c"; }

TEST(PathStore, KeepsEveryTextWholeAcrossItsBlocks) {
    PathStore store;
    std::vector<std::string> texts{"", std::string(3 * 1024 * 1024, 'l')};
    for (int i = 0; i < 40000; ++i)
        texts.push_back(path(i));
    texts.push_back(std::string(1024 * 1024, 'm'));
    std::vector<SourceIndex> kept;
    for (const std::string& text : texts)
        kept.push_back(store.keep(text));
    ASSERT_EQ(store.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        ASSERT_EQ(store[kept[i]], texts[i]) << "text " << i;
}

TEST(Exclusions, EveryPathAddedIsFoundWithItsConfigurationsAndNoOther) {
    Exclusions exclusions;
    // Enough paths for the filter to be rebuilt several times.
    const int added = 5000;
    for (int i = 0; i < added; ++i)
        exclusions.add(path(i), i % 2 == 0 ? "Debug" : "Release");
    exclusions.add(path(7), "Debug");
    for (int i = 0; i < added; ++i) {
        const std::vector<std::string>* configurations = exclusions.of(path(i));
        ASSERT_NE(configurations, nullptr) << path(i);
        if (i != 7)
            EXPECT_EQ(*configurations, std::vector<std::string>{i % 2 == 0 ? "Debug" : "Release"});
    }
    EXPECT_EQ(*exclusions.of(path(7)), (std::vector<std::string>{"Release", "Debug"}));
    for (int i = added; i < 2 * added; ++i)
        ASSERT_EQ(exclusions.of(path(i)), nullptr) << path(i);
    EXPECT_EQ(exclusions.of("c:\\work\\app\\src\\file1.c"), nullptr);
}

TEST(Exclusions, NoneAddedExcludesNothing) {
    EXPECT_EQ(Exclusions().of(path(1)), nullptr);
}

// So many sources span several blocks of the store.
TEST(SourceReading, ManySourcesExcludedComeInOrder) {
    PathStore store;
    PjtPaths paths("C:\\work\\app", {});
    const std::list<std::string> anyExtension;
    SourceReading reading(store, paths, anyExtension);
    const int count = 150000;
    for (int i = 0; i < count; ++i)
        reading.read(LineKind::Source, "Source=\"src\\file" + std::to_string(i) + ".c\"", "");
    std::vector<std::string> expected;
    // Every seventh, and every one right around the middle.
    for (int i = 0; i < count; ++i) {
        if (i % 7 != 3 && std::abs(i - count / 2) > 3)
            continue;
        reading.read(LineKind::Exclusion, "ExcludeFromBuild=true",
                     "[\"src\\file" + std::to_string(i) + ".c\" Settings: \"Debug\"]");
        expected.push_back(path(i));
    }
    std::vector<std::string> excluded;
    for (const ExcludedSource& each : reading.excludedSources()) {
        excluded.emplace_back(store[each.source]);
        ASSERT_EQ(*each.configurations, std::vector<std::string>{"Debug"}) << excluded.back();
    }
    EXPECT_EQ(excluded, expected);
}

}  // namespace
