#pragma once
// The conversion's own texts, each in one place.

namespace texts {

inline constexpr const char* kNoFileToConvert = "There is no file to convert!";
inline constexpr const char* kNothingChecked = "Please check the checkbox of the file you want to convert!";
inline constexpr const char* kAllJobsDone = "All Conversion Jobs Done!";
inline constexpr const char* kStopQuestion = "Stop all the file conversions?";
inline constexpr const char* kConfirmCaption = "Confirm";

// Progress cell outcomes.
inline constexpr const char* kDone = "Done";
inline constexpr const char* kFailed = "Failed";
inline constexpr const char* kAborted = "Aborted";
inline constexpr const char* kRescan = "Re-scan";

// Status-bar panel 1: prefix + size + suffix.
inline constexpr const char* kOutputSizePrefix = "Output File Size : ";
inline constexpr const char* kOutputSizeSuffix = " KB";

// The power-off warning window.
inline constexpr const char* kWarningCaption = "Warning";
inline constexpr const char* kTurnOffNotice = "Your PC will be turned off in 30 seconds";
inline constexpr const char* kDoNotTurnOff = "Do Not Turn Off";

} // namespace texts
