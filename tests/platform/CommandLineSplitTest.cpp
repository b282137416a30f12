// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLineSplit.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* name;
    std::string line;
    std::vector<std::string> args;
};

class CommandLineSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CommandLineSplit, GivesTheArgumentsAWindowsProgramWouldSee)
{
    EXPECT_EQ(platform::SplitCommandLine(GetParam().line), GetParam().args);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineSplit,
    ::testing::Values(
        SplitCase{"QuotedBlanks", R"("/opt/My App/ridod2e" -@ -y  -i "/home/u/My Videos/a b.avi")",
                  {"/opt/My App/ridod2e", "-@", "-y", "-i", "/home/u/My Videos/a b.avi"}},
        SplitCase{"AltReaderPrefix", R"("ridod2e" -@ -y  -i "DS:\\/videos/clip.rm")",
                  {"ridod2e", "-@", "-y", "-i", R"(DS:\\/videos/clip.rm)"}},
        SplitCase{"BackslashesBeforeAQuote", R"(prog "C:\dir\\" "a\"b" x\\\"y)",
                  {"prog", R"(C:\dir\)", R"(a"b)", R"(x\"y)"}},
        SplitCase{"LiteralBackslashes", R"(prog C:\a\b "C:\a b\c")", {"prog", R"(C:\a\b)", R"(C:\a b\c)"}},
        SplitCase{"EmptyQuotedValue", R"(prog -ar "" -b "512")", {"prog", "-ar", "", "-b", "512"}},
        SplitCase{"QuotedPieceInsideAnArgument", R"x(prog -ac"2 (stereo)" x)x", {"prog", "-ac2 (stereo)", "x"}},
        SplitCase{"DoubledQuoteInsideQuotes", R"(prog "a""b")", {"prog", R"(a"b)"}},
        SplitCase{"TabsAndTrailingBlanks", "prog\ta  \t b  ", {"prog", "a", "b"}},
        SplitCase{"ProgramKeepsItsBackslashes", R"("C:\Tools\x.exe" a)", {R"(C:\Tools\x.exe)", "a"}},
        SplitCase{"Empty", "   ", {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
