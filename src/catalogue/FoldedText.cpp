#include "catalogue/FoldedText.h"

namespace lumo {

QString foldedText(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const auto category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing) {
            continue;
        }
        out += c;
    }
    return out.toCaseFolded().simplified();
}

} // namespace lumo
