// The titles heard: kept across restarts in the program's folder, shown newest first.
#include "EventWait.h"
#include "PlayerWindowFixture.h"
#include "app/TitleHistory.h"
#include "app/TitlesWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::system_clock;

TEST(TitleHistory, KeepsTheLastHundredNewestFirstAcrossRestartsAndSurvivesACutFile) {
    test::TempFolder dir;
    const auto file = dir.path() / "TITLES";
    const Clock::time_point start(1'700'000'000s);
    {
        TitleHistory history(file);
        history.heard("Artist - Song 0", "Night FM", start);
        history.heard("Artist - Song 0", "Night FM", start + 5s); // repeated with the stream
        history.heard("", "Night FM", start + 6s);                // no title
        EXPECT_EQ(history.titles().size(), 1u);
        for (int i = 1; i <= 104; ++i) {
            history.heard("Artist - Song " + std::to_string(i), "Night FM", start + i * 1min);
        }
        // A station's title as it may come: quotes, a line break, a separator.
        history.heard("He said \"hi\",\r\nthen ,left", "Day \"FM\"", start + 2h);
    }
    TitleHistory again(file);
    ASSERT_EQ(again.titles().size(), TitleHistory::kKept);
    EXPECT_EQ(again.titles().front().station, "Day 'FM'");
    EXPECT_EQ(again.titles().front().title, "He said 'hi',\r\nthen ,left");
    EXPECT_EQ(again.titles()[1].title, "Artist - Song 104");
    EXPECT_EQ(again.titles().back().title, "Artist - Song 6");
    EXPECT_EQ(again.titles()[1].started, start + 104min);

    // A file cut short keeps what came before the cut.
    const std::string whole = readWholeFile(file).value();
    ASSERT_TRUE(replaceFileAtomically(file, whole.substr(0, whole.size() / 2)));
    TitleHistory cut(file);
    EXPECT_GT(cut.titles().size(), 40u);
    EXPECT_LT(cut.titles().size(), 60u);
    EXPECT_EQ(cut.titles().front(), again.titles().front());
}

class TitlesHeardTest : public ::testing::Test, protected test::PlayerWindowFixture {};

TEST_F(TitlesHeardTest, TheMenusWindowListsWhatPlayedAndCopiesALine) {
    dir.write("DEFAULT", "\"RADIO\",\"Night FM\",\"\",\"http://127.0.0.1:9/n\",\"NONE\"\r\n");
    auto window = makeWindow();
    window->load();
    window->Timer1->tick(); // the station's name shown
    for (const char* title : {"First - One", "Second - Two"}) {
        media->title = title;
        window->Timer1->tick();
        window->Timer1->tick();
    }
    window->songTitles().openWindow();
    TitlesWindow* titles = window->songTitles().window();
    ASSERT_NE(titles, nullptr);
    QListWidget* list = titles->list();
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().endsWith(QStringLiteral("  Night FM - Second - Two")));
    EXPECT_TRUE(list->item(1)->text().endsWith(QStringLiteral("  Night FM - First - One")));
    list->setCurrentRow(1);
    QTest::keySequence(list, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), list->item(1)->text());

    // A new title while the window is open joins it at the top; the file keeps them all.
    media->title = "Third - Three";
    window->Timer1->tick();
    EXPECT_EQ(list->count(), 3);
    // Written off the window's thread: it arrives.
    EXPECT_TRUE(test::waitUntil(
        [&] { return TitleHistory(dir.path() / "TITLES").titles().size() == 3u; }, 10000));
}

} // namespace
} // namespace lumo
