#pragma once

#include <functional>
#include <string>
#include <string_view>

// Buffered line output. Lines go out as bytes, unconverted, each followed by CR LF; the sink
// sees them when the buffer fills and at Flush. The sink's failures are not reported.
class TTextOutput {
 public:
  using Sink = std::function<void(std::string_view bytes)>;

  explicit TTextOutput(Sink sink) : sink_(std::move(sink)) {}
  TTextOutput(const TTextOutput&) = delete;
  TTextOutput& operator=(const TTextOutput&) = delete;
  ~TTextOutput() { Flush(); }

  void WriteLine(std::string_view text);
  void Flush();

 private:
  static constexpr std::size_t kCapacity = 4096;
  Sink sink_;
  std::string buffer_;
};
