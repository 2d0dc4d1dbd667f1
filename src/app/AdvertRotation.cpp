#include "app/AdvertRotation.h"

#include "catalogue/FileIO.h"
#include "net/HttpTransfer.h"
#include "platform/ClickLabel.h"
#include "platform/PictureDecoder.h"
#include "platform/UrlOpener.h"

#include <filesystem>

namespace lumo {

namespace {

// Shorter than this, an advert file counts as absent.
constexpr std::uintmax_t kSmallestAdvert = 1000;
constexpr int kLastAdvert = 500;

} // namespace

AdvertRotation::AdvertRotation(ProgramState& state, const AppFolder& folder, HttpTransfer& http,
                               PictureDecoder& decoder, FILEIO& fileIO, UrlOpener& shell,
                               AdvertView view)
    : m_state(state), m_folder(folder), m_http(http), m_decoder(decoder), m_fileIO(fileIO),
      m_shell(shell), m_view(view) {}

std::filesystem::path AdvertRotation::advertFile(int number) const {
    return m_folder.resolve("\\ADS\\AD" + std::to_string(number) + ".jpg");
}

QSize AdvertRotation::shownSize() const {
    return m_view.image.size() * m_view.image.devicePixelRatioF();
}

void AdvertRotation::show(const QPixmap& picture) {
    m_view.image.setPixmap(picture);
    m_view.image.show();
}

void AdvertRotation::abandon() {
    m_work.reset();
    m_download.reset();
}

void AdvertRotation::ShowAdvert() {
    if (stepping()) {
        return; // the step before is still fetching: it finishes first
    }
    ++m_state.advertNumber;
    const int number = m_state.advertNumber;
    if (number <= 1) {
        endStep();
        return;
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(advertFile(number), ec);
    if (!ec && size >= kSmallestAdvert) {
        m_state.advertLink.clear();
        m_fileIO.ReadAdvertLink();
        showStored(number);
        endStep();
        return;
    }
    if (m_state.advertListComplete == 1) {
        m_state.advertNumber = 0;
        m_view.image.setPixmap(m_view.defaultPicture);
        endStep();
        return;
    }
    m_download = DownloadAdvert();
}

void AdvertRotation::endStep() {
    if (m_state.advertNumber > kLastAdvert) {
        m_state.advertNumber = 0;
    }
}

// A stored advert shows as it was decoded when it arrived; one that is no picture leaves the
// previous picture. A file this run did not fetch is decoded once, the first time it is due.
void AdvertRotation::showStored(int number) {
    if (const auto known = m_pictures.find(number); known != m_pictures.end()) {
        if (known->second) {
            show(*known->second);
        }
        return;
    }
    const auto bytes = readWholeFile(advertFile(number));
    if (!bytes) {
        return;
    }
    m_work = m_decoder.decode(QByteArray::fromStdString(*bytes), shownSize(),
                              [this, number](std::optional<QImage> picture) {
                                  m_work.reset();
                                  auto& kept = m_pictures[number];
                                  if (picture) {
                                      kept = QPixmap::fromImage(*picture);
                                      kept->setDevicePixelRatio(m_view.image.devicePixelRatioF());
                                      if (m_state.advertNumber == number) {
                                          show(*kept);
                                      }
                                  }
                              });
}

// The fetched bytes become the advert file as they are (the first cycle shows each advert as
// it arrives); a failed fetch, a short body or one that is no picture ends the list.
Task AdvertRotation::DownloadAdvert() {
    const int number = m_state.advertNumber;
    std::error_code ec;
    std::filesystem::create_directory(m_folder.resolve("\\ADS"), ec);
    const std::string address = m_view.httpBase + "AD" + std::to_string(number) + ".jpg";
    const auto body = co_await step<std::optional<std::string>>(
        [&](auto done) { return m_http.OpenURL(address, done); });
    if (!body || body->size() < kSmallestAdvert) {
        if (body) {
            replaceFileAtomically(advertFile(number), *body); // kept, as short as it is
        }
        endOfList(number);
    } else {
        // Written to its file and decoded by the decoder's worker, then shown.
        const auto picture = co_await step<std::optional<QImage>>([&](auto done) {
            return m_decoder.decode(QByteArray::fromStdString(*body), shownSize(), done,
                                    advertFile(number));
        });
        m_pictures[number].reset();
        if (picture) {
            QPixmap kept = QPixmap::fromImage(*picture);
            kept.setDevicePixelRatio(m_view.image.devicePixelRatioF());
            m_pictures[number] = kept;
            show(kept);
        } else {
            endOfList(number);
        }
    }
    if (m_state.advertNumber == 2) {
        co_await DownloadAdvertLinks();
    }
    m_fileIO.ReadAdvertLink();
    endStep();
}

void AdvertRotation::endOfList(int number) {
    if (number > 1) {
        m_state.advertListComplete = 1;
    }
    m_state.advertNumber = 1;
    m_view.image.setPixmap(m_view.defaultPicture);
}

Step<bool> AdvertRotation::DownloadAdvertLinks() {
    return step<bool>([this](auto done) {
        return m_http.OpenURL(
            m_view.httpBase + "image2url.csv", [this, done](std::optional<std::string> body) {
                if (body) {
                    replaceFileAtomically(m_folder.resolve("\\image2url.csv"), *body);
                }
                done(body.has_value());
            });
    });
}

// The link comes from the network: only a network address reaches the desktop.
void AdvertRotation::clicked() {
    if (!m_state.advertLink.empty() && isNetworkAddress(m_state.advertLink)) {
        m_shell.open(m_state.advertLink);
    }
}

} // namespace lumo
