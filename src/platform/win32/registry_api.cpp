// The registry calls passed to advapi32.
#include "platform/registry_api.h"

#include <windows.h>

namespace registry_api {
namespace {

HKEY ToHkey(HKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

bool CreateKey(HKey base, const std::string& subKey, std::uint32_t access, HKey* key) {
  HKEY opened = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExA(ToHkey(base), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                      nullptr, &opened, &disposition) != ERROR_SUCCESS) {
    return false;
  }
  *key = reinterpret_cast<HKey>(opened);
  return true;
}

bool QueryValue(HKey key, const std::string& name, std::uint32_t* type, unsigned char* data,
                std::uint32_t* size) {
  DWORD valueType = 0;
  DWORD valueSize = *size;
  const LONG status =
      RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data, &valueSize);
  if (status != ERROR_SUCCESS) return false;
  *type = valueType;
  *size = valueSize;
  return true;
}

void CloseKey(HKey key) { RegCloseKey(ToHkey(key)); }

std::uint32_t NativeViewAccess() {
  // Looked up at run time: Windows 2000 and XP before SP2 have no IsWow64Process.
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  const auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
  BOOL wow64 = FALSE;
  if (isWow64Process == nullptr || !isWow64Process(GetCurrentProcess(), &wow64)) return 0;
  return wow64 ? kKeyWow64_64Key : 0;
}

}  // namespace registry_api
