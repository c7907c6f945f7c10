// What the clipboard is told about a copied secret.
#pragma once

#include <span>
#include <string_view>

namespace zazuzar::os {

// One extra clipboard format: its name as Qt's clipboard takes it (a MIME
// type, or on Windows the name of a registered clipboard format), and its
// bytes.
struct ClipboardMarker {
  std::string_view format;
  std::string_view bytes;
};

// The formats that go along with a copied key or message, so that clipboard
// managers keep it out of their history. On Linux desktops the hint that KDE's
// Klipper, GNOME's clipboard managers and most others honour; on Windows the
// three formats that keep it out of the clipboard history (Win+V) and the
// cloud clipboard.
std::span<const ClipboardMarker> SecretClipboardMarkers();

}  // namespace zazuzar::os
