// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the program shows (captions, messages, list entries and
// cells), each in one place.
#include <array>

namespace texts {

// The window and its dialogs.
inline constexpr const char* kApplicationTitle = "Kelvry Vantorel Converter";
inline constexpr const char* kMainCaption = "Vantorel";
inline constexpr const char* kInformationCaption = "Information";
inline constexpr const char* kRequiredFileMissing = "A required file is missing!\nPlease re-install this software";
inline constexpr const char* kDefaultOutputSubdir = "/iPod Files";

inline constexpr const char* kOptionsCaption = "Additional Options";
inline constexpr const char* kOptionsGroup = " Additional Options ";
inline constexpr const char* kOverwriteOption = "Overwrite Existing File With The Same Name";
inline constexpr const char* kShutDownOption = "Shut Down Computer After All Conversion Jobs Are Done ";
inline constexpr const char* kDoneButton = "Done";
// "Convert up to [2] files at the same time".
inline constexpr const char* kJobsAtOnceLead = "Convert up to";
inline constexpr const char* kJobsAtOnceTail = "files at the same time";
inline constexpr const char* kJobsAtOnceAuto = "Auto";
inline constexpr const char* kShutDownQuestion =
    "Your computer will automatically shutdown without warning\nafter all conversion jobs are completed. Do you want to continue?";

inline constexpr const char* kHelpFileName = "help.html";
inline constexpr const char* kWebsiteUrl = "https://www.example.com/kelvry/";
inline constexpr const char* kSupportMailUrl = "mailto:support@example.com";
// When the desktop has no program for the help file or the output folder: + the path.
inline constexpr const char* kNoBrowserForHelp = "No web browser could be started to show the help file:\n";
inline constexpr const char* kNoFileManager = "No file manager could be started to show the output folder:\n";

inline constexpr const char* kAboutCaption = "About";
inline constexpr const char* kAboutOk = "OK";
inline constexpr const char* kWebsiteLink = "Visit Kelvry Website  for More Softwares ";
inline constexpr const char* kSupportLink = "Contact Support Department";

// The list's context menu; "&" marks each entry's key.
inline constexpr const char* kCheckAllItems = "&Check All Items";
inline constexpr const char* kUncheckAllItems = "&Uncheck All Items";
inline constexpr const char* kRemoveSelectedItem = "&Remove Selected Item";
inline constexpr const char* kClearAllItems = "C&lear All Items";

inline constexpr const char* kBrowseFolderName = "Select Output Directory";
inline constexpr const char* kBrowseTitle = "Choose the output folder";
inline constexpr const char* kBrowseHeadline = "Choose the required output directory below :";
inline constexpr const char* kBrowseHelpButton = "&Help";
inline constexpr const char* kInvalidSpecialFolderId = "Invalid special folder ID";
inline constexpr const char* kRootFolderNotSupported = "Root folder not supported on this system";

// The main window's captions, labels and list entries. An "&" marks the
// letter that Alt and the menus take; it is not shown.
inline constexpr const char* kAddFilesCaption = "&Add Files";
inline constexpr const char* kStopConvertCaption = "&Stop Convert";
inline constexpr const char* kConvertNowCaption = "&Convert Now !";
inline constexpr const char* kRemoveCaption = "&Remove";
inline constexpr const char* kClearAllCaption = "C&lear All ";
inline constexpr const char* kOutputDirectoryLabel = "Output Directory : ";
// Below the folder in the label's hint.
inline constexpr const char* kOutputDirectoryHint =
    "A folder that plumly.ini names without its full path lies in your home folder.";
inline constexpr const char* kVideoSettingsGroup = " Video Settings ";
inline constexpr const char* kVideoCodecLabel = "Video Codec : ";
inline constexpr const char* kVideoSizeLabel = "Video Size : ";
inline constexpr const char* kVideoBitrateLabel = "Video Bitrate : ";
inline constexpr const char* kVideoFramerateLabel = "Video Framerate : ";
inline constexpr const char* kHdrLabel = "HDR Video : ";
inline constexpr const char* kCropLabel = "Crop : ";
inline constexpr const char* kCropHint = "Auto cuts off the black bars a film carries in its frame";
inline constexpr const char* kHdrHint = "H.265, AV1 and VP9 keep an HDR source as HDR, or tone-map it to SDR";
inline constexpr const char* kAudioSettingsGroup = " Audio Settings ";
inline constexpr const char* kAudioCodecLabel = "Audio Codec : ";
inline constexpr const char* kAudioBitrateLabel = "Audio Bitrate :";
inline constexpr const char* kAudioChannelsLabel = "Audio Channels :";
inline constexpr const char* kSamplingRateLabel = "Sampling Rate : ";
inline constexpr const char* kLoudnessLabel = "Loudness : ";
inline constexpr const char* kLoudnessHint =
    "Brings every output to one loudness (EBU R128) with one gain, keeping the dynamics; Off: the Volume slider applies";
inline constexpr const char* kStereo = "Stereo";
inline constexpr const char* kMono = "Mono";
inline constexpr const char* kGeneralSettingsGroup = " General Settings ";
inline constexpr const char* kVideoZoomLabel = "Video Zoom : ";
inline constexpr const char* kLetterBoxHint = "Add a letterbox to keep video aspect ratio";
inline constexpr const char* kMuteAudioLabel = "Mute Audio :";
inline constexpr const char* kFalse = "False";
inline constexpr const char* kTrue = "True";
inline constexpr const char* kVolumeLabel = "Volume : ";
inline constexpr const char* kVolumeHint = "100% is the original video volume";
inline constexpr const char* kFullVolume = "100%";
inline constexpr const char* kSmallStopCaption = "Stop";
inline constexpr const char* kReady = "Ready";
inline constexpr const char* kOutputFormatLabel = "Output Format : ";
inline constexpr const char* kPowerOffArmed = "Power off after the batch";
inline constexpr const char* kVersionPrefix = "Version ";
inline constexpr const char* kFileMenu = "&File";
inline constexpr const char* kConvertEntry = "&Convert";
inline constexpr const char* kExitEntry = "E&xit";
inline constexpr const char* kOptionsMenu = "&Options";
inline constexpr const char* kSetAdditionalOptionsEntry = "&Set Additional Options";
inline constexpr const char* kHelpMenu = "&Help";
inline constexpr const char* kOpenHelpFileEntry = "Open &Help File";
inline constexpr const char* kVisitWebsiteEntry = "&Visit Kelvry Website";
inline constexpr const char* kAboutEntry = "&About";
inline constexpr const char* kNone = "None";
inline constexpr const char* kLetterBox = "LetterBox";
inline constexpr std::array<const char*, 7> kColumnCaptions{"Video File Name", "Video Size", "FrameRate", "Duration",
                                                            "Output",          "Progress",   "Frames"};

// Add Files: why a chosen file got no row (its name, a blank, the note),
// and how many were in the list already.
inline constexpr const char* kNotAddedHeadline = "These files were not added:";
inline constexpr const char* kNoSuchFileNote = "does not exist";
inline constexpr const char* kIsAFolderNote = "is a folder";
inline constexpr const char* kIsEmptyNote = "is empty";
inline constexpr const char* kNotMediaNote = "holds no picture or sound this program can read";
inline constexpr const char* kSkippedPrefix = "Skipped ";              // + count
inline constexpr const char* kAlreadyListedOne = " file already in the list";
inline constexpr const char* kAlreadyListedMany = " files already in the list";

// The analysing splash.
inline constexpr const char* kAnalyzingCaption = "Analyzing Video Files";
inline constexpr const char* kAnalyzingHeadline = "Analyzing Video File.......Please Wait.";
inline constexpr const char* kCancel = "Cancel";

// Converting.
inline constexpr const char* kNoFileToConvert = "There is no file to convert!";
inline constexpr const char* kNothingChecked = "Please check the checkbox of the file you want to convert!";
inline constexpr const char* kAllJobsDone = "All Conversion Jobs Done!";
inline constexpr const char* kStopQuestion = "Stop all the file conversions?";
inline constexpr const char* kConfirmCaption = "Confirm";
inline constexpr const char* kStopBatchFirst = "Converting \u2014 stop the batch first";
// A second Convert Now ! over rows converted already: count + the question.
inline constexpr const char* kConvertAgainQuestion = " of the checked files were converted already. Convert them again?";
inline constexpr const char* kConvertAgain = "Convert &Again";
inline constexpr const char* kSkipThem = "&Skip Them";

// How a batch gets on: "Converting 2 of 5", "12:34 left", "37% – Vantorel",
// "5 converted, 1 failed, 2 not converted".
inline constexpr const char* kConvertingPrefix = "Converting ";
inline constexpr const char* kConvertingOf = " of ";
inline constexpr const char* kTimeLeftSuffix = " left";
inline constexpr const char* kNoEstimate = "\u2014";
inline constexpr const char* kTitlePercentSeparator = "% \u2013 ";
inline constexpr const char* kConvertedSuffix = " converted";
inline constexpr const char* kFailedSuffix = " failed";
inline constexpr const char* kNotConvertedSuffix = " not converted";
inline constexpr const char* kOpenOutputFolder = "Open &Output Folder";

// The Video Size cell's tooltip for a picture a player turns or deinterlaces,
// and the fields vantorel-cli --analyze adds for it.
inline constexpr const char* kStoredAs = "Stored as ";  // + "1280 x 720"
inline constexpr const char* kTurned = ", turned ";     // + degrees
inline constexpr const char* kClockwise = "\u00b0 clockwise";
inline constexpr const char* kInterlacedNote = "Interlaced";
inline constexpr const char* kAnalyzeRotated = "rotated ";  // + degrees + " (stored " + size + ")"
inline constexpr const char* kAnalyzeStored = " (stored ";
inline constexpr const char* kAnalyzeInterlaced = "interlaced";
// The black borders the analysis found (Crop: Auto): "Crop 1280 x 536 at 0,92".
inline constexpr const char* kCropNote = "Crop ";  // + "1280 x 536"
inline constexpr const char* kCropAt = " at ";     // + "0,92"

// Progress cell outcomes.
inline constexpr const char* kDone = "Done";
inline constexpr const char* kFailed = "Failed";
inline constexpr const char* kAborted = "Aborted";
inline constexpr const char* kRescan = "Re-scan";
inline constexpr const char* kIncomplete = "Incomplete";
// vantorel-cli --skip-existing: the output is there already.
inline constexpr const char* kSkipped = "Skipped";

// Why a row did not end "Done": the row's hint, the conversion log and the
// command-line tool's error stream.
inline constexpr const char* kReasonStopped = "stopped";
inline constexpr const char* kReasonNotStarted = "the encoder could not be started";
inline constexpr const char* kReasonSignal = "the encoder ended with signal ";
inline constexpr const char* kReasonStatus = "the encoder ended with status ";
inline constexpr const char* kReasonStalled = "the encoder stopped making progress";
inline constexpr const char* kReasonSilent = "the encoder did not describe the input";
inline constexpr const char* kReasonFolder = "output folder cannot be created: ";
inline constexpr const char* kReasonInputGone = "no such file";
inline constexpr const char* kReasonNotPlaced = "the output cannot be put in place: ";
inline constexpr const char* kReasonHolds = "holds ";      // + what is there
inline constexpr const char* kReasonHoldsOf = " of ";      // + what was due
inline constexpr const char* kReasonHoldsFrom = " of sound from a "; // + the source's length, longer than it
inline constexpr const char* kReasonSource = " source";

// What the check of a finished output finds wrong.
inline constexpr const char* kOutputMissing = "no output file was written";
inline constexpr const char* kOutputUnreadable = "the output cannot be read: ";
inline constexpr const char* kOutputNoVideo = "the output holds no video";
inline constexpr const char* kOutputNoAudio = "the output holds no audio";
inline constexpr const char* kOutputNoPicture = "the thumbnail is no JPEG picture";
inline constexpr const char* kOutputUndecodable = "the end of the output cannot be decoded";
inline constexpr const char* kOutputLostTrack = "the output lost a sound track";
inline constexpr const char* kOutputLostSubtitle = "the output lost a subtitle track";
inline constexpr const char* kOutputLostShape = "the output lost the picture's upright shape";
inline constexpr const char* kOutputLoudness = "the output's loudness misses the level asked for";

// The closing message when not every converted row is "Done".
inline constexpr const char* kFileConverted = " file converted";
inline constexpr const char* kFilesConverted = " files converted";
inline constexpr const char* kIncompleteCount = " incomplete";
inline constexpr const char* kFailedCount = " failed";
inline constexpr const char* kSkippedCount = " skipped";
inline constexpr const char* kSeeTheLog = ". See the conversion log.";

// The conversion log window.
inline constexpr const char* kConversionLogEntry = "Conversion &Log";
inline constexpr const char* kConversionLogCaption = "Conversion Log";
inline constexpr const char* kLogCommandLine = "Command line: ";
inline constexpr const char* kLogOutcome = "Outcome: ";
inline constexpr const char* kLogReason = "Reason: ";
inline constexpr const char* kLogLastLines = "The encoder's last lines:";

// Why a "Done" PSP video has no thumbnail beside it.
// A fit to a size: "cannot fit 2:03:00 in 8 MB: at least 41 MB is needed",
// "25.8 MB over 25 MB: again at 1,830 kb/s", "~24 MB".
inline constexpr const char* kFitCannot = "cannot fit ";
inline constexpr const char* kFitIn = " in ";
inline constexpr const char* kFitAtLeast = ": at least ";
inline constexpr const char* kFitNeeded = " is needed";
inline constexpr const char* kFitLengthUnknown = "cannot fit a clip of unknown length in ";
inline constexpr const char* kFitOver = " over ";
inline constexpr const char* kFitUnder = " under 90 % of ";
inline constexpr const char* kFitAgainAt = ": again at ";
inline constexpr const char* kKilobitsPerSecond = " kb/s";
inline constexpr const char* kAboutSize = "~";
inline constexpr const char* kFitStatsFolder = "the fit to a size has no folder for its statistics: ";
inline constexpr const char* kPassOf = "pass ";  // "pass 1 of 2"
inline constexpr const char* kPassOfTotal = " of ";
inline constexpr const char* kFitToolTip =
    "Fit in size: the output is at most this size, and close to it. 1 MB = 1,000,000 bytes.";
inline constexpr const char* kFitCustomCaption = "Fit in custom size";
inline constexpr const char* kFitCustomLabel = "Size in MB (1 MB = 1,000,000 bytes):";

inline constexpr const char* kReasonNoThumbnail = "the thumbnail could not be made";

// Status-bar panel 1: prefix + size + suffix.
inline constexpr const char* kOutputSizePrefix = "Output File Size : ";
inline constexpr const char* kOutputSizeSuffix = " KB";

// The list of the last session, offered again after it ended without a close:
// "Restore the 37 files of the last session?". Its job under way reads "Not converted".
inline constexpr const char* kRestorePrefix = "Restore the ";
inline constexpr const char* kRestoreOneFile = "Restore the file of the last session?";
inline constexpr const char* kRestoreSuffix = " files of the last session?";
inline constexpr const char* kNotConverted = "Not converted";
inline constexpr const char* kReasonInterrupted = "the program ended during its conversion";

// The power-off warning window.
inline constexpr const char* kWarningCaption = "Warning";
inline constexpr const char* kTurnOffNotice = "Your PC will be turned off in 30 seconds";
inline constexpr const char* kDoNotTurnOff = "Do Not Turn Off";
inline constexpr const char* kPowerOffFailed = "The computer could not be powered off: "; // + why
inline constexpr const char* kPowerOffNoReason = "the system gave no reason";

} // namespace texts
