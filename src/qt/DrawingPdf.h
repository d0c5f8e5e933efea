#pragma once

#include <QString>
#include <vector>

#include "print/PageItems.h"

namespace grill {

// The title of a PDF of shop drawings.
inline const QString kDrawingsTitle = QStringLiteral("Grill drawings");

// Writes `pages` as one PDF, each page at its own size and orientation.
// The file is written beside `path` under a temporary name and renamed over
// `path` only once complete, so a failed write leaves any earlier file as it
// was. `title` is the document's title, which PDF viewers show. On failure
// returns false with a message for the user in `error`.
bool WriteDrawingPdf(const std::vector<print::Page>& pages, const QString& path,
                     const QString& title, QString& error);

}  // namespace grill
