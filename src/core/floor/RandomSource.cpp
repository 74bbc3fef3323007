#include "core/floor/RandomSource.h"

#include <random>

namespace {

class SeededRandom : public RandomSource {
public:
    SeededRandom()
        : mEngine(std::random_device {}())
    {
    }
    double next() override
    {
        const double x = std::generate_canonical<double, 53>(mEngine);
        // generate_canonical may round up to 1 on some libraries.
        return x < 1.0 ? x : 0.0;
    }

private:
    std::mt19937_64 mEngine;
};

SeededRandom gSeeded;
RandomSource* gSource = &gSeeded;

} // namespace

RandomSource& randomSource() { return *gSource; }

void setRandomSource(RandomSource* source) { gSource = source ? source : &gSeeded; }

int Draw(RandomSource& source, int n)
{
    if (n < 1)
        return 0;
    double rnd = source.next();
    if (!(rnd >= 0.0) || rnd >= 1.0)
        rnd = 0.0;
    const int r = static_cast<int>(n * rnd) + 1;
    return r > n ? n : r;
}
