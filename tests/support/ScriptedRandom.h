#pragma once

#include "core/floor/RandomSource.h"

#include <deque>
#include <random>

// Random numbers for tests: the scripted draws first, in order; after them a
// fixed-seed generator, so a run repeats exactly.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<double> draws = {}, unsigned seed = 1)
        : draws(std::move(draws))
        , engine(seed)
    {
    }

    double next() override
    {
        if (!draws.empty()) {
            const double x = draws.front();
            draws.pop_front();
            return x;
        }
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
    }

    std::deque<double> draws;
    std::mt19937 engine;
};
