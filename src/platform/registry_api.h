// The three registry calls that TRegistry stands on. The build picks one implementation:
// win32/ passes them to advapi32, memory/ keeps an in-memory registry for the unit tests
// and the host build.
#pragma once

#include <cstdint>
#include <string>

namespace registry_api {

// A key handle as the registry hands it out; 0 means no key.
using HKey = std::uintptr_t;
inline constexpr HKey kNoKey = 0;
inline constexpr HKey kLocalMachine = 0x80000002;

inline constexpr std::uint32_t kKeyRead = 0x20019;
// Asks for the system's own (64-bit) view of a key that WOW64 would otherwise redirect.
inline constexpr std::uint32_t kKeyWow64_64Key = 0x0100;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// RegCreateKeyExA: opens `subKey` below `base`, creating it empty and persistent when it is
// missing and the account may. On failure returns false and leaves *key untouched.
bool CreateKey(HKey base, const std::string& subKey, std::uint32_t access, HKey* key);

// RegQueryValueExA. With data == nullptr it is the size query: *type and *size receive the
// value's type and data size in bytes. With a buffer of *size bytes it is the fetch: the data
// goes to the buffer and *size receives the number of bytes written. The bytes past those may
// hold anything. Fails when the value is missing, the key is kNoKey, or the buffer is too small.
bool QueryValue(HKey key, const std::string& name, std::uint32_t* type, unsigned char* data,
                std::uint32_t* size);

// RegCloseKey.
void CloseKey(HKey key);

// The access bits that select the system's own view of HKLM\SOFTWARE: kKeyWow64_64Key for a
// 32-bit process on 64-bit Windows, 0 everywhere else.
std::uint32_t NativeViewAccess();

}  // namespace registry_api
