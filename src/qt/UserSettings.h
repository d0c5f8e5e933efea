#pragma once

#include <QSettings>
#include <QString>

namespace grill {

// The user's configuration folder of the designer,
// $XDG_CONFIG_HOME/varnel-grill-designer (~/.config/... without it): the one
// folder holding MenuConfig.txt and the designer's settings.
QString UserConfigFolder();

// The designer's settings (recent jobs, the export folder), kept as
// grill-designer.conf in UserConfigFolder().
QSettings UserSettings();

// Moves the settings an earlier version kept in ~/.config/Varnel/Grill
// Designer.conf into UserSettings(), once: only while the new file does not
// exist, and the old file goes once its values are stored.
void MoveEarlierSettings();

}  // namespace grill
