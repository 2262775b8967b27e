#include "engine/support/MemStdioFile.h"

#include <gtest/gtest.h>

TEST(MemStdioFile, ReadStringStopsAtAnEmptyLineButReadLineDoesNot) {
  CMemStdioFile file(std::string("a\r\n\r\nb"));
  std::string line;
  EXPECT_TRUE(file.ReadString(line));
  EXPECT_EQ(line, "a");
  EXPECT_FALSE(file.ReadString(line));  // the empty line looks like the end
  EXPECT_TRUE(file.ReadString(line));
  EXPECT_EQ(line, "b");
  EXPECT_FALSE(file.ReadString(line));

  file.SeekToBegin();
  std::vector<std::string> lines;
  while (file.ReadLine(line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b"}));
}

TEST(MemStdioFile, ReadsLfOnlyAndStrayCarriageReturns) {
  CMemStdioFile file(std::string("one\ntw\ro\n"));
  std::string line;
  ASSERT_TRUE(file.ReadLine(line));
  EXPECT_EQ(line, "one");
  ASSERT_TRUE(file.ReadLine(line));
  EXPECT_EQ(line, "two");
  EXPECT_FALSE(file.ReadLine(line));
  EXPECT_TRUE(file.AtEnd());
}

TEST(MemStdioFile, WriteStringEndsEveryLineWithCrLf) {
  CMemStdioFile file;
  file.WriteString("x");
  file.WriteString("x\n");
  file.WriteString("y\r\n");
  file.WriteString("");
  EXPECT_EQ(file.GetText(), "x\r\nx\r\ny\r\n\r\n");
  file.SetFilePath("/tmp/converted.ccl");
  EXPECT_EQ(file.GetFilePath(), "/tmp/converted.ccl");
  std::string line;
  EXPECT_TRUE(file.ReadString(line));
  EXPECT_EQ(line, "x");
}
