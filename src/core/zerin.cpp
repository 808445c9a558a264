#include "core/zerin.h"

namespace zerin {

Zerin::Zerin(Platform& p)
    : platform(p),
      output(txtDebug, settings.textLog),
      dispatcher(run, output),
      interpreter(*this) {}

}  // namespace zerin
