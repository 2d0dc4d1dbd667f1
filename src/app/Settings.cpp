#include "app/Settings.h"

#include "platform/AppFolder.h"

#include <QLoggingCategory>
#include <QSettings>
#include <algorithm>

namespace lumo {

namespace {

Q_LOGGING_CATEGORY(lcSettings, "lumo.settings")

const QString kVolumeKey = QStringLiteral("volume");
const QString kNotificationsKey = QStringLiteral("songNotifications");
const QString kSleepKey = QStringLiteral("sleepTimerMinutes");
constexpr int kLongestSleep = 24 * 60;

} // namespace

Settings::Settings(std::filesystem::path file, QObject* parent)
    : QObject(parent), m_file(std::move(file)) {
    // Read once, as the program starts.
    const QSettings kept(QString::fromStdString(m_file.string()), QSettings::IniFormat);
    bool number = false;
    const int volume = kept.value(kVolumeKey).toInt(&number);
    if (number) {
        m_volume = std::clamp(volume, 0, 100);
    }
    m_notifications = kept.value(kNotificationsKey, true).toBool();
    const int sleep = kept.value(kSleepKey).toInt(&number);
    if (number) {
        m_sleepMinutes = std::clamp(sleep, 0, kLongestSleep);
    }
    m_soon.setSingleShot(true);
    m_soon.setInterval(500);
    connect(&m_soon, &QTimer::timeout, this, &Settings::save);
    m_writer.setMaxThreadCount(1);
}

Settings::~Settings() {
    if (m_soon.isActive()) {
        save(); // the program is ending: what changed last is kept too
    }
    m_writer.waitForDone();
}

void Settings::setVolume(int level) {
    level = std::clamp(level, 0, 100);
    if (level != m_volume) {
        m_volume = level;
        changed();
    }
}

void Settings::setSongNotifications(bool on) {
    if (on != m_notifications) {
        m_notifications = on;
        changed();
    }
}

void Settings::setSleepMinutes(int minutes) {
    minutes = std::clamp(minutes, 0, kLongestSleep);
    if (minutes != m_sleepMinutes) {
        m_sleepMinutes = minutes;
        changed();
    }
}

std::string Settings::text() const {
    return "[General]\n" + kSleepKey.toStdString() + "=" + std::to_string(m_sleepMinutes) + "\n" +
           kNotificationsKey.toStdString() + "=" + (m_notifications ? "true" : "false") + "\n" +
           kVolumeKey.toStdString() + "=" + std::to_string(m_volume) + "\n";
}

void Settings::changed() {
    m_soon.start();
}

void Settings::save() {
    m_soon.stop();
    m_writer.start([file = m_file, text = text()] {
        if (!replaceFileAtomically(file, text)) {
            qCWarning(lcSettings, "SETTINGS could not be written: %s", file.c_str());
        }
    });
}

} // namespace lumo
