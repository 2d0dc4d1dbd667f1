#include "app/TitleHistory.h"

#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"
#include "catalogue/OwnFile.h"
#include "platform/AppFolder.h"

#include <QDateTime>

namespace lumo {

TitleHistory::TitleHistory(std::filesystem::path file) : m_file(std::move(file)) {
    m_writer.setMaxThreadCount(1);
    const auto bytes = readOwnFile(m_file);
    if (!bytes) {
        return;
    }
    FieldReader reader(*bytes);
    while (!reader.atEnd() && m_titles.size() < kKept) {
        const auto seconds = reader.nextNumber();
        auto station = reader.nextText();
        auto title = reader.nextText();
        if (!seconds || !station || !title) {
            break; // a cut file keeps what came before the cut
        }
        m_titles.push_back({std::chrono::system_clock::time_point(std::chrono::seconds(*seconds)),
                            std::move(*station), std::move(*title)});
    }
}

bool TitleHistory::heard(const std::string& title, const std::string& station,
                         std::chrono::system_clock::time_point when) {
    if (title.empty() ||
        (!m_titles.empty() && m_titles.front().title == FieldWriter::asWritten(title) &&
         m_titles.front().station == FieldWriter::asWritten(station))) {
        return false;
    }
    // Kept as the file keeps it, so that what is shown now is what shows after a restart.
    m_titles.push_front({std::chrono::time_point_cast<std::chrono::seconds>(when),
                         FieldWriter::asWritten(station), FieldWriter::asWritten(title)});
    while (m_titles.size() > kKept) {
        m_titles.pop_back();
    }
    save();
    return true;
}

TitleHistory::~TitleHistory() {
    m_writer.waitForDone();
}

void TitleHistory::save() {
    FieldWriter writer;
    for (const Heard& heard : m_titles) {
        writer
            .number(static_cast<long>(
                std::chrono::duration_cast<std::chrono::seconds>(heard.started.time_since_epoch())
                    .count()))
            .text(heard.station)
            .text(heard.title)
            .endRecord();
    }
    {
        std::lock_guard hold(m_unwritten->lock);
        const bool waiting = m_unwritten->bytes.has_value();
        m_unwritten->bytes = writer.bytes();
        if (waiting) {
            return; // the write waiting to start takes the newest list
        }
    }
    m_writer.start([unwritten = m_unwritten, file = m_file] {
        for (;;) {
            std::string bytes;
            {
                std::lock_guard hold(unwritten->lock);
                if (!unwritten->bytes) {
                    return;
                }
                bytes = std::move(*unwritten->bytes);
                unwritten->bytes.reset();
            }
            writeOwnFile(file, bytes);
        }
    });
}

std::string TitleHistory::line(const Heard& heard) {
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(heard.started.time_since_epoch()).count();
    const QString time = QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("HH:mm"));
    return time.toStdString() + "  " + heard.station + " - " + heard.title;
}

} // namespace lumo
