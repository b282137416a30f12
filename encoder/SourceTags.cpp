// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/SourceTags.h"

#include "encoder/FolderCover.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <utility>

#include <taglib/fileref.h>
#include <taglib/tdebuglistener.h>

namespace ridod2e {
namespace {

// The ID3 picture types by the names the media libraries give them.
constexpr std::array<std::string_view, 21> PictureTypeNames{
    "Other", "32x32 pixels 'file icon'", "Other file icon", "Cover (front)", "Cover (back)", "Leaflet page",
    "Media (e.g. label side of CD)", "Lead artist/lead performer/soloist", "Artist/performer", "Conductor",
    "Band/Orchestra", "Composer", "Lyricist/text writer", "Recording Location", "During recording",
    "During performance", "Movie/video screen capture", "A bright coloured fish", "Illustration",
    "Band/artist logotype", "Publisher/Studio logotype"};

// The media libraries' names that TagLib spells otherwise; the others are
// the same in capitals.
constexpr std::pair<std::string_view, std::string_view> FieldNames[] = {
    {"album_artist", "ALBUMARTIST"}, {"track", "TRACKNUMBER"}, {"disc", "DISCNUMBER"},
    {"publisher", "LABEL"},         {"encoded_by", "ENCODEDBY"},
};

// Tags about the source's container or its making, not about the music.
constexpr std::string_view ContainerTags[] = {"encoder", "major_brand", "minor_version", "compatible_brands",
                                              "creation_time", "handler_name", "vendor_id", "duration",
                                              "itunsmpb", "itunnorm"};

class QuietListener : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String&) override {}
};

TagLib::String Utf8(const std::string& text)
{
    return TagLib::String(text, TagLib::String::UTF8);
}

std::string FieldName(std::string key)
{
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const auto& [library, common] : FieldNames)
        if (key == library)
            return std::string(common);
    if (std::find(std::begin(ContainerTags), std::end(ContainerTags), key) != std::end(ContainerTags))
        return {};
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
    return key;
}

// The first value of each field, the file's before the track's.
void AddLibraryTags(const AVDictionary* tags, TagLib::PropertyMap& fields)
{
    const AVDictionaryEntry* tag = nullptr;
    while ((tag = av_dict_get(tags, "", tag, AV_DICT_IGNORE_SUFFIX))) {
        const std::string name = FieldName(tag->key);
        if (!name.empty() && !fields.contains(Utf8(name)))
            fields.insert(Utf8(name), TagLib::StringList(Utf8(tag->value)));
    }
}

TagLib::PropertyMap TagLibFields(const std::string& path)
{
    const TagLib::FileRef file(path.c_str(), false);
    return file.isNull() ? TagLib::PropertyMap() : file.file()->properties();
}

int PictureType(const AVStream& stream)
{
    const AVDictionaryEntry* name = av_dict_get(stream.metadata, "comment", nullptr, 0);
    const auto found = name ? std::find(PictureTypeNames.begin(), PictureTypeNames.end(), name->value)
                            : PictureTypeNames.end();
    return found == PictureTypeNames.end() ? CoverPicture::FrontCover
                                           : static_cast<int>(found - PictureTypeNames.begin());
}

std::vector<CoverPicture> EmbeddedPictures(const AVFormatContext& context)
{
    std::vector<CoverPicture> pictures;
    for (unsigned i = 0; i < context.nb_streams; ++i) {
        const AVStream& stream = *context.streams[i];
        const AVCodecID codec = stream.codecpar->codec_id;
        if (!(stream.disposition & AV_DISPOSITION_ATTACHED_PIC) || stream.attached_pic.size <= 0
            || (codec != AV_CODEC_ID_MJPEG && codec != AV_CODEC_ID_PNG))
            continue;
        CoverPicture picture;
        picture.mimeType = codec == AV_CODEC_ID_PNG ? "image/png" : "image/jpeg";
        picture.type = PictureType(stream);
        if (const AVDictionaryEntry* title = av_dict_get(stream.metadata, "title", nullptr, 0))
            picture.description = title->value;
        picture.data.assign(stream.attached_pic.data, stream.attached_pic.data + stream.attached_pic.size);
        pictures.push_back(std::move(picture));
    }
    std::stable_partition(pictures.begin(), pictures.end(),
                          [](const CoverPicture& picture) { return picture.type == CoverPicture::FrontCover; });
    return pictures;
}

} // namespace

void QuietTagLib()
{
    static QuietListener listener;
    TagLib::setDebugListener(&listener);
}

MediaTags SourceTags(const InputMedia& input, int soundStream, bool folderCover)
{
    QuietTagLib();
    MediaTags tags;
    // An address (-allow-protocols) has no folder and no file for TagLib.
    std::error_code error;
    const bool localFile = std::filesystem::is_regular_file(input.path(), error);
    if (localFile)
        tags.fields = TagLibFields(input.path());
    TagLib::StringList making;
    for (const auto& [name, values] : tags.fields)
        if (FieldName(name.to8Bit(true)).empty())
            making.append(name);
    for (const TagLib::String& name : making)
        tags.fields.erase(name);
    if (tags.fields.isEmpty()) {
        const AVFormatContext& context = *input.context();
        AddLibraryTags(context.metadata, tags.fields);
        if (soundStream >= 0)
            AddLibraryTags(context.streams[soundStream]->metadata, tags.fields);
    }
    tags.pictures = EmbeddedPictures(*input.context());
    if (tags.pictures.empty() && folderCover && localFile) {
        if (std::optional<CoverPicture> cover = FolderCover(input.path()))
            tags.pictures.push_back(std::move(*cover));
    }
    return tags;
}

} // namespace ridod2e
