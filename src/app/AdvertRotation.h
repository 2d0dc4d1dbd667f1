#pragma once

#include "platform/AppFolder.h"
#include "state/ProgramState.h"

#include <QPixmap>
#include <cstdint>
#include <string>

namespace lumo {

class ClickLabel;
class FILEIO;
class HttpTransfer;
class UrlOpener;

// What the advert rotation works with in the player window.
struct AdvertView {
    ClickLabel& image;             // the advert image
    const QPixmap& defaultPicture; // shown before the first advert and between cycles
    const std::string& httpBase;   // the update site's HTTP base: host and "downloads/LUMO/"
};

// The advert image: one advert picture from the update site every ten seconds, fetched on its
// first showing into "\ADS", with the web address "\image2url.csv" gives it.
class AdvertRotation {
public:
    AdvertRotation(ProgramState& state, const AppFolder& folder, HttpTransfer& http, FILEIO& fileIO,
                   UrlOpener& shell, AdvertView view);

    // One rotation step (the advert timer's tick).
    void ShowAdvert();
    void DownloadAdvert();
    void DownloadAdvertLinks();
    // A click on the advert image: opens the advert's address, if it is a network address.
    void clicked();
    // The program is ending: a fetch under way is dropped when it returns.
    void abandon() { ++m_generation; }

private:
    std::filesystem::path advertFile(int number) const;
    void endOfList(int number);

    ProgramState& m_state;
    const AppFolder& m_folder;
    HttpTransfer& m_http;
    FILEIO& m_fileIO;
    UrlOpener& m_shell;
    AdvertView m_view;
    std::uint64_t m_generation = 0;
};

} // namespace lumo
