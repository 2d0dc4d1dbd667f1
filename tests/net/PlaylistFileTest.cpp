// Playlist files as listeners keep them, told apart by their text.
#include "net/PlaylistFile.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(PlaylistFileTest, EveryKindGivesItsEntriesInOrderWithTheirTitles) {
    using E = std::vector<PlaylistEntry>;
    EXPECT_EQ(playlistEntries("[playlist]\r\nNumberOfEntries=2\r\nFile2=http://b/\r\n"
                              "Title2=Second\r\nFile1= http://a/ \r\nTitle1=Caf\xe9\x01 FM\r\n"),
              (E{{"http://a/", "Caf\xc3\xa9 FM"}, {"http://b/", "Second"}}));
    EXPECT_EQ(playlistEntries("#EXTM3U\n#EXTINF:-1,Radio One\nhttp://one/\n# note\n\nhttps://two/"),
              (E{{"http://one/", "Radio One"}, {"https://two/", ""}}));
    EXPECT_EQ(playlistEntries("<?xml version=\"1.0\"?><playlist version=\"1\" "
                              "xmlns=\"http://xspf.org/ns/0/\"><trackList><track><title>X</title>"
                              "<location> http://x/ </location></track></trackList></playlist>"),
              (E{{"http://x/", "X"}}));
    EXPECT_EQ(playlistEntries("<asx version=\"3.0\"><entry><ref href=\"mms://a/\"/></entry></asx>"),
              (E{{"mms://a/", ""}}));
    EXPECT_EQ(playlistEntries("\xEF\xBB\xBF/home/me/song.mp3\nfile:///etc/passwd\n"),
              (E{{"/home/me/song.mp3", ""}, {"file:///etc/passwd", ""}}))
        << "read as given: the allow-list decides";
    std::string many;
    for (int i = 0; i < 5000; ++i) {
        many += "http://s/" + std::to_string(i) + "\n";
    }
    EXPECT_EQ(playlistEntries(many).size(), kMostPlaylistEntries);
}

} // namespace
} // namespace lumo
