/* Stores a REG_SZ value in the system's own view of the Windows version key without the
   terminating zero, which reg and regedit always add.
   Usage: setraw NAME TEXT */
#include <stdlib.h>
#include <string.h>
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 3) return 120;
  WCHAR name[256], text[256];
  if (!MultiByteToWideChar(CP_ACP, 0, argv[1], -1, name, 256) ||
      !MultiByteToWideChar(CP_ACP, 0, argv[2], -1, text, 256)) {
    return 121;
  }
  HKEY key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                      NULL, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, NULL, &key,
                      NULL) != ERROR_SUCCESS) {
    return 122;
  }
  const LONG status = RegSetValueExW(key, name, 0, REG_SZ, (const BYTE*)text,
                                     (DWORD)(wcslen(text) * sizeof(WCHAR)));
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? 0 : 123;
}
