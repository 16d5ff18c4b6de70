#include "Shuffle.h"

#include <random>

namespace tv {

QList<int> shuffledOrder(int n, std::uint64_t seed)
{
    QList<int> order;
    order.reserve(n);
    for (int i = 0; i < n; ++i)
        order.append(i);
    std::mt19937_64 rng(seed);
    for (int i = n - 1; i > 0; --i) {
        std::uniform_int_distribution<int> pick(0, i);
        std::swap(order[i], order[pick(rng)]);
    }
    return order;
}

} // namespace tv
