/* Starts a program with an exact command line, given in hexadecimal so that no shell or
   launcher quotes it again, and exits with the program's exit status.
   Usage: spawn PROGRAM HEX-COMMAND-LINE */
#include <stdlib.h>
#include <string.h>
#include <windows.h>

static int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int main(int argc, char** argv) {
  if (argc != 3 || strlen(argv[2]) % 2 != 0) return 120;
  const size_t length = strlen(argv[2]) / 2;
  char* line = calloc(length + 1, 1);
  for (size_t i = 0; i < length; ++i) {
    const int high = HexDigit(argv[2][2 * i]), low = HexDigit(argv[2][2 * i + 1]);
    if (high < 0 || low < 0) return 120;
    line[i] = (char)(high * 16 + low);
  }

  STARTUPINFOA startup;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process;
  if (!CreateProcessA(argv[1], line, NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process)) {
    return 121;
  }
  DWORD status = 122;
  WaitForSingleObject(process.hProcess, INFINITE);
  GetExitCodeProcess(process.hProcess, &status);
  return (int)status;
}
