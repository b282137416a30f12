// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLineSplit.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program token: quoted up to the next quote, or up to the first blank.
std::size_t ReadProgram(const std::string& line, std::size_t pos, std::string& program)
{
    if (line[pos] == '"') {
        const auto close = line.find('"', pos + 1);
        if (close == std::string::npos) {
            program = line.substr(pos + 1);
            return line.size();
        }
        program = line.substr(pos + 1, close - pos - 1);
        pos = close + 1;
    }
    while (pos < line.size() && !IsBlank(line[pos]))
        program += line[pos++];
    return pos;
}

} // namespace

std::string QuotedTail(const std::string& text)
{
    std::string quoted;
    std::size_t backslashes = 0;
    for (const char c : text) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"')
                quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + '"';
}

std::string QuoteArgument(const std::string& text)
{
    return '"' + QuotedTail(text);
}

std::vector<std::string> SplitCommandLine(const std::string& line)
{
    std::vector<std::string> args;
    std::size_t pos = 0;
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
    if (pos == line.size())
        return args;

    std::string program;
    pos = ReadProgram(line, pos, program);
    args.push_back(program);

    while (true) {
        while (pos < line.size() && IsBlank(line[pos]))
            ++pos;
        if (pos >= line.size())
            break;
        std::string arg;
        bool quoted = false;
        while (pos < line.size() && (quoted || !IsBlank(line[pos]))) {
            if (line[pos] == '\\') {
                std::size_t count = 0;
                while (pos < line.size() && line[pos] == '\\') {
                    ++count;
                    ++pos;
                }
                if (pos < line.size() && line[pos] == '"') {
                    arg.append(count / 2, '\\');
                    if (count % 2 == 1) {
                        arg += '"';
                        ++pos;
                    }
                } else {
                    arg.append(count, '\\');
                }
            } else if (line[pos] == '"') {
                if (quoted && pos + 1 < line.size() && line[pos + 1] == '"') {
                    arg += '"';
                    pos += 2;
                } else {
                    quoted = !quoted;
                    ++pos;
                }
            } else {
                arg += line[pos++];
            }
        }
        args.push_back(arg);
    }
    return args;
}

} // namespace platform
