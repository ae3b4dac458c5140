// Process start-up on a POSIX host, for development builds. argv is quoted back into one
// command line so that the same splitter runs everywhere; double quotes inside an argument do
// not survive the trip.
#include <unistd.h>

#include <string>
#include <string_view>

#include "platform/program.h"

namespace {

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

class TPosixStreams : public TProcessStreams {
 public:
  explicit TPosixStreams(std::string_view program) : program_(program) {}

  void WriteOut(std::string_view bytes) override { WriteAll(STDOUT_FILENO, bytes); }
  void WriteErr(std::string_view text) override { WriteAll(STDERR_FILENO, text); }
  std::string ModuleName() override {
    const std::size_t slash = program_.find_last_of('/');
    return std::string(slash == std::string_view::npos ? program_ : program_.substr(slash + 1));
  }

 private:
  std::string_view program_;
};

}  // namespace

int main(int argc, char** argv) {
  std::string commandLine;
  for (int i = 0; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (i > 0) commandLine += ' ';
    commandLine += '"';
    commandLine += argument;
    commandLine += '"';
  }
  TPosixStreams streams(argc > 0 ? argv[0] : "ntver");
  return RunProgram(commandLine, streams);
}
