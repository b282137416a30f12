// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a run of the encoder fails: the kind picks the word the application
// watches for, the reason tells the user what went wrong.
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace ridod2e {

enum class FaultKind {
    CannotOpenInput,   // the input file cannot be opened at all
    UnknownFormat,     // no reader understands the input
    UnsupportedCodec,  // no decoder or no encoder for a stream
    Other,
};

class EncodeFault : public std::runtime_error {
public:
    EncodeFault(FaultKind kind, const std::string& reason) : std::runtime_error(reason), kind_(kind) {}
    FaultKind kind() const { return kind_; }

private:
    FaultKind kind_;
};

[[noreturn]] void Fail(FaultKind kind, const std::string& reason);
[[noreturn]] void Fail(const std::string& reason);

// The libraries' own words for an error code.
std::string LibraryReason(int code);

// Fails with "<step> (<library reason>)" when code is negative.
void Check(int code, std::string_view step);

// The same for checks made on every frame or packet: the step's text is
// only built when the check fails.
template <typename DescribeStep>
    requires std::is_invocable_r_v<std::string, DescribeStep>
void Check(int code, DescribeStep&& describeStep)
{
    if (code < 0)
        Check(code, describeStep());
}

} // namespace ridod2e
