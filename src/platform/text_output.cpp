#include "platform/text_output.h"

void TTextOutput::WriteLine(std::string_view text) {
  buffer_ += text;
  buffer_ += "\r\n";
  if (buffer_.size() >= kCapacity) Flush();
}

void TTextOutput::Flush() {
  if (buffer_.empty()) return;
  sink_(buffer_);
  buffer_.clear();
}
