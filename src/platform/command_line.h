#pragma once

#include <string>
#include <string_view>
#include <vector>

// The arguments of a raw process command line, the program's name left out. Bytes 1 to 32
// separate arguments. A pair of double quotes where an argument would begin is skipped. A
// double quote opens a stretch, up to the next double quote or the end of the line, in which
// separators belong to the argument; the quotes themselves are dropped. The list ends before
// the first empty argument, and at a zero byte.
std::vector<std::string> SplitArguments(std::string_view commandLine);
