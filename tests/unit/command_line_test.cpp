#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TSplitCase {
  std::string commandLine;
  std::vector<std::string> arguments;
};

void PrintTo(const TSplitCase& c, std::ostream* os) {
  *os << testing::PrintToString(c.commandLine);
}

class SplitArgumentsTest : public testing::TestWithParam<TSplitCase> {};

TEST_P(SplitArgumentsTest, SplitsRawCommandLine) {
  EXPECT_EQ(SplitArguments(GetParam().commandLine), GetParam().arguments);
}

const TSplitCase kSplitCases[] = {
    TSplitCase{"ntver.exe", {}},
    TSplitCase{"ntver.exe   ", {}},
    TSplitCase{"", {}},
    TSplitCase{"\"C:\\Program Files\\ntver.exe\" /v", {"/v"}},
    TSplitCase{"C:\\My Tools\\ntver.exe /v", {"Tools\\ntver.exe", "/v"}},
    TSplitCase{"ntver /v extra  more", {"/v", "extra", "more"}},
    // Quote pairs where an argument would begin are skipped, however many.
    TSplitCase{"ntver \"\" /os", {"/os"}},
    TSplitCase{"ntver \"\"\"\"/sp", {"/sp"}},
    TSplitCase{"ntver x \"\" y", {"x", "y"}},
    TSplitCase{"ntver \"\"", {}},
    // Inside an argument a pair is an empty quoted stretch.
    TSplitCase{"ntver x\"\" y", {"x", "y"}},
    TSplitCase{"ntver a\"b c\"d e", {"ab cd", "e"}},
    TSplitCase{"ntver \" \"", {" "}},
    TSplitCase{"ntver \"\"\" x", {" x"}},
    // A lone quote runs to the end of the line; alone at the end it is an empty argument.
    TSplitCase{"ntver \"/v x", {"/v x"}},
    TSplitCase{"ntver /v \"", {"/v"}},
    // Every byte from 1 to 32 separates; bytes from 0x80 up belong to arguments.
    TSplitCase{"ntver\t/v\x01x\x1fy\x20z", {"/v", "x", "y", "z"}},
    TSplitCase{"ntver \xFC\x80\xFF /\xE4", {"\xFC\x80\xFF", "/\xE4"}},
    TSplitCase{std::string("ntver /v\0/os", 12), {"/v"}},
};

INSTANTIATE_TEST_SUITE_P(Table, SplitArgumentsTest, testing::ValuesIn(kSplitCases));

}  // namespace
