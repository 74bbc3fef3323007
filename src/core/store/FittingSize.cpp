#include "core/store/FittingSize.h"

int LargestFittingSize(int smallest, int largest, const std::function<bool(int size)>& fits)
{
    if (largest <= smallest || fits(largest))
        return largest;
    int good = smallest;
    int bad = largest;
    while (bad - good > 1) {
        const int size = (good + bad) / 2;
        (fits(size) ? good : bad) = size;
    }
    return good;
}
