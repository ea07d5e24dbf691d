#pragma once

namespace colvexa::bench {

// How many times operator new has run in this process so far.
long Allocations();

}  // namespace colvexa::bench
