#pragma once

#include <QVector>
#include <algorithm>

// Shared helpers of the benchmarks: medians, quartiles, peak memory.
namespace Mesure {

// The q-quantile (0.5: the median), interpolated between the two nearest values.
inline double quantile(QVector<double> v, double q)
{
    if (v.isEmpty())
        return 0;
    std::sort(v.begin(), v.end());
    const double pos = q * double(v.size() - 1);
    const auto bas = qsizetype(pos);
    const auto haut = std::min(bas + 1, v.size() - 1);
    return v[bas] + (pos - double(bas)) * (v[haut] - v[bas]);
}

inline double mediane(const QVector<double> &v)
{
    return quantile(v, 0.5);
}

// Peak resident memory of this process, in KiB.
long picMemoireKio();

} // namespace Mesure
