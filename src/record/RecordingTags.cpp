#include "record/RecordingTags.h"

#include <QFile>
#include <system_error>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>

namespace lumo {

namespace {

TagLib::String text(const std::string& utf8) {
    return {utf8, TagLib::String::UTF8};
}

TagLib::PropertyMap properties(const RecordingTags& tags) {
    TagLib::PropertyMap map;
    const auto put = [&map](const char* key, const std::string& value) {
        if (!value.empty()) {
            map.replace(key, TagLib::StringList(text(value)));
        }
    };
    put("TITLE", tags.title);
    put("ARTIST", tags.artist);
    put("ALBUM", tags.album);
    put("DATE", tags.date);
    put("COMMENT", tags.comment);
    return map;
}

template <typename OggFile> bool tagOgg(const std::filesystem::path& file, const RecordingTags& t) {
    OggFile ogg(file.c_str());
    if (!ogg.isValid() || ogg.tag() == nullptr) {
        return false;
    }
    ogg.tag()->setProperties(properties(t));
    return ogg.save();
}

// An ID3v2.4 tag ahead of the frames: the file is written anew beside itself, then takes its
// place.
bool tagAdts(const std::filesystem::path& file, const RecordingTags& tags) {
    TagLib::ID3v2::Tag tag;
    tag.setProperties(properties(tags));
    const TagLib::ByteVector rendered = tag.render(TagLib::ID3v2::v4);
    const QString path = QString::fromStdString(file.string());
    QFile in(path);
    QFile out(path + QStringLiteral(".tag"));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    bool written = out.write(rendered.data(), rendered.size()) == rendered.size();
    while (written && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        written = !chunk.isEmpty() && out.write(chunk) == chunk.size();
    }
    out.close();
    std::error_code error;
    if (written && out.error() == QFileDevice::NoError) {
        std::filesystem::rename(out.fileName().toStdString(), file, error);
    }
    if (!written || error) {
        out.remove();
        return false;
    }
    return true;
}

} // namespace

RecordingTags RecordingTags::of(const std::string& streamTitle, const std::string& station,
                                const std::string& address, const std::string& date) {
    RecordingTags tags{streamTitle, {}, station, date, address};
    if (const auto dash = streamTitle.find(" - "); dash != std::string::npos && dash > 0) {
        tags.artist = streamTitle.substr(0, dash);
        tags.title = streamTitle.substr(dash + 3);
    }
    return tags;
}

bool writeRecordingTags(const std::filesystem::path& file, RecordingFormat format,
                        const RecordingTags& tags) {
    switch (format) {
    case RecordingFormat::Mp3: {
        TagLib::MPEG::File mp3(file.c_str());
        if (!mp3.isValid()) {
            return false;
        }
        mp3.ID3v2Tag(true)->setProperties(properties(tags));
        return mp3.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, TagLib::ID3v2::v4);
    }
    case RecordingFormat::Adts:
        return tagAdts(file, tags);
    case RecordingFormat::OggVorbis:
        return tagOgg<TagLib::Ogg::Vorbis::File>(file, tags);
    case RecordingFormat::OggOpus:
        return tagOgg<TagLib::Ogg::Opus::File>(file, tags);
    case RecordingFormat::OggFlac:
        return tagOgg<TagLib::Ogg::FLAC::File>(file, tags);
    case RecordingFormat::Other:
        break;
    }
    return false;
}

} // namespace lumo
