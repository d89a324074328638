#pragma once

#include <QString>

// The single-instance lock: flock() on a file of the user's runtime folder.
// The kernel drops it when the process ends, however it ends, so a copy that
// crashed never blocks the next one; taking it writes and flushes nothing.
// The file is the one the earlier lock file used, which held the same kind of
// lock: a copy of an earlier version still blocks this one.
class VerrouInstance
{
public:
    VerrouInstance() = default;
    ~VerrouInstance();
    VerrouInstance(const VerrouInstance &) = delete;
    VerrouInstance &operator=(const VerrouInstance &) = delete;

    // False when another process holds the lock. When the file cannot be
    // opened at all, nothing tells that another copy runs: true.
    bool prend(const QString &chemin);
    // zelund-<user>.lock in the runtime folder (the temporary one without it).
    static QString chemin();

private:
    int m_fd = -1;
};
