#include "ui/Hardening.h"

#include <sys/resource.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace zazuzar {

bool HardenProcess() {
  if constexpr (kSanitizerBuild) {
    return true;
  }
  const rlimit none{0, 0};
  bool hardened = setrlimit(RLIMIT_CORE, &none) == 0;
#ifdef __linux__
  hardened = prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0 && hardened;
#endif
  return hardened;
}

}  // namespace zazuzar
