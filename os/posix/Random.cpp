#include "os/Random.h"

#include <sys/random.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace zazuzar::os {

void FillRandom(void* buffer, std::size_t size) {
  auto* bytes = static_cast<unsigned char*>(buffer);
  while (size > 0) {
    const ssize_t got = getrandom(bytes, size, 0);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw std::runtime_error(std::string("Zufallsquelle nicht verf\xFCgbar: ") +
                               std::strerror(errno));
    }
    bytes += got;
    size -= static_cast<std::size_t>(got);
  }
}

}  // namespace zazuzar::os
