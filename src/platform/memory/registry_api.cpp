// An in-memory registry: keys below HKEY_LOCAL_MACHINE, matched without regard to letter case
// as Windows does, each holding typed values.
#include "platform/registry_api.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

#include "platform/memory/memory_registry.h"

namespace {

struct TValue {
  std::uint32_t type;
  std::string data;
  std::optional<std::uint32_t> reportedSize;
};

struct TKey {
  std::map<std::string, TValue> values;  // by folded name
};

struct TState {
  std::map<std::string, TKey> keys;  // by folded path
  std::map<registry_api::HKey, std::string> handles;
  registry_api::HKey nextHandle = 0x1000;
  memory_registry::TFaults faults;
  std::uint32_t lastAccess = 0;
  std::size_t badCloses = 0;
};

TState& State() {
  static TState state;
  return state;
}

std::string Fold(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

namespace memory_registry {

void Reset() { State() = TState(); }
TFaults& Faults() { return State().faults; }

void SetValue(const std::string& path, const std::string& name, std::uint32_t type,
              const std::string& data, std::optional<std::uint32_t> reportedSize) {
  State().keys[Fold(path)].values[Fold(name)] = TValue{type, data, reportedSize};
}

bool KeyExists(const std::string& path) { return State().keys.count(Fold(path)) != 0; }
std::uint32_t LastAccess() { return State().lastAccess; }
std::size_t OpenHandles() { return State().handles.size(); }
std::size_t BadCloses() { return State().badCloses; }

}  // namespace memory_registry

namespace registry_api {

bool CreateKey(HKey base, const std::string& subKey, std::uint32_t access, HKey* key) {
  TState& state = State();
  state.lastAccess = access;
  if (base != kLocalMachine) return false;  // nothing here opens a key below another
  const std::string path = Fold(subKey);
  if (state.keys.count(path) == 0) {
    if (state.faults.refuseCreate) return false;
    state.keys[path];
  }
  *key = state.nextHandle++;
  state.handles[*key] = path;
  return true;
}

bool QueryValue(HKey key, const std::string& name, std::uint32_t* type, unsigned char* data,
                std::uint32_t* size) {
  TState& state = State();
  const auto handle = state.handles.find(key);
  if (handle == state.handles.end()) return false;
  const TKey& stored = state.keys[handle->second];
  const auto found = stored.values.find(Fold(name));
  if (found == stored.values.end()) return false;
  const TValue& value = found->second;

  if (data == nullptr) {
    *type = value.type;
    *size = value.reportedSize.value_or(static_cast<std::uint32_t>(value.data.size()));
    return true;
  }
  if (state.faults.failFetch || value.data.size() > *size) return false;
  // Like the real call, which converts in place, leave no promise about bytes past the data.
  std::memset(data, 'X', *size);
  std::memcpy(data, value.data.data(), value.data.size());
  *type = value.type;
  *size = static_cast<std::uint32_t>(value.data.size());
  return true;
}

void CloseKey(HKey key) {
  if (State().handles.erase(key) == 0) ++State().badCloses;
}

std::uint32_t NativeViewAccess() { return State().faults.wow64 ? kKeyWow64_64Key : 0; }

}  // namespace registry_api
