// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/FileIo.h"

#include <cerrno>
#include <new>

#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavutil/mem.h>
}

namespace ridod2e {
namespace {

constexpr int BufferSize = 64 * 1024;

// Each stream keeps its own place in the file.
struct Cursor {
    int descriptor;
    int64_t position = 0;
};

int Read(void* opaque, uint8_t* buffer, int size)
{
    auto& cursor = *static_cast<Cursor*>(opaque);
    ssize_t count;
    do {
        count = pread(cursor.descriptor, buffer, static_cast<size_t>(size), cursor.position);
    } while (count < 0 && errno == EINTR);
    if (count < 0)
        return AVERROR(errno);
    if (count == 0)
        return AVERROR_EOF;
    cursor.position += count;
    return static_cast<int>(count);
}

int Write(void* opaque, uint8_t* buffer, int size)
{
    auto& cursor = *static_cast<Cursor*>(opaque);
    int written = 0;
    while (written < size) {
        const ssize_t count = pwrite(cursor.descriptor, buffer + written, static_cast<size_t>(size - written),
                                     cursor.position);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? AVERROR(errno) : AVERROR(EIO);
        cursor.position += count;
        written += static_cast<int>(count);
    }
    return written;
}

int64_t Seek(void* opaque, int64_t offset, int whence)
{
    auto& cursor = *static_cast<Cursor*>(opaque);
    struct stat status {};
    if ((whence & ~AVSEEK_FORCE) == AVSEEK_SIZE || (whence & ~AVSEEK_FORCE) == SEEK_END) {
        if (fstat(cursor.descriptor, &status) != 0)
            return AVERROR(errno);
    }
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return status.st_size;
    case SEEK_SET:
        cursor.position = offset;
        break;
    case SEEK_CUR:
        cursor.position += offset;
        break;
    case SEEK_END:
        cursor.position = status.st_size + offset;
        break;
    default:
        return AVERROR(EINVAL);
    }
    return cursor.position;
}

AVIOContext* NewFileIo(int descriptor, bool writer)
{
    auto* buffer = static_cast<unsigned char*>(av_malloc(BufferSize));
    auto* cursor = new (std::nothrow) Cursor {descriptor};
    AVIOContext* io = buffer && cursor
        ? avio_alloc_context(buffer, BufferSize, writer ? 1 : 0, cursor, writer ? nullptr : Read,
                             writer ? Write : nullptr, Seek)
        : nullptr;
    if (!io) {
        av_free(buffer);
        delete cursor;
        return nullptr;
    }
    io->seekable = AVIO_SEEKABLE_NORMAL;
    return io;
}

} // namespace

AVIOContext* NewFileWriter(int descriptor)
{
    return NewFileIo(descriptor, true);
}

AVIOContext* NewFileReader(int descriptor)
{
    return NewFileIo(descriptor, false);
}

int FreeFileIo(AVIOContext*& io)
{
    if (!io)
        return 0;
    if (io->write_flag)
        avio_flush(io);
    const int error = io->error;
    delete static_cast<Cursor*>(io->opaque);
    av_freep(&io->buffer);
    avio_context_free(&io);
    return error;
}

} // namespace ridod2e
