#pragma once

#include <QString>

namespace lumo {

// A genre as the listener reads it: the directory's genres and the update site's usual ones in
// the listener's language, any other as the list names it. What is kept and looked up is the
// list's own name.
QString shownGenre(const QString& genre);

} // namespace lumo
