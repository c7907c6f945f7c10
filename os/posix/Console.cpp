#include "os/Console.h"

#include <cstdio>

namespace zazuzar::os {

void Tell(Answer answer, std::string_view utf8, std::string_view) {
  std::FILE* stream = answer == Answer::kError ? stderr : stdout;
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
  std::fflush(stream);
}

}  // namespace zazuzar::os
