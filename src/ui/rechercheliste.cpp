#include "ui/rechercheliste.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <algorithm>

RechercheListe::RechercheListe(QComboBox *liste)
    : QObject(liste),
      m_liste(liste)
{
    liste->installEventFilter(this);
}

void RechercheListe::installe(QComboBox *liste)
{
    new RechercheListe(liste);
}

QString RechercheListe::cle(const QString &texte)
{
    QString c;
    for (const QChar ch : texte.trimmed().normalized(QString::NormalizationForm_D))
        if (ch.category() != QChar::Mark_NonSpacing)
            c += ch;
    return c.toCaseFolded();
}

int RechercheListe::trouve(const QStringList &entrees, const QString &saisie, int courant)
{
    const QString cherche = cle(saisie);
    const qsizetype n = entrees.size();
    if (cherche.isEmpty() || n == 0)
        return -1;
    // The same letter again steps on from the current entry.
    const bool repete = cherche.count(cherche.front()) == cherche.size();
    const QString prefixe = repete ? cherche.left(1) : cherche;
    const qsizetype depart = std::clamp<qsizetype>(courant + (repete ? 1 : 0), 0, n);
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype k = (depart + i) % n;
        if (cle(entrees[k]).startsWith(prefixe))
            return int(k);
    }
    return -1;
}

bool RechercheListe::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || objet != m_liste)
        return QObject::eventFilter(objet, event);
    const auto *touche = static_cast<QKeyEvent *>(event);
    const QString texte = touche->text();
    const auto modificateurs = touche->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (texte.isEmpty() || !texte.front().isLetterOrNumber() || modificateurs != Qt::NoModifier)
        return QObject::eventFilter(objet, event);
    if (!m_derniere.isValid() || m_derniere.elapsed() > QApplication::keyboardInputInterval())
        m_saisie.clear();
    m_derniere.start();
    m_saisie += texte;
    QStringList entrees;
    for (int i = 0; i < m_liste->count(); ++i)
        entrees << m_liste->itemText(i);
    const int i = trouve(entrees, m_saisie, m_liste->currentIndex());
    if (i >= 0 && i != m_liste->currentIndex()) {
        m_liste->setCurrentIndex(i);
        emit m_liste->activated(i);
    }
    return true;
}
