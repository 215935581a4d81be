#pragma once
// The version of Namewright, set in one place: project(VERSION) in the top CMakeLists.txt. The package and its
// AppStream metadata carry the same number.

#include <string_view>

namespace namewright::cli {

/// "3.0": the project's version as CMake states it.
std::string_view programVersion();

} // namespace namewright::cli
