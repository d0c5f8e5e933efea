#include "model/JobFileJson.h"

#include <set>
#include <vector>

#include "model/Measurements.h"

namespace grill {
namespace {

// Follows the parser through the document: where it is, how deep, how many
// values it has made, and which keys each open object has had so far.
class ShapeGuard {
 public:
  bool Notice(JobJson::parse_event_t event, const JobJson& parsed) {
    switch (event) {
      case JobJson::parse_event_t::object_start:
        Enter(true);
        break;
      case JobJson::parse_event_t::array_start:
        Enter(false);
        break;
      case JobJson::parse_event_t::key:
        AddKey(parsed.get_ref<const std::string&>());
        break;
      case JobJson::parse_event_t::value:
        CountElement();
        break;
      case JobJson::parse_event_t::object_end:
      case JobJson::parse_event_t::array_end:
        frames_.pop_back();
        break;
    }
    return true;
  }

 private:
  struct Frame {
    bool object = false;
    std::set<std::string> keys;
    std::string key;
    std::size_t elements = 0;
  };

  void Enter(bool object) {
    CountElement();
    if (frames_.size() >= kJobJsonMaxDepth) {
      throw JobFileRefusal{"nested deeper than " + FormatInteger(kJobJsonMaxDepth) + " levels at " +
                           Path(frames_.size())};
    }
    frames_.push_back(Frame{object, {}, {}, 0});
  }

  void AddKey(const std::string& key) {
    Frame& frame = frames_.back();
    if (!frame.keys.insert(key).second) {
      throw JobFileRefusal{"the key \"" + key + "\" appears twice in " + Path(frames_.size() - 1)};
    }
    frame.key = key;
  }

  void CountElement() {
    if (++values_ > kJobJsonMaxValues) {
      throw JobFileRefusal{"more than " + FormatInteger(kJobJsonMaxValues) + " values"};
    }
    if (!frames_.empty() && !frames_.back().object) {
      ++frames_.back().elements;
    }
  }

  // Where the value held by the first `depth` open containers stands, as
  // in designs[2].horzPos.
  std::string Path(std::size_t depth) const {
    std::string path;
    for (std::size_t i = 0; i < depth; ++i) {
      const Frame& frame = frames_[i];
      if (frame.object) {
        path += (path.empty() ? "" : ".") + frame.key;
      } else {
        path += '[' + FormatInteger(static_cast<std::int64_t>(frame.elements) - 1) + ']';
      }
    }
    return path.empty() ? "the top level" : path;
  }

  std::vector<Frame> frames_;
  std::size_t values_ = 0;
};

// The parser's own description of a syntax error, without its prefix and
// without the text it last read, which may be long or not printable.
std::string SyntaxDetail(const std::string& what) {
  std::string detail = what;
  const std::size_t start = detail.find(": ");
  if (start != std::string::npos) {
    detail.erase(0, start + 2);
  }
  const std::size_t lastRead = detail.find("; last read");
  if (lastRead != std::string::npos) {
    detail.erase(lastRead);
  }
  return detail;
}

}  // namespace

JobJson ParseJobJson(std::string_view text) {
  ShapeGuard guard;
  try {
    return JobJson::parse(text.begin(), text.end(),
                          [&guard](int, JobJson::parse_event_t event, JobJson& parsed) {
                            return guard.Notice(event, parsed);
                          });
  } catch (const JobJson::parse_error& error) {
    throw JobFileRefusal{"not valid JSON at byte " +
                             FormatInteger(static_cast<std::int64_t>(error.byte)) + ": " +
                             SyntaxDetail(error.what()),
                         RefusalKind::Damaged};
  } catch (const JobJson::out_of_range&) {
    throw JobFileRefusal{"a number lies beyond the range of a double"};
  }
}

}  // namespace grill
