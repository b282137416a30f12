// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every fixed text of the encoder's command line, blanks exact, in one place.
// The figure after each is its length; a blank at either end is part of it.
#include <string>
#include <string_view>

namespace pieces {

// The encoder's fixed part after its name ("ridod2e"), plain and with the QuickTime reader.
inline constexpr std::string_view kEncoderTail = "\" -@ -y  -i \"";             // 13
inline constexpr std::string_view kEncoderTailQuickTime = "\" -@ -y  -f qt -i \""; // 19
inline constexpr std::string_view kAltReaderPrefix = "DS:\\\\";                    // 5

// Heads of the pieces taken from the option lists.
inline constexpr std::string_view kVideoCodecHead = " -vcodec \"";    // 10
inline constexpr std::string_view kAudioCodecHead = " -acodec \"";    // 10
inline constexpr std::string_view kVideoBitrateHead = " -b \"";       // 5
inline constexpr std::string_view kFrameRateHead = " -r \"";          // 5
inline constexpr std::string_view kAudioBitrateHead = " -ab \"";      // 6
inline constexpr std::string_view kSamplingRateHead = " -ar \"";      // 6
inline constexpr std::string_view kStereo = " -ac \"2 (stereo)\"";    // 17
inline constexpr std::string_view kMono = " -ac \"1 (mono)\"";        // 15
inline constexpr std::string_view kSizeHead = " -s ";                 // 4
inline constexpr std::string_view kFallbackSize = " -s 176x144";      // 11
inline constexpr std::string_view kVolumeHead = " -vol_factor \"";    // 14
inline constexpr std::string_view kMute = " -an ";                    // 5
inline constexpr std::string_view kPadTop = " -padtop ";              // 9
inline constexpr std::string_view kPadBottom = " -padbottom ";        // 12
inline constexpr std::string_view kPadLeft = " -padleft ";            // 10
inline constexpr std::string_view kPadRight = " -padright ";          // 11

// Fixed pieces of the format assemblies.
inline constexpr std::string_view kMpeg4AacCodec = " -acodec \"mpeg4aac\"";                                 // 19
inline constexpr std::string_view kMpeg4Codec = " -vcodec \"mpeg4\"";                                       // 16
inline constexpr std::string_view kBitexactH264 = " -bitexact -vcodec \"h264\"";                            // 25
inline constexpr std::string_view kZuneAvcRates = " -maxrate \"1500\" -bufsize \"1280\" -r \"29.97\"";      // 43
inline constexpr std::string_view kGopWide = " -g \"250\"  -qscale \"25\"  -coder \"1\"";                   // 35
inline constexpr std::string_view kWmvCodecHead = " -id3v2 -vcodec ";                                       // 16
inline constexpr std::string_view kXwmvTail = " -f xwmv ";                                                  // 9
inline constexpr std::string_view kXvidCodec = " -vcodec \"xvid\"";                                         // 15
inline constexpr std::string_view kPspContainer = " -f psp";                                                // 7
inline constexpr std::string_view kTitleHead = " -bitexact -title \"";                                      // 19
inline constexpr std::string_view kH264Codec = " -vcodec \"h264\"";                                         // 15
inline constexpr std::string_view kPspAvcBitrate = " -b \"400\"";                                           // 9
inline constexpr std::string_view kPspAvcMaxrate = " -maxrate \"1500\"";                                    // 16
inline constexpr std::string_view kPspAvcBufsize = " -bufsize \"128\"";                                     // 15
inline constexpr std::string_view kPspAvcRate = " -r \"29.97\" ";                                           // 12
inline constexpr std::string_view kGopNarrow = " -g \"250\" -qscale \"25\" -coder \"1\" ";                  // 34
inline constexpr std::string_view kPs3Rates480 = " -b \"1200\" -maxrate \"3500\" -bufsize \"1280\"  -r \"29.97\""; // 54
inline constexpr std::string_view kPs3RatesHd = " -b \"2000\" -maxrate \"3500\" -bufsize \"1280\"  -r \"29.97\"";  // 54
inline constexpr std::string_view kPhoneBt = " -bt \"60\" ";                                                // 10
inline constexpr std::string_view kAmrNbCodec = " -acodec \"amr_nb\"";                                      // 17
inline constexpr std::string_view k3gpContainer = " -f 3gp";                                                // 7
inline constexpr std::string_view kAacCodec = " -acodec \"aac\"";                                           // 14
inline constexpr std::string_view kNoVideo = " -vn ";                                                       // 5
inline constexpr std::string_view kMp3Codec = " -id3v1 -id3v2 -acodec \"mp3\"";                             // 28
inline constexpr std::string_view kWmaCodec = " -id3v2 -acodec \"wma7x\"";                                  // 23
inline constexpr std::string_view kNoVideoShort = " -vn";                                                   // 4
inline constexpr std::string_view kXwmvContainer = " -f xwmv";                                              // 8
inline constexpr std::string_view kMpeg1Codec = " -vcodec \"mpeg1video\"";                                  // 21
inline constexpr std::string_view kMpegBitrate = " -b \"1600\"";                                            // 10
inline constexpr std::string_view kMpegRate = " -r \"25\"";                                                 // 8
inline constexpr std::string_view kMovVideoCodec = " -vcodec \"mpeg4_qt\"";                                 // 19
inline constexpr std::string_view kMovAudioCodec = " -acodec \"mpeg4aac_qt\"";                              // 22
inline constexpr std::string_view kQtContainer = " -f qt";                                                  // 6

// Today's formats.
inline constexpr std::string_view kQualityHead = " -crf \"";                                 // 7
inline constexpr std::string_view kPresetHead = " -preset \"";                               // 10
inline constexpr std::string_view kKeepSize = " -s keep";                                    // 8
inline constexpr std::string_view kFit = " -fit";                                            // 5
inline constexpr std::string_view kStreamCopy = " -vcodec \"copy\" -acodec \"copy\"";          // 30
inline constexpr std::string_view kFastStart = " -movflags +faststart";                      // 21
inline constexpr std::string_view kChapters = " -chapters";                                  // 10
inline constexpr std::string_view kNoAudioShort = " -an";                                    // 4
inline constexpr std::string_view kAudioLanguageHead = " -alang \"";                          // 9
inline constexpr std::string_view kKeepAll = " -keepall";                                    // 9
inline constexpr std::string_view kToneMap = " -tonemap";                                    // 9
inline constexpr std::string_view kPassHead = " -pass \"";                                   // 8
inline constexpr std::string_view kPassLogHead = " -passlogfile \"";                         // 15
inline constexpr std::string_view kLoudnessHead = " -loudness \"";                          // 12
inline constexpr std::string_view kNoFolderCover = " -nofoldercover";                        // 15

// A trim, a crop and a preview: after every other piece, only when asked.
inline constexpr std::string_view kStartHead = " -start \"";                // 9
inline constexpr std::string_view kEndHead = " -end \"";                    // 7
inline constexpr std::string_view kCropHead = " -crop \"";                  // 8
inline constexpr std::string_view kPreviewHead = " -preview \"";            // 11

// The PSP thumbnail run.
inline constexpr std::string_view kThumbnailHead = " -f singlejpeg -ss 3 -vframes 1"; // 31
inline constexpr std::string_view kThumbnailExtension = ".THM";                      // 4

} // namespace pieces

// A head that opens a quote (" -vcodec \""), the value, the closing quote.
inline std::string Quoted(std::string_view head, const std::string& value)
{
    return std::string(head) + value + '"';
}
