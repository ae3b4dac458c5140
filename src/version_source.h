// Read access to the registry key in which Windows records its own identity.
#pragma once

#include <memory>
#include <string>

#include "platform/registry.h"

class VersionSource {
 public:
  // Opens HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion for reading, creating
  // it empty when it is missing and the account may. A failure is silent: every read then
  // yields empty text.
  void Open();

  // The text of the named string value, read afresh. A missing value or one without data
  // yields empty text. Raises ERegistryException when the data cannot be fetched or is not a
  // string ("Ungültiger Datentyp für '<name>'").
  std::string ReadValue(const std::string& name) const;

  // Closes the key and releases the accessor.
  void Close();

 private:
  std::unique_ptr<TRegistry> registry_;
};
