#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "platform/memory/memory_registry.h"
#include "platform/program.h"
#include "platform/registry_api.h"

namespace {

using namespace registry_api;

constexpr const char* kKeyPath = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const std::string kHelp =
    "Hilfe\r\n"
    "\r\n"
    "/V    Versionsnummer\r\n"
    "/OS   ProductName\r\n"
    "/SP   Service Pack \r\n"
    "\r\n"
    "ntver - Windows-Version anzeigen  version 1.00 21.04.2008\r\n";

// Records what goes to each stream, and in which order.
class TCapture : public TProcessStreams {
 public:
  void WriteOut(std::string_view bytes) override {
    out += bytes;
    order += 'o';
  }
  void WriteErr(std::string_view text) override {
    err += text;
    order += 'e';
  }
  std::string ModuleName() override { return "ntver.exe"; }

  std::string out, err, order;
};

struct TRun {
  std::string out, err, order;
  int status;
};

TRun RunTool(const std::string& commandLine) {
  TCapture capture;
  const int status = RunProgram(commandLine, capture);
  EXPECT_EQ(memory_registry::OpenHandles(), 0u) << commandLine;
  EXPECT_EQ(memory_registry::BadCloses(), 0u) << commandLine;
  return {capture.out, capture.err, capture.order, status};
}

void StoreXp() {
  memory_registry::Reset();
  memory_registry::SetValue(kKeyPath, "ProductName", kRegSz,
                            std::string("Microsoft Windows XP\0", 21));
  memory_registry::SetValue(kKeyPath, "CurrentVersion", kRegSz, std::string("5.1\0", 4));
  memory_registry::SetValue(kKeyPath, "CSDVersion", kRegSz, std::string("Service Pack 3\0", 15));
}

TEST(FrontEndTest, WritesWhatTheFirstArgumentAsksFor) {
  struct TCase {
    const char* commandLine;
    std::string out;
  };
  const TCase cases[] = {
      {"ntver", "Microsoft Windows XP\r\n5.1\r\nService Pack 3\r\n"},
      {"\"C:\\Tools\\ntver.exe\"  ", "Microsoft Windows XP\r\n5.1\r\nService Pack 3\r\n"},
      {"ntver /V", "5.1\r\n"},
      {"ntver /v", "5.1\r\n"},
      {"ntver /OS", "Microsoft Windows XP\r\n"},
      {"ntver /Os", "Microsoft Windows XP\r\n"},
      {"ntver /oS", "Microsoft Windows XP\r\n"},
      {"ntver /sp", "Service Pack 3\r\n"},
      {"ntver /Sp", "Service Pack 3\r\n"},
      {"ntver /v /os /sp", "5.1\r\n"},
      {"ntver \"/v\" nonsense", "5.1\r\n"},
      {"ntver \"\" /sp", "Service Pack 3\r\n"},
      {"ntver -V", kHelp},
      {"ntver V", kHelp},
      {"ntver /VERSION", kHelp},
      {"ntver /S", kHelp},
      {"ntver /V.", kHelp},
      {"ntver \"/v \"", kHelp},
      {"ntver /?", kHelp},
      {"ntver \" \" /v", kHelp},
      // Only ASCII letters are upper-cased: 0xF3 and 0xD3 (ó, Ó in 1252) stay apart.
      {"ntver /\xF3S", kHelp},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.commandLine);
    StoreXp();
    const TRun run = RunTool(c.commandLine);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
  }
}

TEST(FrontEndTest, MissingValuesWriteEmptyLines) {
  struct TCase {
    const char* commandLine;
    bool refuseCreate;
    std::string out;
  };
  const TCase cases[] = {
      {"ntver", false, "Microsoft Windows XP\r\n5.1\r\n\r\n"},
      {"ntver /sp", false, "\r\n"},
      {"ntver", true, "Microsoft Windows XP\r\n5.1\r\n\r\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.commandLine);
    StoreXp();
    memory_registry::SetValue(kKeyPath, "CSDVersion", kRegSz, "");
    memory_registry::Faults().refuseCreate = c.refuseCreate;
    const TRun run = RunTool(c.commandLine);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.status, 0);
  }

  // No key at all, and no right to create it.
  const TCase noKey[] = {
      {"ntver", true, "\r\n\r\n\r\n"},
      {"ntver /v", true, "\r\n"},
      {"ntver /x", true, kHelp},
  };
  for (const TCase& c : noKey) {
    SCOPED_TRACE(c.commandLine);
    memory_registry::Reset();
    memory_registry::Faults().refuseCreate = c.refuseCreate;
    const TRun run = RunTool(c.commandLine);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(memory_registry::KeyExists(kKeyPath));
  }
}

TEST(FrontEndTest, UnreadableValueEndsInTheErrorReport) {
  struct TCase {
    const char* commandLine;
    bool failFetch;
    std::string out;
    std::string message;
  };
  const TCase cases[] = {
      // Lines written before the error stay written, and come before the report.
      {"ntver", false, "Microsoft Windows XP\r\n", "Ungültiger Datentyp für 'CurrentVersion'."},
      {"ntver /V", false, "", "Ungültiger Datentyp für 'CurrentVersion'."},
      {"ntver /sp", true, "", "Fehler beim Holen der Daten für 'CSDVersion'."},
  };
  const std::regex header("Exception ERegistryException in Modul ntver\\.exe bei ([0-9A-F]{" +
                          std::to_string(2 * sizeof(void*)) + "})\\.\r\n");
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.commandLine);
    StoreXp();
    memory_registry::SetValue(kKeyPath, "CurrentVersion", kRegDword, std::string("\x05\0\0\0", 4));
    memory_registry::Faults().failFetch = c.failFetch;
    const TRun run = RunTool(c.commandLine);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.order, c.out.empty() ? "e" : "oe");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(run.err, match, header)) << run.err;
    EXPECT_EQ(match.position(0), 0);
    EXPECT_NE(match[1].str(), std::string(match[1].length(), '0'));
    EXPECT_EQ(match.suffix().str(), c.message + "\r\n\r\n");
    EXPECT_EQ(run.status, 1);
  }

  // Only the value asked for is read.
  memory_registry::Faults().failFetch = false;
  const TRun run = RunTool("ntver /os");
  EXPECT_EQ(run.out, "Microsoft Windows XP\r\n");
  EXPECT_EQ(run.status, 0);
}

TEST(FrontEndTest, ReportAddsAPeriodOnlyWhenMissing) {
  EXPECT_EQ(FormatErrorReport("E", "m.exe", nullptr, "kaputt"),
            "Exception E in Modul m.exe bei " + std::string(2 * sizeof(void*), '0') +
                ".\r\nkaputt.\r\n\r\n");
  EXPECT_EQ(FormatErrorReport("E", "m.exe", reinterpret_cast<const void*>(0xABC), "kaputt."),
            "Exception E in Modul m.exe bei " + std::string(2 * sizeof(void*) - 3, '0') +
                "ABC.\r\nkaputt.\r\n\r\n");
}

}  // namespace
