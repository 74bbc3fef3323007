#pragma once

// The program's one source of random numbers, for seating. It is seeded once
// at start-up: seeding again before every run adds nothing and, from a clock
// with coarse ticks, can repeat the same draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform number in [0, 1).
    virtual double next() = 0;
};

// The program's generator; tests install a scripted one.
RandomSource& randomSource();
void setRandomSource(RandomSource* source);

// Draws one of n entries: Int(n * rnd + 1), so 1..n. n below 1 gives 0.
int Draw(RandomSource& source, int n);
