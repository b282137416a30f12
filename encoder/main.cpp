// SPDX-License-Identifier: GPL-3.0-or-later
// ridod2e: the encoder console program. It describes the input, converts it
// into the output the command line names, and prints progress; see
// Console.h for the lines it prints.
#include "encoder/BorderFinder.h"
#include "encoder/CommandLine.h"
#include "encoder/Console.h"
#include "encoder/Fault.h"
#include "encoder/InputMedia.h"
#include "encoder/Preview.h"
#include "encoder/StopSignals.h"
#include "encoder/StreamCopy.h"
#include "encoder/Transcoder.h"
#include "encoder/Trim.h"
#include "encoder/Usage.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char** argv)
{
    using namespace ridod2e;
    // The libraries' own messages would reach the application's pipe and
    // could hold the words it takes for failures.
    av_log_set_level(AV_LOG_QUIET);

    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    Console console(std::find(arguments.begin(), arguments.end(), "-@") != arguments.end());
    console.banner();
    if (AsksForUsage(arguments)) {
        console.print(UsageText());
        return 0;
    }
    try {
        EncodeRequest request = ParseCommandLine(arguments);
        InputMedia input(request);
        console.print(InputBlock(input.summary()));
        // A copy keeps its picture whole and says so when asked to crop it.
        if (!IsCopyJob(request))
            MeasureAutoCrop(request, console);
        if (request.output.empty())
            return 0;
        CheckStartWithin(request, input);
        if (request.previewSeconds)
            WritePreview(request, input, console);
        else if (IsCopyJob(request))
            CopyStreams(request, input, console);
        else
            Transcode(request, input, console);
        return 0;
    } catch (const StopRequested& stop) {
        EndBySignal(stop.signal());
    } catch (const EncodeFault& fault) {
        console.print(FaultLine(fault.kind(), fault.what()));
    } catch (const std::bad_alloc&) {
        console.print(FaultLine(FaultKind::Other, "out of memory"));
    } catch (const std::exception& problem) {
        console.print(FaultLine(FaultKind::Other, problem.what()));
    }
    return 1;
}
