#pragma once
// The plugin's version, defined here and nowhere else: the record the host
// reads through the exports, the vtx_version console variable, the build
// (CMakeLists.txt reads this line) and the release zip's name
// (scripts/release.sh checks the DLL's record against it) all take it from
// this line. Keep it a plain "MAJOR.MINOR.PATCH" literal on one line.
namespace vtx {

inline constexpr char kVersion[] = "1.0.5";

} // namespace vtx
