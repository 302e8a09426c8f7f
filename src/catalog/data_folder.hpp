// Where the size tables are found: the working directory first, then the data folder copied
// into the build tree beside the executable, bin/data, then the installed one, share/hari/data.
#pragma once

#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace catalog {

// The folder of the running executable, from /proc/self/exe; empty when it cannot be told.
std::filesystem::path executableFolder();

// The folders searched by default, in order: the current working directory,
// <executable folder>/data, then <executable folder>/../share/hari/data.
std::vector<std::filesystem::path> defaultDataFolders();

// The first folder that holds a regular file `name`; when none does, the path in the first
// folder (so that a failure to open names the place looked at first), or `name` alone when
// there are no folders.
std::filesystem::path locateDataFile(std::string_view name,
                                     std::span<const std::filesystem::path> folders);

} // namespace catalog
