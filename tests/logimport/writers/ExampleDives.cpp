#include "tests/logimport/writers/ExampleDives.h"

namespace testlog {

namespace {

Bytes CompartmentLine(unsigned char type, int seconds) {
  Bytes values;
  for (int i = 0; i < 6; ++i) values = values + FromHex(type >= 36 ? "00000080" : "0000007F");
  return Put(StampedAtSecond(type, seconds), 10, values);
}

}  // namespace

Bytes PlainSampleLine(int ambientMbar) { return Put(Put(PlainRecord(6), 2, Word(ambientMbar)), 6, FromHex("787A82000000787A82")); }

std::vector<Bytes> PlainDive(int intervalSec) {
  return {
      Put(Put(PlainRecord(0), 2, DateBytes(15, 3, 2024, 10, 0, 0)), 14, FromHex("000064000032001001")),
      Put(PlainRecord(1), 20, Word(1013)),
      Put(PlainRecord(28), 30, Bytes{static_cast<unsigned char>(intervalSec)}),
      Put(PlainRecord(9), 26, FromHex("1E55")),
      Put(PlainRecord(3), 2, DateBytes(15, 3, 2024, 10, 5, 0) + DateBytes(15, 3, 2024, 10, 40, 0)),
      Put(PlainRecord(7), 2, FromHex("1523005004")),
      PlainSampleLine(2013),
      PlainSampleLine(3013),
      PlainSampleLine(2013),
      PlainSampleLine(1013),
      Put(Put(PlainRecord(8), 2, DateBytes(15, 3, 2024, 10, 35, 0)), 14, Word(1800)),
  };
}

std::vector<Bytes> TimeStampedDive(int endId) {
  const auto sample = [](int seconds, int ambientMbar) {
    // cells 1.20, 1.22, 1.30, voted 1.21
    return Put(Put(StampedAtSecond(6, seconds), 10, Word(ambientMbar)), 18, FromHex("787A827900000000"));
  };
  return {
      Put(StampedAtSecond(0, 100), 10, DateBytes(15, 3, 2024, 10, 0, 0)),
      Put(StampedAtSecond(1, 101), 26, Word(1010)),
      Put(Put(StampedAtSecond(3, 160), 10, Word(7)), 40, Word(1012)),
      Put(Put(StampedAtSecond(13, 161), 26, FromHex("1E55")), 38, FromHex("04")),
      Put(StampedAtSecond(12, 162), 40, FromHex("1523")),
      sample(170, 2012),
      sample(180, 3012),
      sample(190, 2012),
      CompartmentLine(33, 191),
      CompartmentLine(34, 191),
      CompartmentLine(35, 191),
      CompartmentLine(36, 191),
      CompartmentLine(37, 191),
      CompartmentLine(38, 191),
      Put(Put(StampedAtSecond(8, 200), 10, Word(endId)), 28, Word(200)),
      Put(StampedAtSecond(127, 210), 10, DateBytes(15, 3, 2024, 10, 2, 0)),
      Put(StampedAtSecond(0, 50), 10, DateBytes(15, 3, 2024, 11, 0, 0)),
      sample(60, 1012),
  };
}

}  // namespace testlog
