#pragma once

#include <QList>

#include <cstdint>

namespace tv {

// A random order of n items: every permutation equally likely. Works on
// positions, not on texts, so two equal names cannot make it run forever.
QList<int> shuffledOrder(int n, std::uint64_t seed);

} // namespace tv
