// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/Libav.h"

#include <cmath>
#include <new>

namespace ridod2e {

FramePtr NewFrame()
{
    FramePtr frame(av_frame_alloc());
    if (!frame)
        throw std::bad_alloc();
    return frame;
}

PacketPtr NewPacket()
{
    PacketPtr packet(av_packet_alloc());
    if (!packet)
        throw std::bad_alloc();
    return packet;
}

int64_t InTimeBase(double seconds, AVRational timeBase)
{
    return av_rescale_q(std::llround(seconds * AV_TIME_BASE), AV_TIME_BASE_Q, timeBase);
}

} // namespace ridod2e
