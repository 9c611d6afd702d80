#include "calc/errors.h"

namespace parcyl {

std::string ErrorDialogText(const std::string& message) {
  constexpr unsigned char kFullStop = '.';
  if (!message.empty() && static_cast<unsigned char>(message.back()) > kFullStop) {
    return message + '.';
  }
  return message;
}

}  // namespace parcyl
