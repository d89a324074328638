#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <QVector>
#include <algorithm>

// Shared helpers of the benchmarks: medians, peak memory, child runs.
namespace Mesure {

inline double mediane(QVector<double> v)
{
    if (v.isEmpty())
        return 0;
    std::sort(v.begin(), v.end());
    const auto n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// Peak resident memory of this process, in KiB.
long picMemoireKio();

// Runs this program again with the given arguments and returns what it
// printed on its standard output.
QString lanceEnfant(const QStringList &arguments);

} // namespace Mesure
