#include "logimport/RecordDecoder.h"

bool CSRDecoder::SetData(const unsigned char* bytes, std::size_t length) {
  if (!bytes) return false;
  data_.assign(bytes, bytes + length);
  OnDataSet();
  return true;
}

std::string CSRLineDecoder::GetLine(int index) const {
  return index >= 0 && index < GetLineCount() ? lines_[static_cast<std::size_t>(index)] : std::string();
}

void CHexLineBuilder::Add(unsigned char byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  text_ += kDigits[byte >> 4];
  text_ += kDigits[byte & 0x0F];
  checksum_ ^= byte;
}

void CHexLineBuilder::Add(const unsigned char* bytes, std::size_t length) {
  text_.reserve(text_.size() + 2 * length + 2);
  for (std::size_t i = 0; i < length; ++i) Add(bytes[i]);
}

std::string CHexLineBuilder::Finish() {
  Add(checksum_);
  return std::move(text_);
}
