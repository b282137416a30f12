// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/CommandLine.h"

#include "encoder/CommandLineOptions.h"
#include "encoder/Fault.h"

namespace ridod2e {
namespace {

void SetOutput(EncodeRequest& request, const std::string& argument)
{
    if (!request.output.empty())
        Fail("only one output file can be given ('" + request.output + "' and '" + argument + "')");
    if (argument.empty())
        Fail("the output file name is empty");
    request.output = argument;
}

// -fit needs a box, and only a box has a side without bound.
void CheckSize(const EncodeRequest& request)
{
    if (request.fitInside && !request.size)
        Fail("-fit needs -s with the size to fit inside, such as -s 1280x720 -fit");
    if (!request.fitInside && request.size && (request.size->width == 0 || request.size->height == 0))
        Fail("-s with a side of 0 needs -fit: that side then follows the picture's aspect");
}

// Two passes meet a bitrate and keep their statistics somewhere.
void CheckPass(const EncodeRequest& request)
{
    if (request.pass != 0 && !request.videoBitrate)
        Fail("-pass needs -b with the bitrate to meet");
    if (request.pass != 0 && request.passLogFile.empty())
        Fail("-pass needs -passlogfile with where the statistics go");
}

// A part of the input that holds something, and a picture to write it to.
void CheckTrimAndPreview(const EncodeRequest& request)
{
    if (request.trim && request.trim->end && *request.trim->end <= request.trim->start)
        Fail("-end must come after -start");
    if (request.previewSeconds && request.output.empty())
        Fail("-preview needs the PNG file to write");
}

} // namespace

EncodeRequest ParseCommandLine(const std::vector<std::string>& arguments)
{
    EncodeRequest request;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() <= 1 || argument[0] != '-') {
            SetOutput(request, argument);
            continue;
        }
        const CommandLineOption* option = FindOption(argument);
        if (option != nullptr && option->value == nullptr) {
            option->apply(request, argument, {});
            continue;
        }
        if (i + 1 >= arguments.size())
            Fail("option " + argument + " needs a value");
        const std::string& value = arguments[++i];
        if (option == nullptr)
            Fail("unrecognised option " + argument);
        option->apply(request, argument, value);
    }
    if (request.input.empty())
        Fail("no input file: give -i and the path of the file");
    CheckSize(request);
    CheckPass(request);
    CheckTrimAndPreview(request);
    return request;
}

} // namespace ridod2e
