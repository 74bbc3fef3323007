#pragma once

#include <functional>

// The largest size from smallest to largest at which `fits` holds, where it
// holds at every size below one at which it does (text that fits at one
// size fits at any smaller one); smallest when it holds at none. Found by
// halving the range, so a long search asks few times.
int LargestFittingSize(int smallest, int largest, const std::function<bool(int size)>& fits);
