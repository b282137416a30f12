// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/TagWriter.h"

#include "encoder/Fault.h"
#include "encoder/GaplessInfo.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

#include <unistd.h>

#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/tfilestream.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>

namespace ridod2e {
namespace {

using TagLib::ByteVector;

constexpr std::array<std::string_view, 9> TaggedMuxers{"mp3", "ipod", "mp4", "mov", "flac", "ogg", "opus", "asf", "wav"};

// The key iTunes and the players that follow it read the gapless figures from.
constexpr const char* FreeformPrefix = "----:com.apple.iTunes:";
constexpr const char* GaplessKey = "----:com.apple.iTunes:iTunSMPB";

bool IsMp4(const std::string& muxer)
{
    return muxer == "ipod" || muxer == "mp4" || muxer == "mov";
}

TagLib::String Utf8(const std::string& text)
{
    return TagLib::String(text, TagLib::String::UTF8);
}

ByteVector Bytes(const std::vector<uint8_t>& data)
{
    return ByteVector(reinterpret_cast<const char*>(data.data()), static_cast<unsigned>(data.size()));
}

TagLib::FLAC::Picture* FlacPicture(const CoverPicture& picture)
{
    auto* block = new TagLib::FLAC::Picture;
    block->setType(static_cast<TagLib::FLAC::Picture::Type>(picture.type));
    block->setMimeType(Utf8(picture.mimeType));
    block->setDescription(Utf8(picture.description));
    block->setData(Bytes(picture.data));
    return block;
}

void Saved(bool saved)
{
    if (!saved)
        Fail("cannot write the tags into the output");
}

void TagMp3(TagLib::IOStream& stream, const MediaTags& tags)
{
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    file.setProperties(tags.fields);
    TagLib::ID3v2::Tag* id3 = file.ID3v2Tag(true);
    id3->removeFrames("APIC");
    for (const CoverPicture& picture : tags.pictures) {
        auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
        frame->setType(static_cast<TagLib::ID3v2::AttachedPictureFrame::Type>(picture.type));
        frame->setMimeType(Utf8(picture.mimeType));
        frame->setDescription(Utf8(picture.description));
        frame->setPicture(Bytes(picture.data));
        id3->addFrame(frame);
    }
    const int kept = TagLib::MPEG::File::ID3v2 | (file.hasID3v1Tag() ? TagLib::MPEG::File::ID3v1 : 0);
    Saved(file.save(kept, TagLib::File::StripOthers, TagLib::ID3v2::v4));
}

void TagMp4(TagLib::IOStream& stream, const MediaTags& tags, int descriptor)
{
    const std::string gapless = GaplessFigures(descriptor);
    TagLib::MP4::File file(&stream, false);
    // A field MP4 has no atom for is kept as iTunes keeps its own.
    const TagLib::PropertyMap custom = file.setProperties(tags.fields);
    for (const auto& [name, values] : custom)
        file.tag()->setItem(FreeformPrefix + name, values);
    TagLib::MP4::CoverArtList covers;
    for (const CoverPicture& picture : tags.pictures)
        covers.append(TagLib::MP4::CoverArt(picture.mimeType == "image/png" ? TagLib::MP4::CoverArt::PNG
                                                                             : TagLib::MP4::CoverArt::JPEG,
                                            Bytes(picture.data)));
    if (!covers.isEmpty())
        file.tag()->setItem("covr", covers);
    if (!gapless.empty())
        file.tag()->setItem(GaplessKey, TagLib::StringList(Utf8(gapless)));
    Saved(file.save());
}

void TagFlac(TagLib::IOStream& stream, const MediaTags& tags)
{
    TagLib::FLAC::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    file.setProperties(tags.fields);
    file.removePictures();
    for (const CoverPicture& picture : tags.pictures)
        file.addPicture(FlacPicture(picture));
    Saved(file.save());
}

template <typename OggFile>
void TagOgg(TagLib::IOStream& stream, const MediaTags& tags)
{
    OggFile file(&stream, false);
    file.setProperties(tags.fields);
    TagLib::Ogg::XiphComment* comment = file.tag();
    comment->removeAllPictures();
    for (const CoverPicture& picture : tags.pictures)
        comment->addPicture(FlacPicture(picture));
    Saved(file.save());
}

void TagAsf(TagLib::IOStream& stream, const MediaTags& tags)
{
    TagLib::ASF::File file(&stream, false);
    file.setProperties(tags.fields);
    TagLib::ASF::AttributeList pictures;
    for (const CoverPicture& source : tags.pictures) {
        TagLib::ASF::Picture picture;
        picture.setType(static_cast<TagLib::ASF::Picture::Type>(source.type));
        picture.setMimeType(Utf8(source.mimeType));
        picture.setDescription(Utf8(source.description));
        picture.setPicture(Bytes(source.data));
        pictures.append(TagLib::ASF::Attribute(picture));
    }
    if (!pictures.isEmpty())
        file.tag()->setAttribute("WM/Picture", pictures);
    Saved(file.save());
}

void TagWav(TagLib::IOStream& stream, const MediaTags& tags)
{
    TagLib::RIFF::WAV::File file(&stream, false);
    TagLib::RIFF::Info::Tag* info = file.InfoTag();
    info->setProperties(tags.fields);
    // The creation date is text there: it keeps more than the year.
    if (tags.fields.contains("DATE") && !tags.fields["DATE"].isEmpty())
        info->setFieldText("ICRD", tags.fields["DATE"].front());
    Saved(file.save(TagLib::RIFF::WAV::File::Info, TagLib::File::StripOthers));
}

void Write(TagLib::IOStream& stream, const std::string& muxer, const MediaTags& tags, int descriptor)
{
    if (muxer == "mp3")
        TagMp3(stream, tags);
    else if (IsMp4(muxer))
        TagMp4(stream, tags, descriptor);
    else if (muxer == "flac")
        TagFlac(stream, tags);
    else if ((muxer == "ogg" || muxer == "opus") && TagLib::Ogg::Opus::File::isSupported(&stream))
        TagOgg<TagLib::Ogg::Opus::File>(stream, tags);
    else if (muxer == "ogg" && TagLib::Ogg::Vorbis::File::isSupported(&stream))
        TagOgg<TagLib::Ogg::Vorbis::File>(stream, tags);
    else if (muxer == "asf")
        TagAsf(stream, tags);
    else if (muxer == "wav")
        TagWav(stream, tags);
}

} // namespace

bool TakesTags(const std::string& muxerName)
{
    return std::find(TaggedMuxers.begin(), TaggedMuxers.end(), muxerName) != TaggedMuxers.end();
}

void WriteTags(int descriptor, const std::string& muxerName, const MediaTags& tags)
{
    // With nothing to carry over a file keeps what the muxer wrote; MP4
    // still takes its gapless figures.
    if (!TakesTags(muxerName) || (!IsMp4(muxerName) && tags.fields.isEmpty() && tags.pictures.empty()))
        return;
    // TagLib closes the descriptor it is given.
    const int own = dup(descriptor);
    if (own < 0)
        Fail("cannot write the tags into the output");
    TagLib::FileStream stream(own, false);
    if (!stream.isOpen() || stream.readOnly()) {
        if (!stream.isOpen())
            close(own);
        Fail("cannot write the tags into the output");
    }
    Write(stream, muxerName, tags, descriptor);
}

} // namespace ridod2e
