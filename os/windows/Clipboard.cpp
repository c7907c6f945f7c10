#include "os/Clipboard.h"

using namespace std::string_view_literals;

namespace zazuzar::os {

std::span<const ClipboardMarker> SecretClipboardMarkers() {
  // Registered clipboard formats, named as Windows reads them: Qt's Windows
  // clipboard registers a format under a MIME type's own name. (Qt 6.4 does
  // so for "application/x-qt-windows-mime;value=..." too, whole, so that form
  // would never reach Windows under the name it looks for.) The first takes
  // any data; the other two a DWORD, 0 for "no".
  static constexpr std::string_view kNo = "\0\0\0\0"sv;
  static constexpr ClipboardMarker kMarkers[] = {
      {"ExcludeClipboardContentFromMonitorProcessing", kNo},
      {"CanIncludeInClipboardHistory", kNo},
      {"CanUploadToCloudClipboard", kNo},
  };
  return kMarkers;
}

}  // namespace zazuzar::os
