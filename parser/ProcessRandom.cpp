#include "parser/ProcessRandom.h"

namespace kv::detail {

std::uint32_t randomSeed = 0;  // the same sequence on every run

}  // namespace kv::detail
