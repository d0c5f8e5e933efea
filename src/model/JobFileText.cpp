#include "model/JobFileText.h"

namespace grill {
namespace {

unsigned char ByteAt(std::string_view text, size_t i) {
  return static_cast<unsigned char>(text[i]);
}

// The length of the well-formed UTF-8 sequence at `i`, 0 when there is none.
// The ranges of the second byte rule out overlong forms, surrogates and code
// points past U+10FFFF.
size_t SequenceLength(std::string_view text, size_t i) {
  const unsigned char lead = ByteAt(text, i);
  if (lead < 0x80) {
    return 1;
  }
  size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead == 0xE0) {
    length = 3;
    low = 0xA0;
  } else if (lead == 0xED) {
    length = 3;
    high = 0x9F;
  } else if (lead >= 0xE1 && lead <= 0xEF) {
    length = 3;
  } else if (lead == 0xF0) {
    length = 4;
    low = 0x90;
  } else if (lead == 0xF4) {
    length = 4;
    high = 0x8F;
  } else if (lead >= 0xF1 && lead <= 0xF3) {
    length = 4;
  } else {
    return 0;
  }
  if (text.size() - i < length) {
    return 0;
  }
  const unsigned char second = ByteAt(text, i + 1);
  if (second < low || second > high) {
    return 0;
  }
  for (size_t k = 2; k < length; ++k) {
    const unsigned char next = ByteAt(text, i + k);
    if (next < 0x80 || next > 0xBF) {
      return 0;
    }
  }
  return length;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = SequenceLength(text, i);
    if (length == 0) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string BytesAsCharacters(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

std::optional<std::string> CharactersAsBytes(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const size_t length = SequenceLength(utf8, i);
    const unsigned char lead = ByteAt(utf8, i);
    if (length == 1) {
      bytes += static_cast<char>(lead);
    } else if (length == 2 && lead <= 0xC3) {
      bytes += static_cast<char>(((lead & 0x03) << 6) | (ByteAt(utf8, i + 1) & 0x3F));
    } else {
      return std::nullopt;
    }
    i += length;
  }
  return bytes;
}

}  // namespace grill
