#include "encoder/StartOutput.h"

namespace ridod2e {

bool StartOutput(const EncodeRequest& request, InputMedia& input, int video, int audio, OutputMedia& output,
                 Console& console)
{
    input.keepOnly(video, audio);
    if (const std::vector<int> subtitles = input.subtitleStreams(); !subtitles.empty())
        console.print(SubtitlesLeftOutLine(subtitles));
    if (request.keepChapters)
        output.keepChapters(input.context(), TimelineStart(input, request));

    output.open(input.context()->metadata);
    console.print(OutputBlock(output.summary()));
    const bool seeks = request.startSeconds && *request.startSeconds > 0;
    if (seeks)
        input.seek(*request.startSeconds);
    return seeks;
}

} // namespace ridod2e
