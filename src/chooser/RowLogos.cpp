#include "chooser/RowLogos.h"

#include "logos/LogoSource.h"

#include <QListWidget>
#include <QScrollBar>
#include <vector>

namespace lumo {

RowLogos::RowLogos(QListWidget& list, LogoSource& source, Address address)
    : QObject(&list), m_list(list), m_source(source), m_address(std::move(address)) {
    m_list.setIconSize(QSize(kSide, kSide));
    m_blank = QPixmap(QSize(kSide, kSide) * m_list.devicePixelRatioF());
    m_blank.setDevicePixelRatio(m_list.devicePixelRatioF());
    m_blank.fill(Qt::transparent);
    m_settle.setSingleShot(true);
    m_settle.setInterval(60);
    connect(&m_settle, &QTimer::timeout, this, &RowLogos::refresh);
    connect(m_list.verticalScrollBar(), &QScrollBar::valueChanged, &m_settle,
            qOverload<>(&QTimer::start));
}

RowLogos::~RowLogos() = default;

void RowLogos::setActive(bool active) {
    m_active = active;
    if (!m_active) {
        m_fetches.clear();
        return;
    }
    for (int row = 0; row < m_list.count(); ++row) {
        placeholder(*m_list.item(row));
    }
}

void RowLogos::placeholder(QListWidgetItem& item) const {
    if (m_active && item.icon().isNull()) {
        item.setIcon(QIcon(m_blank));
    }
}

void RowLogos::rowsChanged() {
    m_settle.start();
}

void RowLogos::refresh() {
    if (!m_active) {
        return;
    }
    const QRect view = m_list.viewport()->rect();
    const QListWidgetItem* top = m_list.itemAt(view.topLeft());
    if (top == nullptr) {
        m_fetches.clear(); // nothing listed
        return;
    }
    const int first = m_list.row(top);
    const QListWidgetItem* bottom = m_list.itemAt(QPoint(view.left(), view.bottom()));
    const int last = bottom != nullptr ? m_list.row(bottom) : m_list.count() - 1;
    std::vector<std::pair<QListWidgetItem*, std::string>> shown;
    std::unordered_set<std::string> wanted;
    for (int row = first; row <= last; ++row) {
        QListWidgetItem* item = m_list.item(row);
        std::string address = m_address(item->text());
        if (!address.empty()) {
            wanted.insert(address);
            shown.emplace_back(item, std::move(address));
        }
    }
    std::erase_if(m_fetches, [&](const auto& fetch) { return !wanted.contains(fetch.first); });
    for (auto& [item, shownAddress] : shown) {
        const std::string& address = shownAddress;
        if (const auto kept = m_logos.find(address); kept != m_logos.end()) {
            item->setIcon(QIcon(kept->second));
            continue;
        }
        if (m_failed.contains(address) || m_fetches.contains(address) ||
            m_fetches.size() >= static_cast<std::size_t>(kAtOnce)) {
            continue;
        }
        const qreal ratio = m_list.devicePixelRatioF();
        const int side = static_cast<int>(kSide * ratio);
        m_fetches.emplace(address,
                          m_source.fetch(address, QSize(side, side),
                                         [this, address = address, ratio](LogoSource::Logo logo) {
                                             QPixmap pixmap;
                                             if (logo.image) {
                                                 pixmap = QPixmap::fromImage(*logo.image);
                                                 pixmap.setDevicePixelRatio(ratio);
                                             }
                                             arrived(address, pixmap);
                                         }));
    }
}

void RowLogos::arrived(const std::string& address, const QPixmap& logo) {
    if (m_logos.size() + m_failed.size() >= static_cast<std::size_t>(kKept)) {
        m_logos.clear();
        m_failed.clear();
    }
    if (logo.isNull()) {
        m_failed.insert(address);
    } else {
        m_logos.emplace(address, logo);
    }
    m_fetches.erase(address); // the fetch that called: it ends when this returns
    refresh();
}

} // namespace lumo
