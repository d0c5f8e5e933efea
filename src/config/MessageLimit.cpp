#include "config/MessageLimit.h"

#include "model/Measurements.h"

namespace grill {

std::vector<std::string> LimitShownMessages(std::vector<std::string> messages) {
  if (messages.size() <= kShownConfigMessages) {
    return messages;
  }
  const std::size_t more = messages.size() - kShownConfigMessages;
  messages.resize(kShownConfigMessages);
  messages.push_back(
      "And " + FormatInteger(static_cast<std::int64_t>(more)) +
      (more == 1 ? " more configuration message." : " more configuration messages."));
  return messages;
}

}  // namespace grill
