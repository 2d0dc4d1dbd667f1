#include "record/RecordingName.h"

#include <QString>

namespace lumo {

std::string safeFileName(std::string_view utf8, std::size_t maxBytes) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    for (QChar& c : text) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format ||
            category == QChar::Other_NotAssigned || category == QChar::Other_PrivateUse ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph) {
            c = QLatin1Char(' ');
        } else if (QStringLiteral("/\\:*?\"<>|").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    text = text.simplified();
    while (!text.isEmpty() &&
           (text.front() == QLatin1Char('.') || text.front() == QLatin1Char(' '))) {
        text.remove(0, 1);
    }
    std::string name;
    for (qsizetype i = 0; i < text.size();) {
        // One character: a surrogate pair stays whole.
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray bytes = text.mid(i, n).toUtf8();
        if (name.size() + static_cast<std::size_t>(bytes.size()) > maxBytes) {
            break;
        }
        name.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        i += n;
    }
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        name.pop_back();
    }
    return name.empty() ? std::string("Recording") : name;
}

} // namespace lumo
