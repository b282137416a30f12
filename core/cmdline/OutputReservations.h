// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The paths a batch's jobs must not write: the inputs of the list's rows and
// the output names already given to jobs. A path is known by its normalised
// spelling and, when it exists, by its device and inode, so another spelling
// or a link to a reserved file is seen too. Each reservation and each
// question costs one stat() whatever the batch's size. Not thread-safe: the
// queue holds its own lock around it.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class OutputReservations {
public:
    // Who holds a path: a job's row, or kInput for a row's input.
    static constexpr int kInput = -1;

    void reserve(const std::string& path, int holder);
    // Gives back every path `holder` reserved.
    void release(int holder);
    // Whether a holder other than `asking` holds the path.
    bool takenFor(const std::string& path, int asking) const;
    void clear();

private:
    struct FileId {
        std::uint64_t device;
        std::uint64_t inode;
        bool operator==(const FileId&) const = default;
    };
    struct FileIdHash {
        std::size_t operator()(const FileId& id) const { return std::hash<std::uint64_t>()(id.device * 31 + id.inode); }
    };
    using Holders = std::vector<int>;

    static bool HeldByOther(const Holders* holders, int asking);

    std::unordered_map<std::string, Holders> byPath_;
    std::unordered_map<FileId, Holders, FileIdHash> byFile_;
    // What each holder reserved, to give back.
    std::unordered_map<int, std::vector<std::pair<std::string, std::pair<bool, FileId>>>> held_;
};
