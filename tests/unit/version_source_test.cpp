#include "version_source.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/exceptions.h"
#include "platform/memory/memory_registry.h"
#include "platform/registry_api.h"

namespace {

using namespace registry_api;

constexpr const char* kKeyPath = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

struct TValueCase {
  const char* description;
  std::uint32_t type;
  std::string data;
  std::optional<std::uint32_t> reportedSize;  // what the size query says, when not data.size()
  bool failFetch;
  const char* text;   // the result, or nullptr when an error is raised
  const char* error;  // the error's message
};

void PrintTo(const TValueCase& c, std::ostream* os) { *os << c.description; }

std::string Bytes(const char* bytes, std::size_t size) { return std::string(bytes, size); }

class ReadValueTest : public testing::TestWithParam<TValueCase> {
 protected:
  void SetUp() override { memory_registry::Reset(); }
  void TearDown() override {
    EXPECT_EQ(memory_registry::OpenHandles(), 0u);
    EXPECT_EQ(memory_registry::BadCloses(), 0u);
  }
};

TEST_P(ReadValueTest, ReadsValueAsText) {
  const TValueCase& c = GetParam();
  memory_registry::SetValue(kKeyPath, "CurrentVersion", c.type, c.data, c.reportedSize);
  memory_registry::Faults().failFetch = c.failFetch;

  VersionSource source;
  source.Open();
  if (c.text != nullptr) {
    EXPECT_EQ(source.ReadValue("CurrentVersion"), c.text);
  } else {
    try {
      source.ReadValue("CurrentVersion");
      ADD_FAILURE() << "no error raised";
    } catch (const ERegistryException& error) {
      EXPECT_STREQ(error.ClassName(), "ERegistryException");
      EXPECT_EQ(error.Message(), c.error);
      EXPECT_NE(error.Address(), nullptr);
    }
  }
  source.Close();
}

constexpr const char* kBadType = "Ungültiger Datentyp für 'CurrentVersion'";
constexpr const char* kFetchFailed = "Fehler beim Holen der Daten für 'CurrentVersion'";

const TValueCase kValueCases[] = {
    TValueCase{"terminated string", kRegSz, Bytes("6.1\0", 4), {}, false, "6.1", nullptr},
    TValueCase{"unterminated string filling the buffer", kRegSz, "6.1", {}, false, "6.1", nullptr},
    TValueCase{"zero byte inside", kRegSz, Bytes("5.1\0junk\0", 9), {}, false, "5.1", nullptr},
    TValueCase{"expandable string stays unexpanded",
               kRegExpandSz,
               Bytes("%SystemRoot%\\x\0", 15),
               {},
               false,
               "%SystemRoot%\\x",
               nullptr},
    TValueCase{"empty string", kRegSz, "", {}, false, "", nullptr},
    TValueCase{"empty dword is no type error", kRegDword, "", {}, false, "", nullptr},
    TValueCase{"empty binary is no type error", kRegBinary, "", {}, false, "", nullptr},
    TValueCase{"empty data is not fetched", kRegSz, "", {}, true, "", nullptr},
    TValueCase{"dword", kRegDword, Bytes("\x06\0\0\0", 4), {}, false, nullptr, kBadType},
    TValueCase{"binary", kRegBinary, "6.1", {}, false, nullptr, kBadType},
    TValueCase{"multi-string", kRegMultiSz, Bytes("6.1\0x\0\0", 7), {}, false, nullptr, kBadType},
    TValueCase{"unknown type", 0x4242, "6.1", {}, false, nullptr, kBadType},
    TValueCase{"fetch fails after the size query",
               kRegSz,
               Bytes("6.1\0", 4),
               {},
               true,
               nullptr,
               kFetchFailed},
    // The size query promised more than the fetch wrote: the rest of the buffer is no data.
    TValueCase{"fetch shorter than the size query", kRegSz, "6.1", 32, false, "6.1", nullptr},
    TValueCase{"fetch shorter, wrong type", kRegDword, Bytes("\x06\0\0\0", 4), 32, false, nullptr,
               kBadType},
    // The value grew between the two calls: the buffer is too small for the fetch.
    TValueCase{"fetch longer than the size query", kRegSz, Bytes("10.0\0", 5), 2, false, nullptr,
               kFetchFailed},
};

INSTANTIATE_TEST_SUITE_P(Table, ReadValueTest, testing::ValuesIn(kValueCases),
                         [](const testing::TestParamInfo<TValueCase>& info) {
                           std::string name = info.param.description;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(ReadValueTest, MissingValueAndMissingKeyReadEmpty) {
  struct TKeyCase {
    bool keyExists;
    bool refuseCreate;
    bool keyAfterOpen;
  };
  for (const TKeyCase c :
       {TKeyCase{true, true, true}, TKeyCase{false, false, true}, TKeyCase{false, true, false}}) {
    SCOPED_TRACE(testing::Message()
                 << "key exists " << c.keyExists << ", creation refused " << c.refuseCreate);
    memory_registry::Reset();
    if (c.keyExists) memory_registry::SetValue(kKeyPath, "SystemRoot", kRegSz, "C:\\WINDOWS");
    memory_registry::Faults().refuseCreate = c.refuseCreate;

    VersionSource source;
    source.Open();
    EXPECT_EQ(memory_registry::KeyExists(kKeyPath), c.keyAfterOpen);
    for (const char* name : {"ProductName", "CurrentVersion", "CSDVersion"}) {
      EXPECT_EQ(source.ReadValue(name), "") << name;
    }
    source.Close();
    EXPECT_EQ(memory_registry::KeyExists(kKeyPath), c.keyAfterOpen) << "the created key persists";
    EXPECT_EQ(memory_registry::OpenHandles(), 0u);
    EXPECT_EQ(memory_registry::BadCloses(), 0u);
  }
}

TEST(ReadValueTest, AsksForTheSystemsOwnViewUnderWow64) {
  for (const bool wow64 : {false, true}) {
    memory_registry::Reset();
    memory_registry::Faults().wow64 = wow64;
    VersionSource source;
    source.Open();
    EXPECT_EQ(memory_registry::LastAccess(), wow64 ? 0x20119u : 0x20019u);
  }
}

}  // namespace
