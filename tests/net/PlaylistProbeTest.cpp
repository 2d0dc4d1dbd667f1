#include "net/PlaylistProbe.h"
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "net/NetEngine.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(AsxDetection, RecognisesAsxDocumentsAndNothingElse) {
    EXPECT_TRUE(looksLikeAsx("<ASX version=\"3.0\"><Entry/></ASX>"));
    EXPECT_TRUE(looksLikeAsx("\xEF\xBB\xBF\r\n  <asx version='3'>"));
    EXPECT_TRUE(looksLikeAsx("<?xml version=\"1.0\"?>\n<!-- hi -->\n<Asx>"));
    EXPECT_FALSE(looksLikeAsx("[playlist]\nFile1=http://x/"));
    EXPECT_FALSE(looksLikeAsx("#EXTM3U\nhttp://x/"));
    EXPECT_FALSE(looksLikeAsx("<asxfoo>"));
    EXPECT_FALSE(looksLikeAsx("RIFF....WAVE"));
    EXPECT_FALSE(looksLikeAsx(""));
}

TEST(AsxDetection, ReferencesComeInOrderWithEntitiesDecoded) {
    const char* doc = R"(<ASX Version="3.0">
  <Title>Live</Title>
  <Entry><REF HREF="http://a.example.org/one?x=1&amp;y=2&amp;lt;3" /></Entry>
  <entry><ref href='mms://b.example.org/two'/></entry>
  <EntryRef href = "http://c.example.org/more.asx"/>
  <reference href="http://not.a.ref/"/>
  <Entry><Ref/></Entry>
</ASX>)";
    const auto refs = asxReferences(doc);
    ASSERT_EQ(refs.size(), 3u);
    EXPECT_EQ(refs[0], "http://a.example.org/one?x=1&y=2&lt;3") << "entities decode once";
    EXPECT_EQ(refs[1], "mms://b.example.org/two");
    EXPECT_EQ(refs[2], "http://c.example.org/more.asx");
}

using Head = std::optional<std::string>;

Head head(NetEngine& engine, const std::string& address, std::size_t bytes, long timeout) {
    return test::resultOf<Head>(
               [&](auto done) { return fetchHead(engine, address, bytes, timeout, done); })
        .value_or(std::nullopt);
}

TEST(FetchHead, ReadsAtMostTheAskedBytesAndIsBounded) {
    NetEngine engine;
    test::LoopbackHttpServer server;
    server.serve("/big", {"text/plain", std::string(100000, 'a')});
    server.serve("/small", {"text/plain", "<asx>"});
    server.serve("/silent", {"text/plain", "", true});
    EXPECT_EQ(head(engine, server.url("/small"), 1024, 3000), "<asx>");
    EXPECT_EQ(head(engine, server.url("/big"), 1000, 3000).value_or("").size(), 1000u);
    EXPECT_FALSE(head(engine,
                      "http://127.0.0.1:" + std::to_string(test::closedLoopbackPort()) + "/", 100,
                      2000)
                     .has_value());
    EXPECT_FALSE(head(engine, server.url("/silent"), 100, 300).has_value());
    EXPECT_FALSE(head(engine, "file:///etc/passwd", 100, 300).has_value());
}

} // namespace
} // namespace lumo
