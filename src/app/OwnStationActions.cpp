#include "app/OwnStationActions.h"

#include "app/GivenStation.h"
#include "app/OpenAddressDialog.h"
#include "catalogue/FileIO.h"
#include "catalogue/MyStations.h"
#include "chooser/StationEditor.h"
#include "platform/MessageBoxes.h"
#include "playback/Playback.h"
#include "state/ProgramState.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace lumo {

OwnStationActions::OwnStationActions(Parts parts, QWidget& window)
    : QObject(&window), m_parts(parts), m_window(window) {}

void OwnStationActions::play(const GivenStation& station) {
    if (station.refused()) {
        m_parts.playback.noteOnStatusLine(QString::fromStdString(station.refusal));
    } else {
        m_parts.playback.openAddress(station.address, station.name);
    }
}

OpenAddressDialog* OwnStationActions::openAddressDialog() {
    auto* dialog = new OpenAddressDialog(
        {[this](const GivenStation& station) { play(station); },
         [this](const GivenStation& station) {
             StationRecord fresh{"RADIO", {}, station.name, "NONE", station.address, "NONE"};
             openStationEditor(fresh);
         }},
        &m_window);
    dialog->open();
    return dialog;
}

void OwnStationActions::pasteAddress() {
    readGivenStationLater(QGuiApplication::clipboard()->text(), this,
                          [this](const GivenStation& station) { play(station); });
}

void OwnStationActions::playDropped(const QMimeData& data) {
    QString dropped;
    if (data.hasUrls() && !data.urls().isEmpty()) {
        const QUrl url = data.urls().first();
        dropped = url.isLocalFile() ? url.toLocalFile() : url.toString();
    } else if (data.hasText()) {
        dropped = data.text();
    }
    readGivenStationLater(dropped, this, [this](const GivenStation& station) { play(station); });
}

StationRecord OwnStationActions::currentStation() const {
    const Station& s = m_parts.state.CurrentStation;
    return {s.kind.empty() ? "RADIO" : s.kind,
            m_parts.state.recordGenre,
            s.name,
            s.webPage.empty() ? "NONE" : s.webPage,
            s.streamUrl,
            s.liveFeedUrl};
}

StationEditor* OwnStationActions::openStationEditor(const StationRecord& station) {
    auto* editor = new StationEditor(station, m_parts.fileIO.genres(station.kind),
                                     m_parts.myStations, m_parts.messages, &m_window);
    editor->kept = [this, kind = station.kind, name = station.name](const StationRecord& kept) {
        stationChanged(kept, kind, name);
    };
    editor->open();
    return editor;
}

void OwnStationActions::stationChanged(const StationRecord& station, const std::string& kind,
                                       const std::string& name) {
    Station& current = m_parts.state.CurrentStation;
    if (current.kind == kind && current.name == name) {
        current = {station.kind, station.name, station.webPage, current.streamUrl,
                   station.liveFeedUrl};
        m_parts.state.recordGenre = station.genre;
        m_parts.state.shownStationName = station.name;
    }
}

void OwnStationActions::addMenuItems(QMenu& menu) {
    connect(menu.addAction(tr("Open Address...")), &QAction::triggered, this,
            &OwnStationActions::openAddressDialog);
    const StationRecord current = currentStation();
    const auto own = m_parts.myStations.find(current.kind, current.name);
    QAction* add = menu.addAction(tr("Add Station..."));
    connect(add, &QAction::triggered, this, [this, current, own] {
        openStationEditor(own || current.streamUrl.empty()
                              ? StationRecord{"RADIO", {}, {}, {}, {}, {}}
                              : current);
    });
    QAction* edit = menu.addAction(tr("Edit Station..."));
    edit->setEnabled(own.has_value());
    connect(edit, &QAction::triggered, this, [this, own] { openStationEditor(*own); });
    QAction* remove = menu.addAction(tr("Remove Station"));
    remove->setEnabled(own.has_value());
    connect(remove, &QAction::triggered, this, [this, current] {
        if (!m_parts.myStations.remove(current.kind, current.name)) {
            m_parts.messages.show(kMyStationsNotSaved, MessageBoxes::Icon::Stop);
        }
    });
}

} // namespace lumo
