// The platform's error classes. Messages are UTF-8; the error report converts them for the
// console it is written to.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
 public:
  // `address` is the code address at which the error arose; it appears in the error report.
  Exception(std::string message, const void* address)
      : message_(std::move(message)), address_(address) {}

  virtual const char* ClassName() const { return "Exception"; }
  const std::string& Message() const { return message_; }
  const void* Address() const { return address_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
  const void* address_;
};

// A registry value could not be fetched or is not text.
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const override { return "ERegistryException"; }
};
