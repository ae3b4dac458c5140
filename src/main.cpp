// The command front end: picks from the first argument what to print.
#include <string>
#include <vector>

#include "platform/program.h"
#include "version_source.h"

namespace {

constexpr const char* kDefaultReport[] = {"ProductName", "CurrentVersion", "CSDVersion"};

struct TSwitch {
  const char* name;
  const char* valueName;
};
constexpr TSwitch kSwitches[] = {
    {"/SP", "CSDVersion"},
    {"/V", "CurrentVersion"},
    {"/OS", "ProductName"},
};

constexpr const char* kHelp[] = {
    "Hilfe",
    "",
    "/V    Versionsnummer",
    "/OS   ProductName",
    "/SP   Service Pack ",
    "",
    "ntver - Windows-Version anzeigen  version 1.00 21.04.2008",
};

// ASCII only: letters with diacritics keep their case.
std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

int Main(const std::vector<std::string>& arguments, TTextOutput& out) {
  std::string selectedValue;
  bool switchMatched = false;
  VersionSource source;
  // Opened before the arguments are looked at, so every path opens the key.
  source.Open();

  if (arguments.empty()) {
    for (const char* name : kDefaultReport) out.WriteLine(source.ReadValue(name));
  } else {
    const std::string first = UpperCase(arguments.front());
    for (const TSwitch& entry : kSwitches) {
      if (first == entry.name) {
        selectedValue = source.ReadValue(entry.valueName);
        switchMatched = true;
      }
    }
    if (switchMatched) {
      out.WriteLine(selectedValue);
    } else {
      for (const char* line : kHelp) out.WriteLine(line);
    }
  }
  source.Close();
  return 0;
}
