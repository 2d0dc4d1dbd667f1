// The listener's own ways to a station: an address opened, pasted or dropped on the window,
// and the stations they keep (the player menu's part of them).
#include "app/OpenAddressDialog.h"
#include "app/PlayerWindow.h"

#include "catalogue/MyStations.h"
#include "chooser/StationEditor.h"
#include "platform/MessageBoxes.h"
#include "platform/PlainText.h"
#include "playback/Playback.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace lumo {

namespace {

// What a drop offers: its first address (a file as its path), or its text.
QString droppedText(const QMimeData& data) {
    if (data.hasUrls() && !data.urls().isEmpty()) {
        const QUrl url = data.urls().first();
        return url.isLocalFile() ? url.toLocalFile() : url.toString();
    }
    return data.hasText() ? data.text() : QString();
}

} // namespace

void PlayerWindow::playGiven(const GivenStation& station) {
    if (station.refused()) {
        m_playback->noteOnStatusLine(QString::fromStdString(station.refusal));
    } else {
        m_playback->openAddress(station.address, station.name);
    }
}

OpenAddressDialog* PlayerWindow::openAddressDialog() {
    auto* dialog = new OpenAddressDialog(
        {[this](const GivenStation& station) { playGiven(station); },
         [this](const GivenStation& station) {
             StationRecord fresh{"RADIO", {}, station.name, "NONE", station.address, "NONE"};
             openStationEditor(fresh);
         }},
        this);
    dialog->open();
    return dialog;
}

void PlayerWindow::pasteAddress() {
    readGivenStationLater(QGuiApplication::clipboard()->text(), this,
                          [this](const GivenStation& station) { playGiven(station); });
}

void PlayerWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText()) {
        event->acceptProposedAction();
    }
}

void PlayerWindow::dropEvent(QDropEvent* event) {
    readGivenStationLater(droppedText(*event->mimeData()), this,
                          [this](const GivenStation& station) { playGiven(station); });
    event->acceptProposedAction();
}

StationRecord PlayerWindow::currentStationRecord() const {
    const Station& s = m_state.CurrentStation;
    return {s.kind.empty() ? "RADIO" : s.kind,      m_state.recordGenre, s.name,
            s.webPage.empty() ? "NONE" : s.webPage, s.streamUrl,         s.liveFeedUrl};
}

StationEditor* PlayerWindow::openStationEditor(const StationRecord& station) {
    auto* editor =
        new StationEditor(station, m_fileIO->genres(station.kind), *m_myStations, messages(), this);
    editor->kept = [this, kind = station.kind, name = station.name](const StationRecord& kept) {
        ownStationChanged(kept, kind, name);
    };
    editor->open();
    return editor;
}

void PlayerWindow::ownStationChanged(const StationRecord& station, const std::string& kind,
                                     const std::string& name) {
    Station& current = m_state.CurrentStation;
    if (current.kind == kind && current.name == name) {
        current = {station.kind, station.name, station.webPage, current.streamUrl,
                   station.liveFeedUrl};
        m_state.recordGenre = station.genre;
        m_state.shownStationName = station.name;
    }
}

void PlayerWindow::addOwnStationItems(QMenu& menu) {
    connect(menu.addAction(tr("Open Address...")), &QAction::triggered, this,
            &PlayerWindow::openAddressDialog);
    const StationRecord current = currentStationRecord();
    const auto own = m_myStations->find(current.kind, current.name);
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
        if (!m_myStations->remove(current.kind, current.name)) {
            messages().show(kMyStationsNotSaved, MessageBoxes::Icon::Stop);
        }
    });
}

} // namespace lumo
