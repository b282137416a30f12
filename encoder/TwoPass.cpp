// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/TwoPass.h"

#include "encoder/Fault.h"

#include <fstream>
#include <sstream>

namespace ridod2e {
namespace {

std::string StatisticsFile(const EncodeRequest& request)
{
    return request.passLogFile + ".log";
}

} // namespace

PassStatistics SetUpPass(AVCodecContext& context, const AVCodec* codec, const EncodeRequest& request,
                         Dictionary& options)
{
    PassStatistics statistics;
    if (request.pass == 0)
        return statistics;
    const std::string file = StatisticsFile(request);
    const bool first = request.pass == 1;
    switch (codec->id) {
    case AV_CODEC_ID_H264:
        context.flags |= first ? AV_CODEC_FLAG_PASS1 : AV_CODEC_FLAG_PASS2;
        options.set("stats", file.c_str());
        break;
    case AV_CODEC_ID_HEVC: {
        // x265 takes its passes among its own parameters, after the ones set already.
        const AVDictionaryEntry* set = av_dict_get(options.get(), "x265-params", nullptr, 0);
        std::string parameters = set ? std::string(set->value) + ":" : std::string();
        parameters += "pass=" + std::to_string(request.pass) + ":stats=" + file;
        options.set("x265-params", parameters.c_str());
        break;
    }
    case AV_CODEC_ID_VP9:
        context.flags |= first ? AV_CODEC_FLAG_PASS1 : AV_CODEC_FLAG_PASS2;
        if (first) {
            statistics.writeTo = file;
        } else {
            std::ifstream in(file);
            std::ostringstream text;
            text << in.rdbuf();
            if (!in || text.str().empty())
                Fail("cannot read the first pass's statistics from '" + file + "'");
            statistics.read = text.str();
        }
        break;
    default:
        Fail("-pass does not apply to the " + std::string(codec->name) + " encoder");
    }
    return statistics;
}

void WriteStatistics(const std::string& path, const char* statistics)
{
    if (statistics == nullptr)
        Fail("the first pass gave no statistics");
    std::ofstream out(path, std::ios::trunc);
    out << statistics;
    out.close();
    if (!out)
        Fail("cannot write the first pass's statistics to '" + path + "'");
}

} // namespace ridod2e
