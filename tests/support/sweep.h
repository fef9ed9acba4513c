// Whole-range sweeps step by VELMORA_SWEEP_STRIDE: 1 (every value) in the
// optimised build, larger under the sanitizers so they finish in minutes.
#pragma once

namespace velmora::test {

#ifndef VELMORA_SWEEP_STRIDE
#define VELMORA_SWEEP_STRIDE 1
#endif
inline constexpr int kSweepStride = VELMORA_SWEEP_STRIDE;

}  // namespace velmora::test
