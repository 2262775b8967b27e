#pragma once
// The seed files of one fuzz target's committed corpus, for the unit tests that replay them.
// The test program defines VT_FUZZ_CORPUS_DIR, the folder of every target's corpus.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// The files of tests/fuzz/corpus/<target>, in name order.
inline std::vector<std::filesystem::path> CorpusFiles(const std::string& target) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(VT_FUZZ_CORPUS_DIR) / target)) {
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}
