// The station chooser on real widgets, opened by a real player window with a fake player.
#include "chooser/Stations.h"
#include "../app/PlayerWindowFixture.h"
#include "EventWait.h"
#include "catalogue/Favourites.h"
#include "platform/ClickLabel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace lumo {
namespace {

using Names = std::vector<std::string>;

std::string record(const std::string& kind, const std::string& genre, const std::string& name,
                   const std::string& feed = "NONE") {
    return "\"" + kind + "\",\"" + genre + "\",\"" + name + "\",\"http://page/\",\"" +
           "http://127.0.0.1:9/" + name + "\",\"" + feed + "\"\r\n";
}

class StationsTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        dir.write("Lumo.csv", record("RADIO", "Jazz", "J1", "http://127.0.0.1:9/cam.jpg") +
                                  record("RADIO", "Jazz", "J2") + record("RADIO", "Rock", "R1") +
                                  record("TV", "News", "N1") + record("TV", "News", "N2") +
                                  record("TV", "Science", "S1") + record("TV", "News", "N3"));
        dir.write("DEFAULT", "\"RADIO\",\"J2\",\"http://page/\",\"http://127.0.0.1:9/J2\","
                             "\"NONE\"\r\n");
        window = makeWindow();
        window->load();
    }

    Stations* open() {
        QTest::mouseClick(window->Image6, Qt::LeftButton);
        return window->chooser();
    }
    static Names items(const QListWidget* list) {
        Names names;
        for (int i = 0; i < list->count(); ++i) {
            names.push_back(list->item(i)->text().toStdString());
        }
        return names;
    }
    static Names genres(const QComboBox* combo) {
        Names names;
        for (int i = 0; i < combo->count(); ++i) {
            names.push_back(combo->itemText(i).toStdString());
        }
        return names;
    }
    static void chooseGenre(Stations* chooser, const QString& genre) {
        const int index = chooser->Combo1->findText(genre);
        chooser->Combo1->setCurrentIndex(index);
        emit chooser->Combo1->activated(index);
    }
    static void doubleClick(Stations* chooser, const QString& name) {
        const auto found = chooser->List1->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty());
        chooser->List1->setCurrentItem(found.front());
        emit chooser->List1->itemDoubleClicked(found.front());
    }

    std::unique_ptr<PlayerWindow> window;
};

TEST_F(StationsTest, OpeningTakesThePlayersPlaceAndRestartsTheDefaultStation) {
    media->setURL("http://127.0.0.1:9/something-else");
    Stations* chooser = open();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), "Lumo Stations List");
    EXPECT_EQ(chooser->size(), QSize(231, 445));
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(chooser->pos(), window->pos());
    EXPECT_EQ(media->url, "http://127.0.0.1:9/J2");
    EXPECT_EQ(chooser->Label1->text(), "J2");
    EXPECT_TRUE(chooser->Check2->isChecked());
    EXPECT_FALSE(chooser->Check1->isChecked());
    EXPECT_TRUE(chooser->Check3->isChecked());
    EXPECT_EQ(genres(chooser->Combo1), Names({"Favourites", "My Stations", "Jazz", "Rock"}));
    EXPECT_EQ(items(chooser->List1), Names({"J1", "J2"}));
    EXPECT_EQ(chooser->List1->toolTip(), "Double Click to load Channel");
}

TEST_F(StationsTest, ThePreviousVisitsGenreIsOfferedAgain) {
    Stations* chooser = open();
    chooseGenre(chooser, "Rock");
    EXPECT_EQ(items(chooser->List1), Names({"R1"}));
    chooser->close();
    ASSERT_TRUE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    chooser = open();
    EXPECT_EQ(chooser->Combo1->currentText(), "Rock");
    EXPECT_EQ(items(chooser->List1), Names({"R1"}));
}

TEST_F(StationsTest, TelevisionListsItsGenresInFileOrderWithRunsCollapsed) {
    Stations* chooser = open();
    QTest::mouseClick(chooser->Check1, Qt::LeftButton);
    EXPECT_TRUE(chooser->Check1->isChecked());
    EXPECT_FALSE(chooser->Check2->isChecked());
    EXPECT_EQ(state.CurrentStation.kind, "TV");
    EXPECT_EQ(genres(chooser->Combo1),
              Names({"Favourites", "My Stations", "News", "Science", "News"}));
    EXPECT_EQ(chooser->Combo1->currentText(), "News");
    EXPECT_EQ(items(chooser->List1), Names({"N1", "N2", "N3"}));
}

TEST_F(StationsTest, ThePlaceholderAndKeyPressesChangeNothing) {
    Stations* chooser = open();
    chooser->Combo1->setEditText(QString::fromLatin1(Stations::kPlaceholder));
    emit chooser->Combo1->activated(-1);
    EXPECT_EQ(items(chooser->List1), Names({"J1", "J2"}));
    EXPECT_EQ(QString::fromLatin1(Stations::kPlaceholder).size(), 48);
    QTest::keyClicks(chooser->Combo1, "Rock");
    EXPECT_EQ(chooser->Combo1->currentText(), "");
    EXPECT_EQ(items(chooser->List1), Names({"J1", "J2"}));
}

TEST_F(StationsTest, AHostedDoubleClickLoadsWaitsForTheFeedAndCloses) {
    Stations* chooser = open();
    doubleClick(chooser, "J1");
    EXPECT_EQ(media->url, "http://127.0.0.1:9/J1");
    EXPECT_EQ(state.reconnectState, 1);
    EXPECT_EQ(state.streamReached, 0);
    EXPECT_EQ(window->Label3->text(), "Waiting for Live Feed ....");
    EXPECT_EQ(window->Timer8->interval(), 5000);
    EXPECT_EQ(window->Timer2->interval(), 10);
    EXPECT_TRUE(chooser->isEnabled());
    window->Timer2->tick();
    EXPECT_FALSE(window->chooser() && window->chooser()->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Timer7->interval(), 1000);
}

// The keyboard alone: the arrows choose a genre, Return plays the selected station.
TEST_F(StationsTest, TheKeyboardChoosesAGenreAndReturnPlaysTheSelectedStation) {
    Stations* chooser = open();
    chooseGenre(chooser, QStringLiteral("Jazz"));
    QTest::keyClick(chooser->Combo1, Qt::Key_Down);
    EXPECT_EQ(items(chooser->List1), Names({"R1"}));
    chooser->List1->setCurrentRow(0);
    QTest::keyClick(chooser->List1, Qt::Key_Return);
    EXPECT_EQ(media->url, "http://127.0.0.1:9/R1");
    EXPECT_EQ(window->Timer2->interval(), 10) << "the chooser closes as after a double click";
    for (QWidget* named : std::initializer_list<QWidget*>{chooser->Combo1, chooser->List1}) {
        EXPECT_FALSE(
            QAccessible::queryAccessibleInterface(named)->text(QAccessible::Name).isEmpty());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(chooser->Image5)->role(), QAccessible::Button);
}

TEST_F(StationsTest, AStationWithoutAFeedSaysSo) {
    Stations* chooser = open();
    doubleClick(chooser, "J2");
    EXPECT_EQ(window->Label3->text(), "No Live Feed Found ....");
    EXPECT_EQ(window->Timer11->interval(), 5000);
}

TEST_F(StationsTest, InDefaultViewerModeTheChooserStaysAndClosingItEnds) {
    Stations* chooser = open();
    QTest::mouseClick(chooser->Check3, Qt::LeftButton); // clear: the desktop's viewer
    EXPECT_EQ(dir.read("DEFAULTVIEWER"), "1\r\n");
    EXPECT_EQ(window->Timer1->interval(), 0);
    EXPECT_EQ(media->url, "");
    doubleClick(chooser, "J1");
    EXPECT_EQ(shell.opened, Names({"http://127.0.0.1:9/J1"}));
    EXPECT_EQ(media->url, "");
    EXPECT_EQ(window->Timer2->interval(), 0);
    EXPECT_TRUE(chooser->isVisible());
    chooser->close();
    EXPECT_EQ(endRequests, 1);
}

TEST_F(StationsTest, TheViewerBoxWritesThePreferenceAndRunsTheStatusTimer) {
    Stations* chooser = open();
    QTest::mouseClick(chooser->Check3, Qt::LeftButton);
    EXPECT_EQ(dir.read("DEFAULTVIEWER"), "1\r\n");
    EXPECT_EQ(window->Timer1->interval(), 0);
    QTest::mouseClick(chooser->Check3, Qt::LeftButton);
    EXPECT_EQ(dir.read("DEFAULTVIEWER"), "0\r\n");
    EXPECT_EQ(window->Timer1->interval(), 500);
}

TEST_F(StationsTest, SetDefaultWritesTheFileWithoutAMessage) {
    Stations* chooser = open();
    doubleClick(chooser, "J1");
    QTest::mouseClick(chooser->Image23, Qt::LeftButton);
    EXPECT_EQ(dir.read("DEFAULT"), "\"RADIO\",\"J1\",\"http://page/\",\"http://127.0.0.1:9/J1\","
                                   "\"http://127.0.0.1:9/cam.jpg\"\r\n");
    EXPECT_EQ(chooser->Label1->text(), "J1");
    EXPECT_EQ(state.defaultStationName, "J1");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StationsTest, ADoubleClickWithNothingSelectedDoesNothing) {
    Stations* chooser = open();
    chooser->List1->setCurrentItem(nullptr);
    chooser->stationDoubleClicked();
    EXPECT_EQ(window->Timer2->interval(), 0);
    EXPECT_EQ(media->url, "http://127.0.0.1:9/J2");
}

TEST_F(StationsTest, TheListsFollowTheDefaultStationsKind) {
    dir.write("DEFAULT", "\"TV\",\"N2\",\"http://page/\",\"http://127.0.0.1:9/N2\",\"NONE\"\r\n");
    state.CurrentStation.kind = "RADIO";
    Stations* chooser = open();
    EXPECT_EQ(state.CurrentStation.kind, "TV");
    EXPECT_TRUE(chooser->Check1->isChecked());
    EXPECT_EQ(items(chooser->List1), Names({"N1", "N2", "N3"}));
    doubleClick(chooser, "N3");
    EXPECT_EQ(media->url, "http://127.0.0.1:9/N3");
}

TEST_F(StationsTest, WithoutAStationListTheChooserClosesASecondLater) {
    std::filesystem::remove(dir.path() / "Lumo.csv");
    Stations* chooser = open();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, "No Station file, download the station file first");
    EXPECT_EQ(window->Timer2->interval(), 1000);
    window->Timer2->tick();
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StationsTest, TheDefaultStationButtonReturnsToTheDefault) {
    media->setURL("http://127.0.0.1:9/elsewhere");
    state.defaultStationName = "R1";
    QTest::mouseClick(window->Image7, Qt::LeftButton);
    EXPECT_EQ(media->url, "http://127.0.0.1:9/R1");
    EXPECT_EQ(state.shownStationName, "R1");
}

} // namespace
} // namespace lumo

namespace lumo {
namespace {

// Finding a station by name and keeping favourites, on the same real chooser.
class FindAndKeepTest : public StationsTest {
protected:
    void SetUp() override {
        StationsTest::SetUp();
        dir.write("Lumo.csv", record("RADIO", "Jazz", "Le Café") +
                                  record("RADIO", "Jazz", "Café Müller") +
                                  record("RADIO", "Rock", "Cafe Rock") +
                                  record("RADIO", "Rock", "J2") + record("TV", "News", "Café TV"));
    }
    static QAction* action(QMenu* menu, const QString& text) {
        for (QAction* a : menu->actions()) {
            if (a->text() == text) {
                return a;
            }
        }
        return nullptr;
    }
    Stations* openSearchable() {
        Stations* chooser = open();
        EXPECT_TRUE(test::waitUntil([&] { return chooser->searchReady(); }, 5000));
        return chooser;
    }
    std::string favouritesFile() const { return *readWholeFile(dir.path() / "FAVOURITES"); }
};

TEST_F(FindAndKeepTest, TypingFindsStationsAcrossGenresAndTheKeyboardPlaysThem) {
    Stations* chooser = openSearchable();
    ASSERT_EQ(chooser->focusWidget(), chooser->Search)
        << "the chooser opens with the keyboard there";
    const Names jazz = items(chooser->List1);
    QTest::keyClicks(chooser->Search, "muller CAFE");
    EXPECT_EQ(items(chooser->List1), Names({"Café Müller"})) << "any order, case, accents";
    chooser->Search->clear();
    EXPECT_EQ(items(chooser->List1), jazz) << "an empty field is the genre's list again";
    QTest::keyClicks(chooser->Search, "cafe");
    // Names that start with it first, then those that hold it; television is another kind.
    EXPECT_EQ(items(chooser->List1), Names({"Café Müller", "Cafe Rock", "Le Café"}));
    QTest::keyClick(chooser->Search, Qt::Key_Down);
    EXPECT_EQ(chooser->focusWidget(), chooser->List1);
    QTest::keyClick(chooser->List1, Qt::Key_Down);
    QTest::keyClick(chooser->List1, Qt::Key_Return);
    EXPECT_EQ(media->url, "http://127.0.0.1:9/Cafe Rock");
    EXPECT_EQ(state.shownStationName, "Cafe Rock");
    // Played, the chooser closes itself a moment later, as a double click closes it.
    ASSERT_TRUE(test::waitUntil([&] { return window->chooser() == nullptr; }, 5000));

    chooser = open();
    QTest::keyClicks(chooser->Search, "zzz"); // before the stations are read, and after
    ASSERT_TRUE(test::waitUntil([&] { return chooser->searchReady(); }, 5000));
    EXPECT_TRUE(items(chooser->List1).empty());
    QTest::keyClick(chooser->Search, Qt::Key_Escape);
    EXPECT_TRUE(chooser->Search->text().isEmpty());
    EXPECT_FALSE(items(chooser->List1).empty());
    ASSERT_TRUE(chooser->isVisible());
    QTest::keyClick(chooser->Search, Qt::Key_Escape);
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(FindAndKeepTest, FavouritesComeFirstOutliveTheListAndAreWrittenWhole) {
    Stations* chooser = open();
    chooseGenre(chooser, "Jazz");
    chooser->List1->setCurrentRow(1); // Café Müller
    QMenu* menu = chooser->openStationMenu(QPoint(10, 10));
    ASSERT_NE(menu, nullptr);
    action(menu, "Add to Favourites")->trigger();
    menu->close();
    chooser->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The player window's own station (J2, the default) from its menu.
    menu = window->openMenu(QPoint(10, 10));
    action(menu, "Add to Favourites")->trigger();
    menu->close();
    EXPECT_EQ(window->favourites().all().size(), 2U);
    const std::string written = favouritesFile();
    EXPECT_LT(written.find("Café Müller"), written.find("J2")) << "in the order added";

    // The next list has neither of them: they still list first and play from their records.
    dir.write("Lumo.csv", record("RADIO", "Rock", "Cafe Rock"));
    chooser = open();
    EXPECT_EQ(chooser->Combo1->itemText(0), "Favourites");
    chooseGenre(chooser, "Favourites");
    EXPECT_EQ(items(chooser->List1), Names({"Café Müller", "J2"}));
    doubleClick(chooser, "Café Müller");
    EXPECT_EQ(media->url, "http://127.0.0.1:9/Café Müller");
    EXPECT_EQ(state.shownStationName, "Café Müller");

    chooser = open();
    chooseGenre(chooser, "Favourites");
    chooser->List1->setCurrentRow(1);
    menu = chooser->openStationMenu(QPoint(10, 10));
    action(menu, "Remove from Favourites")->trigger();
    menu->close();
    EXPECT_EQ(items(chooser->List1), Names({"Café Müller"}));

    // A write cut short (the file size limit) leaves the file and the favourites as they were.
    const std::string before = favouritesFile();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = before.size() + 10;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool added = window->favourites().add(
        {"RADIO", "A long name that will not fit", "p", "http://127.0.0.1:9/x", "NONE"});
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(added);
    EXPECT_EQ(favouritesFile(), before);
    EXPECT_EQ(window->favourites().all().size(), 1U);
}

} // namespace
} // namespace lumo
