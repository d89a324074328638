#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// Everything the program asks of the desktop goes through this one seam, so
// tests can fix the clock, answer the message boxes and record the rest.
class Plateforme
{
public:
    enum class Icone { Critique, Question, Exclamation, Information };
    enum class Boutons { Ok, OuiNon };
    enum class Reponse { Ok, Oui, Non };

    virtual ~Plateforme() = default;

    virtual QDateTime maintenant() const = 0;
    // True when another copy of the program already runs for this user.
    virtual bool autreInstanceActive() = 0;
    virtual Reponse message(const QString &texte, Boutons boutons, Icone icone, const QString &titre,
                            Reponse parDefaut) = 0;
    // Starts a program without a shell; false when it cannot be started.
    virtual bool lanceProgramme(const QString &programme, const QStringList &arguments) = 0;
    // True when the program is found on the PATH.
    virtual bool programmeDisponible(const QString &programme) const = 0;
    virtual void copiePressePapiers(const QString &texte) = 0;
    // Plays an embedded sound and returns when it has finished.
    virtual void joueSon(int numero) = 0;
    // Colour picker starting on depart (&HBBGGRR); nullopt when cancelled.
    virtual std::optional<quint32> choisitCouleur(quint32 depart) = 0;
    virtual bool ouvreAdresse(const QString &adresse) = 0;
    // The file to write, chosen in the desktop's save dialog starting on
    // depart; nullopt when cancelled (or with no dialog to show).
    virtual std::optional<QString> choisitFichierEcrit(const QString &titre, const QString &depart,
                                                       const QString &filtre)
    {
        Q_UNUSED(titre)
        Q_UNUSED(depart)
        Q_UNUSED(filtre)
        return std::nullopt;
    }

    QDate aujourdhui() const { return maintenant().date(); }

    static Plateforme &courante();
    // Tests install a fake; nullptr goes back to the one set by the program.
    static void installe(Plateforme *plateforme);
};
