#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace grill {

// A file of a thousand bad lines would otherwise greet the user with a
// thousand message boxes, one after the other.
inline constexpr std::size_t kShownConfigMessages = 20;

// The first kShownConfigMessages of `messages`, then, when there were more,
// one that says how many: "And 24980 more configuration messages.".
std::vector<std::string> LimitShownMessages(std::vector<std::string> messages);

}  // namespace grill
