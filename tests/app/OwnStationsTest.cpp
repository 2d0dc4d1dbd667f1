// The listener's own stations in real windows: an address opened, pasted or dropped plays
// through libVLC; stations added, edited and removed through the station window (found by the
// names a screen reader reads) are listed, searched and outlive both kinds of list update.
#include "EventWait.h"
#include "FtpTestServer.h"
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "Wav.h"
#include "app/OpenAddressDialog.h"
#include "catalogue/MyStations.h"
#include "chooser/StationEditor.h"
#include "chooser/Stations.h"
#include "platform/ClickLabel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

using Names = std::vector<std::string>;

template <typename T> T* shownWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<T*>(top); found != nullptr && found->isVisible()) {
            return found;
        }
    }
    return nullptr;
}

// The control a screen reader announces as `name`.
template <typename T> T* named(QWidget& window, const QString& name) {
    for (T* control : window.findChildren<T*>()) {
        if (control->accessibleName() == name) {
            return control;
        }
    }
    return nullptr;
}

void trigger(QMenu* menu, const QString& text) {
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            ASSERT_TRUE(action->isEnabled()) << text.toStdString();
            action->trigger();
            menu->close();
            return;
        }
    }
    FAIL() << "no " << text.toStdString() << " on the menu";
}

Names listed(const QListWidget* list) {
    Names names;
    for (int row = 0; row < list->count(); ++row) {
        names.push_back(list->item(row)->text().toStdString());
    }
    return names;
}

class OwnStationsTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        for (const char* path : {"/open", "/paste", "/drop"}) {
            server.serve(path, live);
        }
        dir.write("DEFAULT", "\"RADIO\",\"Silent\",\"\",\"http://127.0.0.1:9/s\",\"NONE\"\r\n");
        dir.write("Lumo.csv", kList);
    }
    bool playing(const std::string& path) const {
        return window->media().playState() == PlayState::Playing &&
               window->media().URL() == server.url(path);
    }
    // Fills the station window's fields by their names and saves.
    static void save(StationEditor& editor, const std::map<QString, QString>& fields) {
        for (const auto& [label, text] : fields) {
            if (auto* edit = named<QLineEdit>(editor, label)) {
                edit->setText(text);
            } else {
                named<QComboBox>(editor, label)->setEditText(text);
            }
        }
        editor.accept();
    }

    static constexpr const char* kList =
        "\"RADIO\",\"Jazz\",\"Listed Jazz\",\"http://p/\",\"http://127.0.0.1:9/j\",\"NONE\"\r\n";
    const test::LoopbackHttpServer::Resource live{"audio/wav", test::endlessSineWav(2, 44100),
                                                  false, 88200, test::kWavHeaderBytes};
    test::LoopbackHttpServer server;
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(OwnStationsTest, AnAddressOpenedPastedOrDroppedPlaysAndOneOpenedIsKept) {
    window = makeWindowWithLibVlc();
    window->load();
    QApplication::clipboard()->setText(QString::fromStdString(server.url("/open")));
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    auto* open = shownWindow<OpenAddressDialog>();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->address->text().toStdString(), server.url("/open")) << "from the clipboard";
    open->address->setText(QStringLiteral("file:///etc/passwd"));
    open->playButton->click();
    ASSERT_TRUE(test::waitUntil([&] { return open->problem->isVisible(); }, 5000));
    EXPECT_EQ(open->problem->text(), "No station's network address in /etc/passwd");
    open->address->setText(QString::fromStdString(server.url("/open")));
    open->playButton->click();
    ASSERT_TRUE(test::waitUntil([&] { return playing("/open"); }, 15000))
        << window->media().status();
    EXPECT_FALSE(shownWindow<OpenAddressDialog>());

    window->ownStations().openAddressDialog()->keepButton->click();
    ASSERT_TRUE(test::waitUntil([&] { return shownWindow<StationEditor>() != nullptr; }, 5000));
    auto* editor = shownWindow<StationEditor>();
    EXPECT_EQ(named<QLineEdit>(*editor, "Address")->text().toStdString(), server.url("/open"));
    save(*editor, {{"Name", "Opened FM"}});
    EXPECT_EQ(MyStations(dir.path() / "MYSTATIONS").find("RADIO", "Opened FM")->streamUrl,
              server.url("/open"));

    QApplication::clipboard()->setText(QString::fromStdString(server.url("/paste")));
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(test::waitUntil([&] { return playing("/paste"); }, 15000));

    dir.write("drop.pls", "[playlist]\nFile1=" + server.url("/drop") + "\nTitle1=Dropped FM\n");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir.path() / "drop.pls").string()))});
    QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter); // a drop goes where the drag was taken
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    ASSERT_TRUE(test::waitUntil([&] { return playing("/drop"); }, 15000))
        << window->Label1->text().toStdString() << " " << window->media().URL();
    EXPECT_EQ(state.shownStationName, "Dropped FM");
}

TEST_F(OwnStationsTest, AddedEditedAndRemovedThroughTheStationWindowAndKeptOverUpdates) {
    test::TempFolder site;
    test::FtpTestServer ftp{site.path()};
    site.write(
        "downloads/LUMO/Lumo.csv",
        "\"RADIO\",\"Rock\",\"New Rock\",\"http://p/\",\"http://127.0.0.1:9/r\",\"NONE\"\r\n");
    window = makeWindow();
    window->updater().setSite(
        {ftp.address(), test::FtpTestServer::kUser, test::FtpTestServer::kPassword});
    window->load();
    window->loadChooser();
    Stations* chooser = window->chooser();
    ASSERT_NE(chooser, nullptr);

    trigger(chooser->openStationMenu(QPoint(10, 10)), "Add Station...");
    auto* editor = shownWindow<StationEditor>();
    ASSERT_NE(editor, nullptr);
    save(*editor, {{"Name", "Kitchen"}, {"Address", "file:///etc/passwd"}, {"Genre", "Jazz"}});
    ASSERT_TRUE(editor->problem->isVisible()) << "a refused address is not kept";
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "MYSTATIONS"));
    save(*editor, {{"Address", "http://127.0.0.1:9/kitchen"}});
    EXPECT_FALSE(shownWindow<StationEditor>());

    const auto choose = [&](const char* genre) {
        chooser->Combo1->setCurrentIndex(chooser->Combo1->findText(genre));
        chooser->genreChosen();
        return listed(chooser->List1);
    };
    EXPECT_EQ(choose("My Stations"), Names({"Kitchen"}));
    EXPECT_EQ(choose("Jazz"), Names({"Kitchen", "Listed Jazz"}));
    chooser->Search->setText(QStringLiteral("kitch"));
    ASSERT_TRUE(test::waitUntil([&] { return chooser->searchReady(); }, 5000));
    EXPECT_EQ(listed(chooser->List1), Names({"Kitchen"}));
    chooser->Search->clear();

    // The listed station copied and edited: its own copy stands for it.
    chooser->List1->setCurrentRow(1);
    trigger(chooser->openStationMenu(QPoint(10, 10)), "Copy to My Stations...");
    save(*shownWindow<StationEditor>(), {{"Address", "http://127.0.0.1:9/better"}});
    chooser->List1->setCurrentRow(0);
    trigger(chooser->openStationMenu(QPoint(10, 10)), "Edit Station...");
    save(*shownWindow<StationEditor>(), {{"Name", "Kitchen Radio"}});
    EXPECT_EQ(choose("My Stations"), Names({"Kitchen Radio", "Listed Jazz"}));

    const std::string kept = dir.read("MYSTATIONS");
    QTest::mouseClick(chooser->Image5, Qt::LeftButton); // from the update site
    ASSERT_TRUE(test::waitUntil([&] { return !window->updater().running(); }, 60000));
    ASSERT_NE(dir.read("Lumo.csv").find("New Rock"), std::string::npos);
    test::LoopbackHttpServer directory;
    directory.serve("/json/stations/search?hidebroken=true&order=votes&reverse=true&limit=50",
                    {"application/json", R"([{"name":"Dir One","url":"http://127.0.0.1:9/d",
                                              "tags":"pop","lastcheckok":1}])"});
    window->updater().setSite({"", "", ""});
    DirectorySettings settings;
    settings.servers = {directory.url("")};
    settings.limit = 50;
    window->updater().setDirectory(settings);
    QTest::mouseClick(chooser->Image5, Qt::LeftButton); // from the directory
    ASSERT_TRUE(test::waitUntil([&] { return !window->updater().running(); }, 60000));
    ASSERT_NE(dir.read("Lumo.csv").find("Dir One"), std::string::npos);
    EXPECT_EQ(dir.read("MYSTATIONS"), kept);
    EXPECT_EQ(choose("My Stations"), Names({"Kitchen Radio", "Listed Jazz"}));

    chooser->List1->setCurrentRow(0);
    trigger(chooser->openStationMenu(QPoint(10, 10)), "Remove Station");
    EXPECT_EQ(listed(chooser->List1), Names({"Listed Jazz"}));
    EXPECT_EQ(MyStations(dir.path() / "MYSTATIONS").all().size(), 1U);
}

} // namespace
} // namespace lumo
