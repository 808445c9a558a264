#pragma once

namespace zerin {
class Zerin;
// ? (12), ?. (86) and ! (118).
void registerPrintCommands(Zerin& zerin);
}  // namespace zerin
