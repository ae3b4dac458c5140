#include "version_source.h"

namespace {

constexpr const char* kVersionKey = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

}  // namespace

void VersionSource::Open() {
  // A 32-bit process on 64-bit Windows would otherwise be shown the WOW64 copy of the key,
  // which may describe another edition or the release before an upgrade.
  registry_ =
      std::make_unique<TRegistry>(registry_api::kKeyRead | registry_api::NativeViewAccess());
  registry_->SetRootKey(registry_api::kLocalMachine);
  registry_->OpenKey(kVersionKey);
}

std::string VersionSource::ReadValue(const std::string& name) const {
  return registry_ ? registry_->ReadString(name) : std::string();
}

void VersionSource::Close() {
  if (registry_) registry_->CloseKey();
  registry_.reset();
}
