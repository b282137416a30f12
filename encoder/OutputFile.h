// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output file, made so that no one else's file can come to harm in a
// folder others may write to: the encoder creates a new hidden file beside
// the output under a name with a random part (O_CREAT | O_EXCL |
// O_NOFOLLOW: never a path that exists, never through a link; the mode from
// the umask), writes through that descriptor only, and gives the finished
// file the output's name with a rename that follows no link. A file already
// there is replaced only with -y, and only when it is a regular file or one
// of the user's own. The hidden file goes when this goes unless it was
// placed, and also when a stop signal has to end the program at once.
#include <functional>
#include <string>

namespace ridod2e {

// The random part of the next hidden name to try.
using NamePart = std::function<std::string()>;
std::string RandomNamePart();

// The hidden name beside `path`: "." + stem + ".partial-" + part + extension;
// a stem too long for the file system gives up its end, never in the middle
// of a character.
std::string HiddenPathFor(const std::string& path, const std::string& part);

// Whether the file at `path` may be replaced (-y): a regular file, or
// anything of the user's own. Nothing there counts as replaceable.
bool MayReplace(const std::string& path);

class OutputFile {
public:
    // Fails when no hidden file can be made beside `path`.
    OutputFile(const std::string& path, bool replace, const NamePart& namePart = RandomNamePart);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    int descriptor() const { return descriptor_; }
    const std::string& hiddenPath() const { return hidden_; }
    long long size() const;

    // Gives the finished file the output's name. Fails when a file that may
    // not be replaced holds the name, or the hidden file is no longer ours.
    void place();

private:
    // The hidden name still names the file this writes.
    bool stillOurs() const;

    std::string path_;
    bool replace_;
    std::string hidden_;
    int descriptor_ = -1;
    bool placed_ = false;
};

} // namespace ridod2e
