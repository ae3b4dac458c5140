#include "platform/program.h"

#include <cstdint>
#include <new>

#include "platform/command_line.h"
#include "platform/exceptions.h"

std::string FormatErrorReport(std::string_view className, std::string_view moduleName,
                              const void* address, std::string_view message) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  const auto value = reinterpret_cast<std::uintptr_t>(address);
  std::string hex(sizeof value * 2, '0');
  for (std::size_t i = 0; i < hex.size(); ++i) {
    hex[hex.size() - 1 - i] = kHexDigits[(value >> (4 * i)) & 0xF];
  }

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
