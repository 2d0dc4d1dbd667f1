// The program in the listener's language. The suite runs this with LANG=de_DE.UTF-8: every
// window and menu is walked and no text of ours may be left in English.
#include "PlayerWindowFixture.h"
#include "app/OpenAddressDialog.h"
#include "app/TitlesWindow.h"
#include "app/UpdateProgressWindow.h"
#include "catalogue/StationRecord.h"
#include "chooser/StationEditor.h"
#include "chooser/Stations.h"
#include "platform/ClickLabel.h"
#include "platform/QtMessageBoxes.h"
#include "platform/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace lumo {
namespace {

// One language's translations as the translators keep them: (context, source) to the
// translation's forms, empty when it is not finished.
using Messages = std::map<std::pair<QString, QString>, QStringList>;

Messages readMessages(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Messages messages;
    QString context;
    QString source;
    QStringList forms;
    bool finished = true;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::EndElement &&
            xml.name() == QLatin1String("message")) {
            messages[{context, source}] = finished ? forms : QStringList();
            forms.clear();
        }
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            finished = xml.attributes().value(QLatin1String("type")) != QLatin1String("unfinished");
            QString plain;
            while (!(xml.readNext() == QXmlStreamReader::EndElement &&
                     xml.name() == QLatin1String("translation")) &&
                   !xml.atEnd()) {
                if (xml.isCharacters()) {
                    plain += xml.text();
                } else if (xml.isStartElement()) {
                    forms << xml.readElementText(); // a numerus form
                }
            }
            if (forms.isEmpty() && !plain.trimmed().isEmpty()) {
                forms << plain;
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString translationFile(const char* language) {
    return QStringLiteral(LUMO_TRANSLATIONS_DIR "/lumo_%1.ts").arg(QLatin1String(language));
}

// The place markers a text fills in (%1, %2, %n), which a translation must keep.
std::multiset<QString> markers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d|n)"));
    std::multiset<QString> found;
    for (const auto& match : marker.globalMatch(text)) {
        found.insert(match.captured());
    }
    return found;
}

TEST(TranslationFiles, EveryTextTheCodeShowsIsTranslatedInEachLanguageWithItsMarkers) {
    // The texts as they stand in the code now, gathered by Qt's own tool.
    const QString fresh = QDir::temp().filePath(
        QStringLiteral("lumo-translations-%1.ts").arg(QCoreApplication::applicationPid()));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUMO_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(LUMO_SOURCE_DIR "/src"), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const Messages current = readMessages(fresh);
    QFile::remove(fresh);
    ASSERT_GT(current.size(), 200u);

    for (const char* language : {"de", "fr", "es"}) {
        const Messages kept = readMessages(translationFile(language));
        for (const auto& [key, unused] : current) {
            const auto found = kept.find(key);
            const std::string what = std::string(language) + ": " + key.first.toStdString() +
                                     " \"" + key.second.toStdString() + "\"";
            ASSERT_NE(found, kept.end()) << what << " is not in the translations (lupdate)";
            ASSERT_FALSE(found->second.isEmpty()) << what << " is not translated";
            for (const QString& form : found->second) {
                EXPECT_EQ(markers(form), markers(key.second))
                    << what << " -> " << form.toStdString();
            }
        }
    }
}

// Words of at least three letters, lower-cased.
std::set<QString> wordsOf(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\p{L}{3,}"));
    std::set<QString> words;
    for (const auto& match : word.globalMatch(text)) {
        words.insert(match.captured().toLower());
    }
    return words;
}

// Every text a window shows or tells a screen reader, its menus' included.
void gather(const QWidget& root, QStringList& texts) {
    const auto widget = [&texts](const QWidget& w) {
        texts << w.windowTitle() << w.toolTip() << w.accessibleName() << w.accessibleDescription();
        if (const auto* label = qobject_cast<const QLabel*>(&w)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
            texts << button->text();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) {
            texts << edit->placeholderText();
        } else if (const auto* box = qobject_cast<const QComboBox*>(&w)) {
            for (int i = 0; i < box->count(); ++i) {
                texts << box->itemText(i);
            }
            texts << box->currentText();
        } else if (const auto* menu = qobject_cast<const QMenu*>(&w)) {
            texts << menu->title();
            for (const QAction* action : menu->actions()) {
                texts << action->text() << action->toolTip();
                if (action->menu() != nullptr) {
                    gather(*action->menu(), texts);
                }
            }
        }
    };
    widget(root);
    for (const QWidget* child : root.findChildren<QWidget*>()) {
        widget(*child);
    }
}

class GermanDesktop : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(QLocale::system().language(), QLocale::German)
            << "the suite runs this test with LANG=de_DE.UTF-8";
        installTranslations(*QCoreApplication::instance());
    }

    void SetUp() override {
        const Messages german = readMessages(translationFile("de"));
        for (const auto& [key, forms] : german) {
            for (const QString& w : wordsOf(key.second)) {
                english.insert(w);
            }
            for (const QString& form : forms) {
                for (const QString& w : wordsOf(form)) {
                    germanWords.insert(w);
                }
            }
        }
        dir.write("DEFAULT",
                  "\"RADIO\",\"Radio Alpha\",\"\",\"http://127.0.0.1:9/a\",\"NONE\"\r\n");
        dir.write(
            "Lumo.csv",
            "\"RADIO\",\"News and Talk\",\"Radio Alpha\",\"http://p/\",\"http://127.0.0.1:9/a\","
            "\"NONE\"\r\n\"RADIO\",\"Jazz\",\"Radio Beta\",\"http://p/\","
            "\"http://127.0.0.1:9/b\",\"NONE\"\r\n");
    }

    // The texts that hold a word found only in the English texts.
    QStringList leftInEnglish(const QStringList& texts) const {
        QStringList english_;
        for (const QString& text : texts) {
            for (const QString& w : wordsOf(text)) {
                if (english.count(w) != 0 && germanWords.count(w) == 0) {
                    english_ << text;
                    break;
                }
            }
        }
        english_.removeDuplicates();
        return english_;
    }

    std::set<QString> english;
    std::set<QString> germanWords;
};

TEST_F(GermanDesktop, EveryWindowAndMenuSpeaksGerman) {
    auto window = makeWindow();
    window->load();
    QStringList texts;
    gather(*window, texts);
    // The player's menu, with the sleep timer's choices.
    QMenu* menu = window->openMenu(QPoint(0, 0));
    gather(*menu, texts);
    EXPECT_TRUE(texts.contains(QStringLiteral("Sleep-Timer")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Titel-Benachrichtigungen")));
    menu->close();

    // The chooser with a translated genre, and its station menu.
    window->loadChooser();
    Stations* chooser = window->chooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Lumo – Senderliste"));
    const int news = chooser->Combo1->findText(QStringLiteral("Nachrichten und Wort"));
    ASSERT_GE(news, 0) << "the genre box shows the genre in German";
    chooser->Combo1->setCurrentIndex(news);
    chooser->genreChosen();
    ASSERT_EQ(chooser->List1->count(), 1) << "the German name chooses the list's own genre";
    gather(*chooser, texts);
    QMenu* stationMenu = chooser->openStationMenu(QPoint(10, 10));
    gather(*stationMenu, texts);
    stationMenu->close();
    std::unique_ptr<StationEditor> editor(
        chooser->openStationEditor(StationRecord{"RADIO", {}, {}, {}, {}, {}}));
    ASSERT_NE(editor, nullptr);
    gather(*editor, texts);
    editor.reset();

    // About, help, the titles heard, the progress of an update and opening an address.
    for (ClickLabel* button : {window->Image38, window->Image39}) {
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_NE(window->infoWindow(), nullptr);
        gather(*window->infoWindow(), texts);
        window->infoWindow()->close();
    }
    window->songTitles().openWindow();
    ASSERT_NE(window->songTitles().window(), nullptr);
    gather(*window->songTitles().window(), texts);
    UpdateProgressWindow progress(QRect(0, 0, 300, 400));
    progress.showProgress(10, 100);
    gather(progress, texts);
    OpenAddressDialog open({}, window.get());
    gather(open, texts);
    // The status line, from playback.
    media->state = PlayState::Ready;
    state.streamReached = 0;
    window->Timer1->tick();
    texts << window->Label1->accessibleName();

    texts.removeAll(QString());
    EXPECT_GT(texts.size(), 100);
    EXPECT_EQ(leftInEnglish(texts).join(QStringLiteral(" | ")).toStdString(), "");
}

TEST_F(GermanDesktop, MessagesAreShownInGermanLineByLineAndQtsOwnTextsToo) {
    QtMessageBoxes boxes;
    boxes.show(std::string("Station Update Complete\n") + "31 Sender", MessageBoxes::Icon::None,
               {});
    boxes.show(" Failed to Connect Update Website", MessageBoxes::Icon::Stop, {});
    QStringList shown;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(top)) {
            shown << box->text();
        }
    }
    shown.sort();
    EXPECT_EQ(shown,
              QStringList({QStringLiteral("Senderliste aktualisiert\n31 Sender"),
                           QStringLiteral("Verbindung zur Aktualisierungsseite fehlgeschlagen")}));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

} // namespace
} // namespace lumo
