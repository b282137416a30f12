#pragma once
// The application shell's own texts, each in one place.

namespace texts {

inline constexpr const char* kApplicationTitle = "Kelvry Vantorel Converter";
inline constexpr const char* kMainCaption = "Vantorel";
inline constexpr const char* kInformationCaption = "Information";
inline constexpr const char* kRequiredFileMissing = "A required file is missing!\nPlease re-install this software";
inline constexpr const char* kDefaultOutputSubdir = "/iPod Files";

} // namespace texts
