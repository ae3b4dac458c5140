// TRegistry: the registry accessor. It holds a root key and at most one open key, and reads string
// values from it through the calls in registry_api.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry_api.h"

// A move-only owner of one open key; RegCloseKey is part of its type, so a key is closed
// exactly once, by whoever holds it last.
class TUniqueKey {
 public:
  TUniqueKey() = default;
  explicit TUniqueKey(registry_api::HKey key) : key_(key) {}
  TUniqueKey(TUniqueKey&& other) noexcept : key_(other.Release()) {}
  TUniqueKey& operator=(TUniqueKey&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  TUniqueKey(const TUniqueKey&) = delete;
  TUniqueKey& operator=(const TUniqueKey&) = delete;
  ~TUniqueKey() { Reset(); }

  registry_api::HKey Get() const { return key_; }
  registry_api::HKey Release() {
    const registry_api::HKey key = key_;
    key_ = registry_api::kNoKey;
    return key;
  }
  void Reset(registry_api::HKey key = registry_api::kNoKey) {
    if (key_ != registry_api::kNoKey) registry_api::CloseKey(key_);
    key_ = key;
  }

 private:
  registry_api::HKey key_ = registry_api::kNoKey;
};

// What fetched registry data reads as: for REG_SZ and REG_EXPAND_SZ the bytes up to the first
// zero byte, or all of `data` when it holds none (references in an expandable string stay
// unexpanded); for any other type nullopt.
std::optional<std::string> StringFromRegData(std::uint32_t type, std::string_view data);

class TRegistry {
 public:
  // `access` is the access mask used for every key this accessor opens.
  explicit TRegistry(std::uint32_t access) : access_(access) {}

  // Closes the current key first.
  void SetRootKey(registry_api::HKey rootKey);

  // Opens `path` below the root key (a leading backslash marks it as absolute and is not part
  // of the path) and makes it the current key, creating it empty and persistent when it is
  // missing and the account may. On failure returns false and changes nothing.
  bool OpenKey(std::string_view path);
  // Closes the current key, if there is one, without flushing it.
  void CloseKey();

  // The size in bytes of the named value's data, or -1 when it cannot be queried (the value
  // is missing or there is no current key).
  std::int64_t GetDataSize(const std::string& name) const;

  // The named value as text. A missing value, a value without data (of whatever type) and a
  // read with no current key all yield empty text. Raises ERegistryException when the data
  // cannot be fetched or is not REG_SZ or REG_EXPAND_SZ. Only the bytes the fetch wrote are
  // read, up to the first zero byte.
  std::string ReadString(const std::string& name) const;

 private:
  std::uint32_t access_;
  registry_api::HKey rootKey_ = registry_api::kNoKey;
  TUniqueKey currentKey_;
};
