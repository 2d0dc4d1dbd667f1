#pragma once

#include "platform/AppFolder.h"
#include "platform/Pending.h"
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
    // Fetches advert `advertNumber` into "\ADS" and shows it, or finds the end of the list;
    // then runs `next`.
    void DownloadAdvert(std::function<void()> next);
    // Fetches the link file, then runs `next` (also when it failed).
    void DownloadAdvertLinks(std::function<void()> next);
    // A click on the advert image: opens the advert's address, if it is a network address.
    void clicked();
    // The program is ending: the step under way is cancelled.
    void abandon();
    // A step is still under way (fetching or decoding).
    bool stepping() const { return static_cast<bool>(m_work); }

private:
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
    PendingPtr m_work; // the fetch or decode of the step under way
    // Each advert as decoded when it arrived; nothing for one that is no picture.
    std::map<int, std::optional<QPixmap>> m_pictures;
};

} // namespace lumo
