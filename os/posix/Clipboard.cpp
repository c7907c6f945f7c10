#include "os/Clipboard.h"

namespace zazuzar::os {

std::span<const ClipboardMarker> SecretClipboardMarkers() {
  static constexpr ClipboardMarker kMarkers[] = {{"x-kde-passwordManagerHint", "secret"}};
  return kMarkers;
}

}  // namespace zazuzar::os
