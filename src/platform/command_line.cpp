#include "platform/command_line.h"

namespace {

// Walks one raw command line; bytes are compared unsigned, so 0x80 to 0xFF belong to arguments.
class TCursor {
 public:
  explicit TCursor(std::string_view line) : line_(line.substr(0, line.find('\0'))) {}

  // The next argument, empty at the end of the line.
  std::string Next() {
    for (;;) {
      while (!AtEnd() && Peek() <= ' ') ++pos_;
      if (Peek() == '"' && Peek(1) == '"') {
        pos_ += 2;
      } else {
        break;
      }
    }
    std::string argument;
    while (!AtEnd() && Peek() > ' ') {
      if (Peek() == '"') {
        ++pos_;
        while (!AtEnd() && Peek() != '"') argument += line_[pos_++];
        if (!AtEnd()) ++pos_;
      } else {
        argument += line_[pos_++];
      }
    }
    return argument;
  }

 private:
  bool AtEnd() const { return pos_ >= line_.size(); }
  unsigned char Peek(std::size_t ahead = 0) const {
    return pos_ + ahead < line_.size() ? static_cast<unsigned char>(line_[pos_ + ahead]) : 0;
  }

  std::string_view line_;
  std::size_t pos_ = 0;
};

}  // namespace

std::vector<std::string> SplitArguments(std::string_view commandLine) {
  TCursor cursor(commandLine);
  cursor.Next();  // the program's name
  std::vector<std::string> arguments;
  for (std::string argument = cursor.Next(); !argument.empty(); argument = cursor.Next()) {
    arguments.push_back(std::move(argument));
  }
  return arguments;
}
