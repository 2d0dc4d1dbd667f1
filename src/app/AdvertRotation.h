#pragma once

#include "platform/AppFolder.h"
#include "platform/Task.h"
#include "state/ProgramState.h"

#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace lumo {

class ClickLabel;
class FILEIO;
class HttpTransfer;
class PictureDecoder;
class UrlOpener;

// What the advert rotation works with in the player window.
struct AdvertView {
    ClickLabel& image;             // the advert image
    const QPixmap& defaultPicture; // shown before the first advert and between cycles
    const std::string& httpBase;   // the update site's HTTP base: host and "downloads/LUMO/"
};

// The advert image: one advert picture from the update site every ten seconds, fetched on its
// first showing into "\ADS", with the web address "\image2url.csv" gives it. Each advert is
// decoded once, when it arrives, and kept at the size it is shown. A step that fetches goes on
// as its results arrive; the rotation's next tick waits until it has ended.
class AdvertRotation {
public:
    AdvertRotation(ProgramState& state, const AppFolder& folder, HttpTransfer& http,
                   PictureDecoder& decoder, FILEIO& fileIO, UrlOpener& shell, AdvertView view);

    // One rotation step (the advert timer's tick).
    void ShowAdvert();
    // A click on the advert image: opens the advert's address, if it is a network address.
    void clicked();
    // The program is ending: the step under way is cancelled.
    void abandon();
    // A step is still under way (fetching or decoding).
    bool stepping() const { return m_work || m_download.running(); }

private:
    // Fetches advert `advertNumber` into "\ADS" and shows it, or finds the end of the list;
    // then, after the second advert, the link file; then the step ends.
    Task DownloadAdvert();
    // Fetches the link file and keeps it (a failed fetch keeps an older one).
    Step<bool> DownloadAdvertLinks();
    std::filesystem::path advertFile(int number) const;
    void showStored(int number);
    void show(const QPixmap& picture);
    void endOfList(int number);
    void endStep();
    QSize shownSize() const;

    ProgramState& m_state;
    const AppFolder& m_folder;
    HttpTransfer& m_http;
    PictureDecoder& m_decoder;
    FILEIO& m_fileIO;
    UrlOpener& m_shell;
    AdvertView m_view;
    PendingPtr m_work; // the decode of a stored advert
    Task m_download;   // the fetches and decode of a new one
    // Each advert as decoded when it arrived; nothing for one that is no picture.
    std::map<int, std::optional<QPixmap>> m_pictures;
};

} // namespace lumo
