#include <gtest/gtest.h>

#include <string>

#include "base/ConversionError.h"
#include "TestSupport.h"
#include "writers/OutputFile.h"

namespace {

using namespace testing_support;

// Lines reach the file through blocks of 256 KiB: around and beyond that
// size, every byte must arrive once and in order.
TEST(OutputFile, LinesOfAnyLengthArriveWhole) {
    TempDir dir;
    WorkingDirectory inTemp(dir.path());
    std::string expected;
    {
        OutputFile file("out.txt");
        for (std::size_t length : {10, 262142, 262143, 262144, 3, 600000, 0, 262141}) {
            const std::string line(length, char('a' + length % 26));
            file.writeLine(line);
            expected += line + "\r\n";
        }
        file.writeText("end");
        file.close();
    }
    EXPECT_EQ(readFile(dir / "out.txt"), expected + "end");
}

TEST(OutputFile, WhatWasWrittenReachesTheFileWithoutClose) {
    TempDir dir;
    WorkingDirectory inTemp(dir.path());
    { OutputFile("out.txt").writeLine("kept"); }
    EXPECT_EQ(readFile(dir / "out.txt"), "kept\r\n");
}

}  // namespace
