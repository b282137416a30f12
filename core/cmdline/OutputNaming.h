// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Output file names: the input's base name with the format's extension in
// the output directory, numbered "-1", "-2", ... when the name is taken.
#include <functional>
#include <string>

// The file name without its extension: everything from the last "." on is
// removed ("a.b.avi" gives "a.b"); a name without "." stays whole.
std::string BaseNameOf(const std::string& fileName);

// The PSP title: the file name cut before its last "." that comes before the
// last character; a name without such a "." is the title as it is.
std::string PspTitleOf(const std::string& fileName);

// dir + "/" + base + "." + ext; the separator is always inserted.
std::string OutputPathFor(const std::string& dir, const std::string& base, const std::string& ext);

// dir/base-n.ext for the first n = 1, 2, ... that `taken` refuses.
std::string UniqueOutputName(const std::string& dir, const std::string& base, const std::string& ext,
                             const std::function<bool(const std::string&)>& taken);

// Whether anything exists at the path (a file, a directory, even a dangling link).
bool PathExists(const std::string& path);

// Whether two paths name the same file: the same existing file, or the same
// spelling once "." and ".." and doubled separators are resolved.
bool SameFile(const std::string& a, const std::string& b);

// Where a run writes before its output is judged good: a hidden name beside
// `target` in the same folder, with a random part no one can guess, that
// keeps the target's extension (the encoder may choose the container by
// it). A long stem is shortened so that the name fits the file system.
std::string PartialOutputPath(const std::string& target);
