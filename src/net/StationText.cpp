#include "net/StationText.h"

namespace lumo {

QString cleanStationText(QString text, int longest) {
    for (QChar& c : text) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph) {
            c = QLatin1Char(' ');
        }
    }
    text = text.simplified();
    if (text.size() > longest && longest > 0) {
        qsizetype cut = longest - 1;
        if (text.at(cut - 1).isHighSurrogate()) {
            --cut; // never half a character
        }
        text = text.left(cut).trimmed() + QChar(0x2026);
    }
    return text;
}

std::string cleanStationText(std::string_view utf8, int longest) {
    return cleanStationText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())),
                            longest)
        .toStdString();
}

} // namespace lumo
