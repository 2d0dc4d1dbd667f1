#include "desktop/StatusIcon.h"

#include "desktop/MprisHost.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

namespace lumo {

StatusIcon::StatusIcon(MprisHost& playback, Window window, QObject* parent)
    : QObject(parent), m_playback(playback), m_window(std::move(window)),
      m_menu(std::make_unique<QMenu>()) {
    m_playPause = m_menu->addAction(tr("Pause"));
    connect(m_playPause, &QAction::triggered, this, [this] {
        if (m_playback.mprisPlayState() == PlayState::Playing) {
            m_playback.mprisPause();
        } else {
            m_playback.mprisPlay();
        }
        refresh();
    });
    connect(m_menu->addAction(tr("Stop")), &QAction::triggered, this, [this] {
        m_playback.mprisStop();
        refresh();
    });
    m_menu->addSeparator();
    m_station = m_menu->addAction(QString());
    m_station->setEnabled(false);
    m_menu->addSeparator();
    m_showHide = m_menu->addAction(tr("Hide Lumo"));
    connect(m_showHide, &QAction::triggered, this, &StatusIcon::toggleWindow);
    connect(m_menu->addAction(tr("Quit")), &QAction::triggered, this,
            [this] { m_playback.mprisQuit(); });

    QIcon picture = QIcon::fromTheme(QStringLiteral(LUMO_APP_ID), QApplication::windowIcon());
    if (picture.isNull()) {
        picture = QIcon(QStringLiteral(":/artwork/icon.png"));
    }
    m_icon = new QSystemTrayIcon(picture, this);
    m_icon->setContextMenu(m_menu.get());
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick) {
                    toggleWindow();
                }
            });
    refresh();
    m_icon->show();
}

StatusIcon::~StatusIcon() {
    delete m_icon; // before the menu it names
}

void StatusIcon::toggleWindow() {
    if (m_window.shown()) {
        m_window.hide();
    } else {
        m_window.show();
    }
    refresh();
}

void StatusIcon::refresh() {
    const QString station = QString::fromStdString(m_playback.mprisStationName());
    const QString title = QString::fromStdString(m_playback.mprisNowPlaying());
    const QString tip = title.isEmpty() ? station : station + QLatin1Char('\n') + title;
    const auto set = [](QAction* action, const QString& text) {
        if (action->text() != text) {
            action->setText(text);
        }
    };
    set(m_playPause, m_playback.mprisPlayState() == PlayState::Playing ? tr("Pause") : tr("Play"));
    // An ampersand in a name is no shortcut mark.
    set(m_station, QString(station).replace(QLatin1Char('&'), QStringLiteral("&&")));
    m_station->setVisible(!station.isEmpty());
    set(m_showHide, m_window.shown() ? tr("Hide Lumo") : tr("Show Lumo"));
    if (m_icon->toolTip() != tip) {
        m_icon->setToolTip(tip);
    }
}

} // namespace lumo
