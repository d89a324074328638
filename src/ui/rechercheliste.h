#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;

// Type-ahead on a closed drop-down list whose entries start with a blank and
// carry accents (" Décembre"): the letters typed pick the first entry that
// begins with them, blanks, case and accents aside; one letter typed again
// goes on to the next entry with that letter ("j": janvier, juin, juillet).
class RechercheListe : public QObject
{
    Q_OBJECT
public:
    static void installe(QComboBox *liste);

    // The entry the typed text picks, starting from courant; -1 if none.
    static int trouve(const QStringList &entrees, const QString &saisie, int courant);
    // An entry's text as type-ahead compares it.
    static QString cle(const QString &texte);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    explicit RechercheListe(QComboBox *liste);

    QComboBox *m_liste;
    QString m_saisie;
    QElapsedTimer m_derniere;
};
