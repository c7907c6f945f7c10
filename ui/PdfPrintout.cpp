#include "ui/PdfPrintout.h"

#include <string>

namespace zazuzar {

PdfPrintout::PdfPrintout(const QString& path, int copies)
    : QPdfWriter(&buffer), path_(path), copies_(copies) {
  buffer.open(QIODevice::WriteOnly);
}

std::optional<os::SaveFailure> PdfPrintout::Save() const {
  return os::SaveWhole(path_,
                       std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       os::NewFileAccess::OwnerOnly);
}

}  // namespace zazuzar
