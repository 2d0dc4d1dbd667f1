#include "app/AdvertRotation.h"

#include "catalogue/FileIO.h"
#include "platform/ClickLabel.h"
#include "platform/HttpTransfer.h"
#include "platform/UrlOpener.h"

#include <filesystem>

namespace lumo {

namespace {

// Shorter than this, an advert file counts as absent.
constexpr std::uintmax_t kSmallestAdvert = 1000;
constexpr int kLastAdvert = 500;

bool loadPicture(ClickLabel& image, const std::filesystem::path& file) {
    QPixmap picture;
    if (!picture.load(QString::fromStdString(file.string()))) {
        return false; // what cannot be decoded leaves the previous picture
    }
    image.setPixmap(picture);
    image.show();
    return true;
}

} // namespace

AdvertRotation::AdvertRotation(ProgramState& state, const AppFolder& folder, HttpTransfer& http,
                               FILEIO& fileIO, UrlOpener& shell, AdvertView view)
    : m_state(state), m_folder(folder), m_http(http), m_fileIO(fileIO), m_shell(shell),
      m_view(view) {}

std::filesystem::path AdvertRotation::advertFile(int number) const {
    return m_folder.resolve("\\ADS\\AD" + std::to_string(number) + ".jpg");
}

void AdvertRotation::ShowAdvert() {
    ++m_state.advertNumber;
    const int number = m_state.advertNumber;
    if (number > 1) {
        std::error_code ec;
        const auto size = std::filesystem::file_size(advertFile(number), ec);
        if (ec || size < kSmallestAdvert) {
            if (m_state.advertListComplete == 1) {
                m_state.advertNumber = 0;
                m_view.image.setPixmap(m_view.defaultPicture);
            } else {
                DownloadAdvert();
                if (m_state.advertNumber == 2) {
                    DownloadAdvertLinks();
                }
                m_fileIO.ReadAdvertLink();
            }
        } else {
            m_state.advertLink.clear();
            m_fileIO.ReadAdvertLink();
            loadPicture(m_view.image, advertFile(number));
        }
    }
    if (m_state.advertNumber > kLastAdvert) {
        m_state.advertNumber = 0;
    }
}

// The fetched bytes become the advert file as they are (the first cycle shows each advert as
// it arrives); a failed fetch, a short body or one that is no picture ends the list.
void AdvertRotation::DownloadAdvert() {
    const int number = m_state.advertNumber;
    std::error_code ec;
    std::filesystem::create_directory(m_folder.resolve("\\ADS"), ec);
    const std::filesystem::path file = advertFile(number);
    const std::uint64_t generation = m_generation;
    const auto body = m_http.OpenURL(m_view.httpBase + "AD" + std::to_string(number) + ".jpg");
    if (generation != m_generation) {
        return;
    }
    if (body && replaceFileAtomically(file, *body) && body->size() >= kSmallestAdvert &&
        loadPicture(m_view.image, file)) {
        return;
    }
    endOfList(number);
}

void AdvertRotation::endOfList(int number) {
    if (number > 1) {
        m_state.advertListComplete = 1;
    }
    m_state.advertNumber = 1;
    m_view.image.setPixmap(m_view.defaultPicture);
}

// A failed fetch keeps an older link file.
void AdvertRotation::DownloadAdvertLinks() {
    const std::uint64_t generation = m_generation;
    const auto body = m_http.OpenURL(m_view.httpBase + "image2url.csv");
    if (body && generation == m_generation) {
        replaceFileAtomically(m_folder.resolve("\\image2url.csv"), *body);
    }
}

// The link comes from the network: only a network address reaches the desktop.
void AdvertRotation::clicked() {
    if (!m_state.advertLink.empty() && isNetworkAddress(m_state.advertLink)) {
        m_shell.open(m_state.advertLink);
    }
}

} // namespace lumo
