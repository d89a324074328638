#pragma once

#include <QByteArray>
#include <QString>
#include <ctime>
#include <functional>
#include <sys/types.h>

// The settings file on disk, read and replaced without ever blocking or
// writing through something the checks did not see: the path is checked,
// then opened without blocking and without following a link, and the open
// descriptor must be the regular file that was checked. A replacement is
// written beside the file under a name of its own and renamed over it, with
// the owner, group and mode of the file it replaces.
class FichierReglages
{
public:
    // The program's own store is a few kilobytes: anything larger is not one.
    static constexpr qint64 TailleMax = 1 << 20;

    enum class Etat { Absent, Lu, Refuse };
    struct Lecture
    {
        Etat etat = Etat::Refuse;
        QByteArray octets;
        QString cible; // the file itself, a link's target resolved
        // What the file was when read, to notice any change before replacing it.
        dev_t dev = 0;
        ino_t ino = 0;
        off_t taille = 0;
        struct timespec modifie = {}, change = {};
        uid_t proprietaire = 0;
        gid_t groupe = 0;
        mode_t mode = 0;
    };
    enum class Remplacement { Fait, Change, Refuse };

    explicit FichierReglages(const QString &chemin);
    Lecture lis() const;
    // Change: the file is no longer the one read (another program wrote it):
    // read it again and start over.
    Remplacement remplace(const Lecture &lu, const QByteArray &octets) const;

    // Tests: called between the checks and the opening or the renaming.
    enum class Etape { Ouverture, Renommage };
    static inline std::function<void(Etape)> pointDeTest;

private:
    QString m_chemin;
};
