// The errors that end a calculation. Each carries one message text and
// nothing else; the application shows it in its error dialog.
#pragma once

#include <exception>
#include <string>

namespace parcyl {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// A text that is not a number:
//   "12.5" with a comma as mark -> "'12.5' is not a valid floating point value"
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class EMathError : public Exception {
 public:
  using Exception::Exception;
};

// 0/0, inf - inf, 0 * inf and the like.
class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
};

// A finite nonzero value divided by zero.
class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
};

// A finite result beyond the range of its destination.
class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Floating point overflow") {}
};

// The text the error dialog shows for a message: a full stop is added when
// the last byte is above '.' (46) as an unsigned byte, so a message ending in
// a letter, a digit, '/', ':' or '?' gets one, and one ending in '.', '!',
// ',', '-', ')', a quote or a space does not. UTF-8 letters end in a byte of
// 0x80 or more and so get one too.
//   "Floating point overflow" -> "Floating point overflow."
//   "Done."                   -> "Done."
//   ""                        -> ""
std::string ErrorDialogText(const std::string& message);

}  // namespace parcyl
