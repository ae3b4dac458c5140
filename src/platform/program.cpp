#include "platform/program.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <new>

#include "platform/command_line.h"
#include "platform/exceptions.h"

std::string FormatErrorReport(std::string_view className, std::string_view moduleName,
                              const void* address, std::string_view message) {
  char hex[2 * sizeof(void*) + 1];
  std::snprintf(hex, sizeof hex, "%0*" PRIXPTR, static_cast<int>(sizeof hex - 1),
                reinterpret_cast<std::uintptr_t>(address));

  std::string report = "Exception ";
  report += className;
  report += " in Modul ";
  report += moduleName;
  report += " bei ";
  report += hex;
  report += ".\r\n";
  report += message;
  if (message.empty() || message.back() != '.') report += '.';
  report += "\r\n\r\n";
  return report;
}

int RunProgram(std::string_view commandLine, TProcessStreams& streams) {
  TTextOutput out([&streams](std::string_view bytes) { streams.WriteOut(bytes); });
  std::string report;
  try {
    const int status = Main(SplitArguments(commandLine), out);
    out.Flush();
    return status;
  } catch (const Exception& error) {
    report = FormatErrorReport(error.ClassName(), streams.ModuleName(), error.Address(),
                               error.Message());
  } catch (const std::bad_alloc&) {
    report = FormatErrorReport("EOutOfMemory", streams.ModuleName(), nullptr,
                               "Zu wenig Arbeitsspeicher");
  }
  out.Flush();
  streams.WriteErr(report);
  return 1;
}
