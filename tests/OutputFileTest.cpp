#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConversionErrors.h"
#include "TestSupport.h"
#include "model/OutputFile.h"

namespace {

using namespace testing_support;

// Lines reach the file through blocks of 64 KiB: around and beyond that
// size, every byte must arrive once and in order.
TEST(OutputFile, LinesOfAnyLengthArriveWhole) {
    TempDir dir;
    WorkingDirectory inTemp(dir.path());
    std::string expected;
    {
        OutputFile file("out.txt");
        for (std::size_t length : {10, 65534, 65535, 65536, 3, 200000, 0, 65533}) {
            const std::string line(length, char('a' + length % 26));
            file.writeLine(line);
            expected += line + "\r\n";
        }
        file.writeText("end");
        file.close();
    }
    EXPECT_EQ(readFile(dir / "out.txt"), expected + "end");
}

// Long lists fill larger blocks, written while the next is filled: the
// lines before, in and after the lists keep their order.
TEST(OutputFile, ListsWrittenInTheBackgroundArriveInOrder) {
    TempDir dir;
    WorkingDirectory inTemp(dir.path());
    std::vector<std::string> list;
    for (int i = 0; i < 100000; ++i)
        list.push_back(std::string(i % 97, char('a' + i % 26)));
    list.push_back(std::string(3 * 1024 * 1024, 'x'));
    std::string expected = "head\r\n";
    for (const std::string& line : list)
        expected += line + "\r\n";
    expected = expected + expected.substr(6) + "tail\r\n";
    {
        OutputFile file("out.txt");
        file.writeLine("head");
        file.writeLines(list);
        file.writeLines(std::vector<std::string>());
        file.writeLines(list);
        file.writeLine("tail");
        file.close();
    }
    EXPECT_EQ(readFile(dir / "out.txt"), expected);
}

TEST(OutputFile, WhatWasWrittenReachesTheFileWithoutClose) {
    TempDir dir;
    WorkingDirectory inTemp(dir.path());
    { OutputFile("out.txt").writeLine("kept"); }
    EXPECT_EQ(readFile(dir / "out.txt"), "kept\r\n");
}

}  // namespace
