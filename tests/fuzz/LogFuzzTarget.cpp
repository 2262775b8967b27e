// libFuzzer entry of a log-import target; the build names the harness function to call
// (VT_FUZZ_ENTRY: RunReader or RunConverter).
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/LogFuzzHarness.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  logfuzz::PrepareProcess();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  logfuzz::VT_FUZZ_ENTRY(data, size);
  return 0;
}
