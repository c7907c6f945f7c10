#include "os/Hardening.h"

#include <sys/resource.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace zazuzar::os {

void HardenProcess() {
  if constexpr (kSanitizerBuild) {
    return;
  }
  const rlimit none{0, 0};
  setrlimit(RLIMIT_CORE, &none);
#ifdef __linux__
  prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
}

}  // namespace zazuzar::os
