#pragma once

#include <string>

namespace grill {

// Where the designer keeps what it must find again in a later run (the
// recovery copies): $XDG_STATE_HOME/varnel-grill-designer, with
// ~/.local/state in place of an unset or relative $XDG_STATE_HOME. Empty
// when neither that nor $HOME is known.
std::string StateFolder();

// The absolute path of the current working folder; empty when it cannot be
// told.
std::string WorkingFolder();

}  // namespace grill
