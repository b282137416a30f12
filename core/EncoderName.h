// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The encoder's fixed names: the program in AppDir and the image name that
// stopping it matches.
inline constexpr const char* kEncoderName = "ridod2e";
