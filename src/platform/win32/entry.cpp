// Process start-up on Windows: the raw command line, the standard handles and the module name.
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/program.h"

namespace {

// Writes all of `bytes`; a failed write is given up silently.
void WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written == 0) {
      return;
    }
    bytes.remove_prefix(written);
  }
}

std::wstring Widen(std::string_view utf8) {
  const int length = static_cast<int>(utf8.size());
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string Narrow(std::wstring_view wide, UINT codePage) {
  const int length = static_cast<int>(wide.size());
  std::string narrow(
      WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), length, narrow.data(),
                      static_cast<int>(narrow.size()), nullptr, nullptr);
  return narrow;
}

class TWin32Streams : public TProcessStreams {
 public:
  void WriteOut(std::string_view bytes) override {
    WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), bytes);
  }

  // The console shows OEM bytes: convert there through kernel32, not CharToOemA, which
  // would pull in USER32.
  void WriteErr(std::string_view text) override {
    WriteAll(GetStdHandle(STD_ERROR_HANDLE), Narrow(Widen(text), CP_OEMCP));
  }

  std::string ModuleName() override {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
      const DWORD length =
          GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
      if (length < path.size()) {
        path.resize(length);
        break;
      }
      path.resize(path.size() * 2);  // truncated
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return Narrow(slash == std::wstring::npos ? path : path.substr(slash + 1), CP_UTF8);
  }
};

}  // namespace

int main() {
  TWin32Streams streams;
  return RunProgram(GetCommandLineA(), streams);
}
