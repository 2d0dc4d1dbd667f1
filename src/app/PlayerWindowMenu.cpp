// The player window's own menu (the right button where there is no control, or the Menu key)
// and the sleep timer it sets.
#include "app/PlayerWindow.h"

#include "app/OwnStationActions.h"
#include "app/Settings.h"
#include "app/SongTitles.h"
#include "catalogue/Favourites.h"
#include "media/MediaPlayer.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PlainText.h"
#include "platform/SkinStyle.h"
#include "platform/UrlOpener.h"
#include "playback/Playback.h"
#include "record/Recorder.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <system_error>

namespace lumo {

QString PlayerWindow::sleepTitle(const SleepTimer& timer) {
    return timer.running() ? tr("Sleep Timer (%n min left)", nullptr, timer.minutesLeft())
                           : tr("Sleep Timer");
}

void PlayerWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The controls keep the right button to themselves, but for the station's name: the menu
    // is the window's, and it holds the station's place among the favourites.
    if (const auto* control = qobject_cast<ClickLabel*>(childAt(event->pos()));
        control != nullptr && control != Label2 && control->role() != ClickLabel::Role::Picture &&
        event->reason() == QContextMenuEvent::Mouse) {
        event->ignore();
        return;
    }
    const QPoint where = event->reason() == QContextMenuEvent::Mouse
                             ? event->globalPos()
                             : mapToGlobal(QPoint(width() / 4, height() / 3));
    openMenu(where);
    event->accept();
}

QMenu* PlayerWindow::openMenu(QPoint where) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setStyleSheet(QLatin1String(kSkinMenuStyle));
    menu->setToolTipsVisible(true);

    SleepTimer& sleepTimer = m_playback->sleepTimer();
    QMenu* sleep = menu->addMenu(sleepTitle(sleepTimer));
    auto* choices = new QActionGroup(sleep);
    const auto choice = [&](const QString& text, int minutes) {
        QAction* action = sleep->addAction(text);
        action->setCheckable(true);
        action->setChecked(sleepTimer.minutesChosen() == minutes);
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, &sleepTimer, minutes] {
            sleepTimer.start(minutes);
            m_settings->setSleepMinutes(minutes);
        });
        // Not running, the listener's last choice is the one offered first.
        if (!sleepTimer.running() && minutes != 0 && minutes == m_settings->sleepMinutes()) {
            sleep->setDefaultAction(action);
            sleep->setActiveAction(action);
        }
    };
    choice(tr("Off"), 0);
    for (const int minutes : SleepTimer::kChoices) {
        choice(tr("%n minutes", nullptr, minutes), minutes);
    }
    const Station& station = m_state.CurrentStation;
    const bool favourite = m_favourites->contains(station.kind, station.name);
    QAction* keep =
        menu->addAction(favourite ? tr("Remove from Favourites") : tr("Add to Favourites"));
    keep->setEnabled(!station.name.empty() && !station.streamUrl.empty());
    connect(keep, &QAction::triggered, this, [this, station, favourite] {
        const bool saved = favourite ? m_favourites->remove(station.kind, station.name)
                                     : m_favourites->add(station);
        if (!saved) {
            messages().show(kFavouritesNotSaved, MessageBoxes::Icon::Stop);
        }
    });
    m_ownStations->addMenuItems(*menu);
    menu->addSeparator();
    // Moving in what a live stream has kept while it played.
    const bool canMove = m_playback->canMove();
    const auto move = [&](const QString& text, const std::function<void()>& step) {
        QAction* action = menu->addAction(text);
        action->setEnabled(canMove);
        connect(action, &QAction::triggered, this, step);
    };
    move(tr("Back 30 Seconds"), [this] { m_playback->moveBy(-Playback::kStepSeconds); });
    move(tr("Forward 30 Seconds"), [this] { m_playback->moveBy(Playback::kStepSeconds); });
    move(tr("Back to Live"), [this] { m_playback->moveToLive(); });
    menu->addSeparator();
    QAction* record = menu->addAction(tr("Record"));
    record->setCheckable(true);
    record->setChecked(m_playback->recording());
    record->setEnabled(m_playback->canRecord());
    if (!record->isEnabled()) {
        record->setToolTip(tr("Only a live audio stream can be recorded, not a clip, a video "
                              "or a segmented (HLS) stream"));
    }
    connect(record, &QAction::toggled, m_playback, &Playback::setRecording);
    connect(menu->addAction(tr("Open Recordings Folder")), &QAction::triggered, this, [this] {
        const std::filesystem::path& folder = m_playback->recorder().folder();
        std::error_code error;
        std::filesystem::create_directories(folder, error); // the file manager wants it there
        m_services.shell.open(
            QUrl::fromLocalFile(QString::fromStdString(folder.string())).toString().toStdString());
    });
    connect(menu->addAction(tr("Titles Heard...")), &QAction::triggered, m_songTitles,
            &SongTitles::openWindow);
    // Settings, apart from what is done while listening.
    menu->addSeparator();
    QAction* notes = menu->addAction(tr("Song Notifications"));
    notes->setCheckable(true);
    notes->setChecked(m_songTitles->notifications());
    connect(notes, &QAction::toggled, m_songTitles, &SongTitles::setNotifications);
    menu->popup(where); // the menu runs on the window's own event loop; nothing waits for it
    return menu;
}

void PlayerWindow::showSleepTimeLeft() {
    QString tip = tr("Adjust volume");
    const SleepTimer& sleepTimer = m_playback->sleepTimer();
    if (sleepTimer.running()) {
        tip +=
            QLatin1Char('\n') + tr("Sleep timer: %n min left", nullptr, sleepTimer.minutesLeft());
    }
    Image22->setToolTip(tip);
}

} // namespace lumo
