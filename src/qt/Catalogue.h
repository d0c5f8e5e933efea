#pragma once

#include <QCoreApplication>
#include <QString>
#include <span>
#include <string_view>

namespace grill {

// The designer's one catalogue of translations (context "Catalogue"), keyed by
// the English text: Catalogue::tr("...") for the Qt layer's own texts.
struct Catalogue {
  Q_DECLARE_TR_FUNCTIONS(Catalogue)
};

// A text of the core (a caption, a message) in the user's language, as the
// Qt layer shows it: the whole text when the catalogue holds it, otherwise
// line by line, each line found whole or as one of the core's phrases that
// hold names, numbers or paths ("Files Exported to %1"). What the
// catalogue lacks stays English. The core itself, and so grill-script, only
// ever speaks English.
QString CoreText(std::string_view english);

// The core's whole texts and phrases that the catalogue translates.
std::span<const char* const> CoreTexts();
std::span<const char* const> CorePhrases();
// What a phrase's value may be when the core counted something: "%1 remnants"
// in "Its %1 and %2 are taken out of the inventory".
std::span<const char* const> CoreCountPhrases();

}  // namespace grill
