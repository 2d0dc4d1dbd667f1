#pragma once

#include "platform/Pending.h"

#include <QObject>
#include <QPixmap>
#include <QTimer>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>

class QListWidget;
class QListWidgetItem;

namespace lumo {

class LogoSource;

// Small logos beside the names in the station list, fetched for the rows in view only, a few
// at a time. A row that scrolls out of view before its logo comes has its fetch cancelled; a
// logo that fails is not asked for again while the chooser is open. Rows wait with a blank
// of the logo's size, so that names stay in line.
class RowLogos : public QObject {
    Q_OBJECT
public:
    static constexpr int kSide = 16;  // the logo's side, in the list's pixels
    static constexpr int kAtOnce = 4; // fetches under way at most
    static constexpr int kKept = 512; // logos and failures remembered at most

    // `address` gives the logo's address for a row's name (empty without one).
    using Address = std::function<std::string(const QString& name)>;
    RowLogos(QListWidget& list, LogoSource& source, Address address);
    ~RowLogos() override;

    // Whether the list's stations have logos at all (a list from the directory); without, rows
    // are left as they are.
    void setActive(bool active);
    // A row as it is listed: a blank where its logo will be.
    void placeholder(QListWidgetItem& item) const;
    // The rows have changed (listed anew, or the stations' logos became known).
    void rowsChanged();
    // Fetches under way, for tests.
    std::size_t underWay() const { return m_fetches.size(); }

private:
    void refresh();
    void arrived(const std::string& address, const QPixmap& logo);

    QListWidget& m_list;
    LogoSource& m_source;
    Address m_address;
    QTimer m_settle; // rows flying past while scrolling are not fetched
    bool m_active = false;
    QPixmap m_blank;
    std::unordered_map<std::string, QPixmap> m_logos;
    std::unordered_set<std::string> m_failed;
    std::unordered_map<std::string, PendingPtr> m_fetches;
};

} // namespace lumo
