#include "os/Hardening.h"

#include <sys/resource.h>

namespace zazuzar::os {

void HardenProcess() {
  const rlimit none{0, 0};
  setrlimit(RLIMIT_CORE, &none);
}

}  // namespace zazuzar::os
