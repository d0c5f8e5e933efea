#pragma once

#include "model/JobDetails.h"
#include "print/PageFlow.h"

namespace grill::print {

// The job's details down the flow, one to a line with its name in front,
// the notes wrapped below theirs, running on over the pages when long.
// Nothing for a job without details.
void AddJobDetails(PageFlow& flow, const JobDetails& details);

}  // namespace grill::print
