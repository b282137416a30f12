// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SessionList.h"

#include "core/Texts.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* kFileName = "last-session.list";
constexpr const char* kHeader = "vantorel list 1";
constexpr const char* kClosed = "closed";
constexpr const char* kOpen = "open";
constexpr std::size_t kFields = 17;
constexpr int kLastReasonCode = static_cast<int>(ReasonCode::Interrupted);
constexpr int kLastOutcome = static_cast<int>(RowOutcome::Rescan);

std::string Escaped(const std::string& field)
{
    std::string out;
    for (const char c : field) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\' && at + 1 < line.size()) {
            const char next = line[++at];
            fields.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::optional<long long> Number(const std::string& text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<ReasonCode> CodeNamed(const std::string& name)
{
    for (int code = 0; code <= kLastReasonCode; ++code) {
        if (name == ReasonCodeName(static_cast<ReasonCode>(code)))
            return static_cast<ReasonCode>(code);
    }
    return std::nullopt;
}

std::string RowLine(const FileRow& row)
{
    std::vector<std::string> fields{row.checked ? "1" : "0", row.caption};
    fields.insert(fields.end(), row.cells.begin(), row.cells.end());
    fields.push_back(std::to_string(static_cast<int>(row.outcome)));
    fields.push_back(row.frames ? std::to_string(*row.frames) : "");
    fields.push_back(ReasonCodeName(row.reason.code));
    fields.push_back(row.reason.text);
    fields.push_back(row.displayAspect);
    fields.push_back(row.storedSize);
    fields.push_back(std::to_string(row.rotation));
    fields.push_back(row.interlaced ? "1" : "0");
    fields.push_back(row.outputPath);
    std::string line = Escaped(fields.front());
    for (auto field = fields.begin() + 1; field != fields.end(); ++field)
        line += '\t' + Escaped(*field);
    return line;
}

std::optional<FileRow> RowOf(const std::string& line)
{
    const std::vector<std::string> f = Fields(line);
    if (f.size() != kFields || f[1].empty())
        return std::nullopt;
    const auto outcome = Number(f[8]);
    const auto code = CodeNamed(f[10]);
    const auto rotation = Number(f[14]);
    if (!outcome || *outcome < 0 || *outcome > kLastOutcome || !code || !rotation)
        return std::nullopt;
    FileRow row;
    row.checked = f[0] == "1";
    row.caption = f[1];
    std::copy(f.begin() + 2, f.begin() + 8, row.cells.begin());
    row.outcome = static_cast<RowOutcome>(*outcome);
    row.frames = Number(f[9]);
    row.reason = {*code, *code == ReasonCode::None ? std::string() : f[11]};
    row.displayAspect = f[12];
    row.storedSize = f[13];
    row.rotation = static_cast<int>(*rotation);
    row.interlaced = f[15] == "1";
    row.outputPath = f[16];
    return row;
}

} // namespace

std::string EncodeSession(const SavedSession& session)
{
    std::string text = std::string(kHeader) + '\t' + (session.closed ? kClosed : kOpen) + '\n';
    for (const FileRow& row : session.rows)
        text += RowLine(row) + '\n';
    return text;
}

std::optional<SavedSession> DecodeSession(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line))
        return std::nullopt;
    const std::vector<std::string> header = Fields(line);
    if (header.size() != 2 || header[0] != kHeader || (header[1] != kClosed && header[1] != kOpen))
        return std::nullopt;
    SavedSession session;
    session.closed = header[1] == kClosed;
    while (std::getline(in, line)) {
        auto row = RowOf(line);
        if (!row)
            return std::nullopt;
        session.rows.push_back(std::move(*row));
    }
    return session;
}

std::vector<FileRow> RestoredRows(std::vector<FileRow> rows)
{
    for (FileRow& row : rows) {
        const bool underWay = row.outcome == RowOutcome::Rescan
            || (row.outcome == RowOutcome::None && !row.cell(FileColumn::Progress).empty());
        if (!underWay)
            continue;
        row.outcome = RowOutcome::None;
        row.cell(FileColumn::Progress) = texts::kNotConverted;
        row.reason = {ReasonCode::Interrupted, texts::kReasonInterrupted};
    }
    return rows;
}

SessionFile::SessionFile(const std::string& dir)
    : dir_(dir)
    , path_(dir + kFileName)
{
}

bool SessionFile::save(const SavedSession& session) const
{
    if (session.rows.empty()) {
        remove();
        return true;
    }
    std::error_code error;
    std::filesystem::create_directories(dir_, error);
    return platform::WriteFileAtomically(path_, EncodeSession(session));
}

std::optional<SavedSession> SessionFile::load() const
{
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return DecodeSession(text.str());
}

void SessionFile::remove() const
{
    std::error_code error;
    std::filesystem::remove(path_, error);
}
