#pragma once

#include <deque>
#include <stdexcept>
#include <string>

// An array with the bounds the tournament model uses: entrants, awards and
// levels count from 1, payouts from 0. Reading or writing outside the bounds
// is a clear error (std::out_of_range), never a read past the end. An emptied
// array has no elements at all, not zeroed ones.
template <typename T>
class BoundedArray {
public:
    BoundedArray() = default;

    // Discards the contents; every element starts as T{}.
    void redim(long lower, long upper)
    {
        mLower = lower;
        mItems.assign(upper >= lower ? static_cast<std::size_t>(upper - lower + 1) : 0, T {});
    }

    // Keeps the lower bound and the elements that still fit.
    void redimPreserve(long upper)
    {
        mItems.resize(upper >= mLower ? static_cast<std::size_t>(upper - mLower + 1) : 0, T {});
    }

    void clear() { mItems.clear(); }

    bool empty() const { return mItems.empty(); }
    long lower() const { return mLower; }
    long upper() const { return mLower + static_cast<long>(mItems.size()) - 1; }
    long count() const { return static_cast<long>(mItems.size()); }
    bool contains(long i) const { return i >= mLower && i <= upper(); }

    T& operator[](long i) { return mItems[slot(i)]; }
    const T& operator[](long i) const { return mItems[slot(i)]; }
    // The element, or T{} outside the bounds: for reading a list that may be
    // shorter than the count that goes with it.
    T value(long i) const { return contains(i) ? (*this)[i] : T {}; }

    // Appends one element at upper() + 1.
    T& append(const T& value = T {})
    {
        mItems.push_back(value);
        return mItems.back();
    }

    auto begin() { return mItems.begin(); }
    auto end() { return mItems.end(); }
    auto begin() const { return mItems.begin(); }
    auto end() const { return mItems.end(); }

private:
    std::size_t slot(long i) const
    {
        if (!contains(i)) {
            throw std::out_of_range(
                "index " + std::to_string(i) + " is outside "
                + (empty() ? std::string("an empty list") : std::to_string(mLower) + ".." + std::to_string(upper())));
        }
        return static_cast<std::size_t>(i - mLower);
    }

    long mLower = 1;
    std::deque<T> mItems; // a deque, so that bool elements are real bools
};
