#include "engine/scene/random_source.h"

namespace ORB {

Random& RandomSource() {
  if (Random* published = GetDefaultRandom()) return *published;
  static Random stand_in(0);
  return stand_in;
}

}  // namespace ORB
