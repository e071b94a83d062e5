#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vado::report {

// The county list file: one record a line, 8 comma-separated fields in the quoted-CSV manner
// (a field may be enclosed in double quotes, which may hold commas; "" inside quotes is one
// quote). Only field 1, the county name, is used. Lines that are empty, short, long or
// malformed are skipped; so are records without a name.
std::vector<std::string> ParseCountyList(std::string_view text);

inline constexpr const char* kCountyFile = "rain.txt";
// A file beyond these is cut short at the limit: the list stays usable and the dialog quick.
inline constexpr std::size_t kCountyFileMaxBytes = 4u << 20;
inline constexpr std::size_t kCountyListMaxEntries = 10000;

// Reads rain.txt from the first side-file folder that has one (the program's own folder, the
// user's configuration folder, the installation's). A missing or unreadable file gives an
// empty list.
std::vector<std::string> LoadCountyList(const std::string& appFolder);

}  // namespace vado::report
