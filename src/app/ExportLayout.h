#pragma once

#include <string>

namespace grill {

// Where Process All puts its files: all in the export folder, as it always has, or each
// job's in a folder of its own there, where a run replaces that job's earlier one.
enum class ExportLayout { kExportFolder, kFolderPerJob };

// The name of a job's folder: the job file's name without its extension; `unsaved` for a
// job that has no file yet.
std::string JobFolderName(const std::string& jobPath, const std::string& unsaved);

}  // namespace grill
