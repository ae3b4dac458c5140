// Process start-up and the top-level error handler, shared by every build.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/text_output.h"

// The tool's own entry, defined by the tool: takes the arguments after the program's name,
// writes its lines to `out` and returns the exit status. Errors it does not catch go to
// RunProgram.
int Main(const std::vector<std::string>& arguments, TTextOutput& out);

// The process's standard streams and name, as the platform provides them.
class TProcessStreams {
 public:
  virtual ~TProcessStreams() = default;
  // Writes bytes to standard output as they are.
  virtual void WriteOut(std::string_view bytes) = 0;
  // Writes UTF-8 text to standard error, converted for the console it goes to.
  virtual void WriteErr(std::string_view text) = 0;
  // The executable's file name without its directory, as UTF-8.
  virtual std::string ModuleName() = 0;
};

// The unhandled-error report: "Exception <class> in Modul <module> bei <address>." CR LF, the
// message with a period added unless it ends in one, CR LF, and an empty line. The address is
// in upper-case hexadecimal, two digits per byte of a pointer.
std::string FormatErrorReport(std::string_view className, std::string_view moduleName,
                              const void* address, std::string_view message);

// Runs Main on the arguments of `commandLine` with buffered standard output, and returns its
// exit status. This is the one place where an unhandled error becomes the report on standard
// error, after standard output is flushed, and exit status 1.
int RunProgram(std::string_view commandLine, TProcessStreams& streams);
