// libFuzzer entry of one fuzz target. The build names the harness header (VT_FUZZ_HEADER), the
// function that prepares the process (VT_FUZZ_PREPARE) and the one that takes an input
// (VT_FUZZ_ENTRY).
#include <cstddef>
#include <cstdint>

#include VT_FUZZ_HEADER

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  VT_FUZZ_PREPARE();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  VT_FUZZ_ENTRY(data, size);
  return 0;
}
