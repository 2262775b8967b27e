// The committed fuzz corpus, replayed through the fuzz targets' own code in every test build,
// and the seeds checked to be the logs they are meant to be.
#include <gtest/gtest.h>

#include <filesystem>

#include "logimport/KorrinLog.h"
#include "logimport/LogFileConverter.h"
#include "tests/fuzz/CorpusFiles.h"
#include "tests/fuzz/LogFuzzHarness.h"
#include "tests/logimport/LogFileFixture.h"

namespace {

using FuzzCorpusTest = LogFileTest;

}  // namespace

TEST_F(FuzzCorpusTest, EveryInputRunsThroughEveryTarget) {
  for (const std::string target : {"log_reader", "log_converter", "log_loader"}) {
    const auto files = CorpusFiles(target);
    EXPECT_GE(files.size(), 5u) << target;
    for (const auto& file : files) {
      const testlog::Bytes input = ReadFileBytes(file);
      logfuzz::RunReader(input.data(), input.size());
      logfuzz::RunConverter(input.data(), input.size());
      logfuzz::RunLoader(input.data(), input.size());
    }
  }
}

TEST_F(FuzzCorpusTest, LoaderSeedsAreLogsThatLoad) {
  for (const auto& file : CorpusFiles("log_loader")) {
    const testlog::Bytes input = ReadFileBytes(file);
    logfuzz::LoaderMode mode = logfuzz::kLoaderRaw;
    const std::string path = Write("seed.ccl", logfuzz::LoaderFileForInput(input.data(), input.size(), mode));
    CKorrinLog log;
    EXPECT_EQ(log.Load(path), CKorrinLog::kLoaded) << file.filename() << ": " << log.GetErrorText();
    EXPECT_GT(log.GetSampleCount(), 2) << file.filename();
  }
}

TEST_F(FuzzCorpusTest, SeedsAreLogsThatConvert) {
  for (const auto& file : CorpusFiles("log_converter")) {
    if (file.filename() == "text-log") continue;  // a text log is not converted
    const testlog::Bytes input = ReadFileBytes(file);
    logfuzz::Mode mode = logfuzz::kRaw;
    const std::string path = Write("seed.ccl", logfuzz::FileForInput(input.data(), input.size(), mode));
    CLogFileConverter converter;
    CMemStdioFile text;
    unsigned char newFormat = 0;
    EXPECT_TRUE(converter.Convert(path, text, newFormat, converter.CheckFileFormat(path)))
        << file.filename() << ": " << converter.GetErrorText();
    EXPECT_GT(text.GetLength(), 0u) << file.filename();
  }
}
