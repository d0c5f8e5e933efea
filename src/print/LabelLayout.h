#pragma once

#include "cutting/PieceLabels.h"
#include "print/PageItems.h"

namespace grill::print {

// Sets one piece's label inside `label`: the piece in words (bold), its
// length, the stock it is cut from, its place on the saw and the job, then
// along the bottom its id as a Code 128 barcode with its quiet zones and as
// text beside it. Text sizes follow the label's height, up to a size read at
// arm's length; nothing leaves the label.
void AddPieceLabel(const PieceLabel& piece, const Box& label, Page& page);

// The height a label takes with its text at full size: a roll's label.
double RollLabelHeight();

}  // namespace grill::print
