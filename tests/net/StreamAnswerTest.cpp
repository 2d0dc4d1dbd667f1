// What a station's answer headers say of its stream, and what is made of it.
#include "net/StreamAnswer.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace lumo {
namespace {

StreamAnswer answerOf(std::initializer_list<std::string_view> lines) {
    StreamAnswer answer;
    for (std::string_view line : lines) {
        answer.addLine(std::string(line) + "\r\n");
    }
    answer.addLine("\r\n");
    return answer;
}

using Verdict = StreamAnswer::Verdict;

TEST(StreamAnswerTest, ShoutcastAndIcecastAnswersAreReadWithWhatTheyName) {
    const auto shoutcast =
        answerOf({"ICY 200 OK", "icy-name:Caf\xe9 \x1b[1mFM\n", "icy-metaint:8192",
                  "icy-br:128, 128", "content-type:audio/mpeg"});
    EXPECT_EQ(shoutcast.verdict(), Verdict::Read);
    EXPECT_EQ(shoutcast.interval(), 8192U);
    EXPECT_EQ(shoutcast.name(), "Caf\xc3\xa9 [1mFM");
    EXPECT_EQ(shoutcast.bytesPerSecond(), 16000U);
    EXPECT_EQ(shoutcast.extension(), "mp3");
    EXPECT_EQ(answerOf({"HTTP/1.0 200 OK", "icy-logo: https://radio.example/logo.png"}).logo(),
              "https://radio.example/logo.png");
    for (const char* logo : {"file:///etc/passwd", "javascript:alert(1)", "ftp://x/logo.png"}) {
        EXPECT_EQ(answerOf({"HTTP/1.0 200 OK", std::string("icy-logo: ") + logo}).logo(), "")
            << logo;
    }

    // Only the last answer counts: the redirect's length is not the stream's.
    const auto icecast =
        answerOf({"HTTP/1.1 302 Found", "Content-Length: 0", "Location: /live", "HTTP/1.0 200 OK",
                  "Content-Type: audio/ogg", "icy-metaint: 0",
                  "ice-audio-info: ice-samplerate=44100;ice-bitrate=96;ice-channels=2"});
    EXPECT_EQ(icecast.verdict(), Verdict::Read);
    EXPECT_EQ(icecast.interval(), 0U) << "a stream without titles is read all the same";
    EXPECT_EQ(icecast.bytesPerSecond(), 12000U);
    EXPECT_EQ(answerOf({"HTTP/1.1 200 OK", "Content-Type: audio/aacp"}).verdict(), Verdict::Read);
}

TEST(StreamAnswerTest, WhatIsNotALiveAudioStreamIsLetGoAndWhatCannotBeReadIsRefused) {
    EXPECT_EQ(
        answerOf({"HTTP/1.1 200 OK", "Content-Type: audio/mpeg", "Content-Length: 9"}).verdict(),
        Verdict::LetGo);
    EXPECT_EQ(answerOf({"HTTP/1.1 404 Not Found", "Content-Type: audio/mpeg"}).verdict(),
              Verdict::LetGo);
    EXPECT_EQ(answerOf({"HTTP/1.1 200 OK", "Content-Type: audio/x-mpegurl"}).verdict(),
              Verdict::LetGo);
    EXPECT_EQ(answerOf({"HTTP/1.1 200 OK", "Content-Type: video/mp2t"}).verdict(), Verdict::LetGo);
    for (const char* interval : {"icy-metaint: 1048577", "icy-metaint: ten", "icy-metaint: -1",
                                 "icy-metaint: 99999999999999999999999"}) {
        EXPECT_EQ(answerOf({"ICY 200 OK", "content-type: audio/mpeg", interval}).verdict(),
                  Verdict::Refuse)
            << interval;
    }

    StreamAnswer flood;
    const std::string status = "HTTP/1.0 200 OK\r\n";
    flood.addLine(status);
    const std::string filler = "X-Filler: " + std::string(1000, 'x') + "\r\n";
    int taken = 0;
    while (flood.addLine(filler)) {
        ++taken;
    }
    EXPECT_EQ(taken, static_cast<int>((StreamAnswer::kMostBytes - status.size()) / filler.size()));
    flood.addLine("Content-Type: audio/mpeg\r\n");
    EXPECT_EQ(flood.verdict(), Verdict::Refuse);
}

} // namespace
} // namespace lumo
