#pragma once

#include "platform/AppFolder.h"

namespace lumo {

// Deletes every file in the advert folder "\ADS"; the folder itself stays. A missing folder,
// an empty one or a file that cannot be deleted is no failure.
void deleteAdvertFiles(const AppFolder& folder);

} // namespace lumo
