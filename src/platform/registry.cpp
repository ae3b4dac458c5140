#include "platform/registry.h"

#include <algorithm>

#include "platform/exceptions.h"

namespace {

constexpr std::string_view kGetDataFailed = "Fehler beim Holen der Daten für '%s'";
constexpr std::string_view kInvalidDataType = "Ungültiger Datentyp für '%s'";

// Not inlined, so that its return address lies in the function that raised the error.
[[noreturn]] __attribute__((noinline)) void RaiseRegistryError(std::string_view format,
                                                               const std::string& name) {
  std::string message(format);
  message.replace(message.find("%s"), 2, name);
  throw ERegistryException(std::move(message), __builtin_return_address(0));
}

}  // namespace

std::optional<std::string> StringFromRegData(std::uint32_t type, std::string_view data) {
  if (type != registry_api::kRegSz && type != registry_api::kRegExpandSz) return std::nullopt;
  return std::string(data.substr(0, data.find('\0')));
}

void TRegistry::SetRootKey(registry_api::HKey rootKey) {
  CloseKey();
  rootKey_ = rootKey;
}

bool TRegistry::OpenKey(std::string_view path) {
  if (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  registry_api::HKey opened = registry_api::kNoKey;
  if (!registry_api::CreateKey(rootKey_, std::string(path), access_, &opened)) return false;
  currentKey_ = TUniqueKey(opened);
  return true;
}

void TRegistry::CloseKey() {
  // No RegFlushKey: a reader has nothing to flush, and a flush would force a disk write.
  currentKey_.Reset();
}

std::int64_t TRegistry::GetDataSize(const std::string& name) const {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (!registry_api::QueryValue(currentKey_.Get(), name, &type, nullptr, &size)) return -1;
  return size;
}

std::string TRegistry::ReadString(const std::string& name) const {
  const std::int64_t size = GetDataSize(name);
  if (size <= 0) return {};

  std::string buffer(static_cast<std::size_t>(size), '\0');
  std::uint32_t type = 0;
  std::uint32_t written = static_cast<std::uint32_t>(size);
  if (!registry_api::QueryValue(currentKey_.Get(), name, &type,
                                reinterpret_cast<unsigned char*>(buffer.data()), &written)) {
    RaiseRegistryError(kGetDataFailed, name);
  }
  // The value may have changed since the size query, or its ANSI form come out shorter:
  // whatever lies past the bytes written is not data.
  buffer.resize(std::min<std::size_t>(written, buffer.size()));
  std::optional<std::string> text = StringFromRegData(type, buffer);
  if (!text) RaiseRegistryError(kInvalidDataType, name);
  return std::move(*text);
}
