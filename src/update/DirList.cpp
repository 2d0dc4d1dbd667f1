#include "update/DirList.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace lumo {

namespace {

bool sameKey(const std::string& a, const std::string& b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

} // namespace

void cDirList::Add(std::int32_t lAttrib, double, double, double, std::int32_t,
                   const std::string& sFilename) {
    if (sFilename == "password") {
        return;
    }
    if (find(sFilename) != nullptr) {
        throw std::invalid_argument("duplicate entry in the listing: " + sFilename);
    }
    cDirItem item;
    item.Directory = (lAttrib & kDirectoryAttribute) != 0;
    item.FileName = sFilename;
    m_items.push_back(std::move(item));
}

const cDirItem* cDirList::find(const std::string& key) const {
    const auto it = std::ranges::find_if(
        m_items, [&](const cDirItem& item) { return sameKey(item.FileName, key); });
    return it == m_items.end() ? nullptr : &*it;
}

const cDirItem& cDirList::Item(std::int32_t position) const {
    if (position < 1 || position > Count()) {
        throw std::out_of_range("no listing entry at " + std::to_string(position));
    }
    return m_items[static_cast<std::size_t>(position - 1)];
}

const cDirItem& cDirList::Item(const std::string& key) const {
    if (const cDirItem* item = find(key)) {
        return *item;
    }
    throw std::out_of_range("no listing entry named " + key);
}

} // namespace lumo
