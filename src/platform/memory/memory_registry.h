// Controls for the in-memory registry behind registry_api.h in builds without Windows. It
// starts empty; tests fill it, tell it how to misbehave, and check that every key handed out
// was closed exactly once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace memory_registry {

struct TFaults {
  bool refuseCreate = false;  // a missing key cannot be created, as for an account without rights
  bool failFetch = false;     // every fetch fails, after a size query that succeeded
  bool wow64 = false;         // the process runs as a 32-bit process on 64-bit Windows
};

// Forgets every key, value and fault.
void Reset();
TFaults& Faults();

// Stores a value under the key at `path` (below HKEY_LOCAL_MACHINE, no leading backslash),
// creating the key. The fetch yields `data`; the size query reports `reportedSize` when given,
// else data.size(), as when the value changes between the two calls.
void SetValue(const std::string& path, const std::string& name, std::uint32_t type,
              const std::string& data, std::optional<std::uint32_t> reportedSize = std::nullopt);

bool KeyExists(const std::string& path);
// The access mask of the last CreateKey call, 0 before any.
std::uint32_t LastAccess();
// Keys handed out and not yet closed.
std::size_t OpenHandles();
// CloseKey calls on a handle that was not open.
std::size_t BadCloses();

}  // namespace memory_registry
