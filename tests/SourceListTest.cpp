#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GroupFiles.h"
#include "model/PathStore.h"
#include "model/SourceList.h"

namespace {

// Ten paths "p0" to "p9" in two runs: "p5" is kept after something else.
class SourceListOfTen : public ::testing::Test {
protected:
    SourceListOfTen() {
        for (int i = 0; i < 10; ++i) {
            if (i == 5)
                store.keep("not listed");
            kept.push_back(store.keep("p" + std::to_string(i)));
            list.add(kept.back());
        }
    }

    Files files(const SourceList& of) const { return filesOf(store, of); }

    PathStore store;
    std::vector<SourceIndex> kept;
    SourceList list;
};

TEST_F(SourceListOfTen, ListsWhatWasAddedInOrder) {
    EXPECT_EQ(files(list), (Files{"p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9"}));
}

TEST_F(SourceListOfTen, WithoutLeavesOutExactlyTheGivenPaths) {
    const struct {
        std::vector<int> left;
        Files rest;
    } cases[] = {
        {{}, {"p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9"}},
        {{0}, {"p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9"}},
        {{9}, {"p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8"}},
        {{4, 5}, {"p0", "p1", "p2", "p3", "p6", "p7", "p8", "p9"}},
        {{1, 2, 3, 7}, {"p0", "p4", "p5", "p6", "p8", "p9"}},
        {{0, 1, 2, 3, 4}, {"p5", "p6", "p7", "p8", "p9"}},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {}},
    };
    for (const auto& each : cases) {
        std::vector<SourceIndex> left;
        for (int index : each.left)
            left.push_back(kept[index]);
        const SourceList rest = list.without(left);
        EXPECT_EQ(files(rest), each.rest) << each.left.size() << " left out";
        EXPECT_EQ(rest.empty(), each.rest.empty());
    }
}

TEST_F(SourceListOfTen, ListsJoinedAndAddedAgainKeepTheirOrder) {
    SourceList joined;
    joined.add(list.without({kept[0], kept[1], kept[2], kept[3], kept[4]}));
    joined.add(list.without({kept[5], kept[6], kept[7], kept[8], kept[9]}));
    joined.add(kept[3]);
    EXPECT_EQ(files(joined), (Files{"p5", "p6", "p7", "p8", "p9", "p0", "p1", "p2", "p3", "p4", "p3"}));
}

TEST(SourceList, RunsAcrossTheStoreBlocks) {
    PathStore store;
    SourceList list;
    Files texts;
    for (int i = 0; i < 40000; ++i) {
        texts.push_back("C:\\work\\app\\src\\file" + std::to_string(i) + ".c");
        list.add(store.keep(texts.back()));
    }
    EXPECT_EQ(filesOf(store, list), texts);
    EXPECT_TRUE(SourceList().empty());
}

// Paths are text of any bytes, line ends and NULs included.
TEST(SourceList, PathsWithCarriageReturnsComeBackWhole) {
    PathStore store;
    SourceList list;
    const Files texts{"a\rb.c", "\r", "", "c.c\r\n", std::string("n\0l", 3)};
    for (const std::string& text : texts)
        list.add(store.keep(text));
    EXPECT_EQ(filesOf(store, list), texts);
}

}  // namespace
