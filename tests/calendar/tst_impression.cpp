// The printed calendar: its months as they were lived, its page layout, the
// PDF file read back by poppler's tools, and the way there from the window.
#include "support/fauxplateforme.h"

#include "calendar/dessinpage.h"
#include "calendar/fencalendrier.h"
#include "calendar/fenimpression.h"
#include "calendar/pageimprimee.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace Calendrier;

namespace {

QString outil(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("(%1 a échoué)").arg(programme);
    return QString::fromUtf8(p.readAllStandardOutput());
}

const QTimeZone Paris(QByteArrayLiteral("Europe/Paris"));

} // namespace

class TstImpression : public QObject
{
    Q_OBJECT
private slots:
    void moisVecu_data()
    {
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("annee");
        QTest::addColumn<int>("jours");
        QTest::addColumn<int>("colonnePremier");
        QTest::addColumn<QList<int>>("premiers");
        QTest::addColumn<QList<int>>("semaines"); // ISO week of each row, 0 on Julian days only
        QTest::newRow("octobre 1582 : le 4 suivi du 15, semaines grégoriennes")
            << 10 << 1582 << 21 << 1 << QList<int>{1, 2, 3, 4, 15, 16} << QList<int>{41, 42, 43};
        QTest::newRow("septembre 1582, julien : pas de semaine")
            << 9 << 1582 << 30 << 6 << QList<int>{1} << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("février 1500 julien : 29 jours")
            << 2 << 1500 << 29 << 6 << QList<int>{1, 2} << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("février 1700 grégorien : 28 jours")
            << 2 << 1700 << 28 << 1 << QList<int>{1, 2} << QList<int>{5, 6, 7, 8};
        QTest::newRow("janvier 2021 : semaine 53 de 2020")
            << 1 << 2021 << 31 << 5 << QList<int>{1} << QList<int>{53, 1, 2, 3, 4};
        QTest::newRow("mars 2026 sur six lignes")
            << 3 << 2026 << 31 << 7 << QList<int>{1, 2} << QList<int>{9, 10, 11, 12, 13, 14};
    }
    void moisVecu()
    {
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(int, jours);
        QFETCH(int, colonnePremier);
        QFETCH(QList<int>, premiers);
        QFETCH(QList<int>, semaines);
        const MoisImprime m = moisImprime(mois, annee, {});
        QCOMPARE(int(m.jours.size()), jours);
        QCOMPARE(QList<int>(m.semaines.begin(), m.semaines.end()), semaines);
        QCOMPARE(m.jours.back().ligne, int(semaines.size()) - 1);
        for (int i = 0; i < premiers.size(); ++i) {
            QCOMPARE(m.jours[std::size_t(i)].jour, premiers[i]);
            // One column after the other, across the ten days that never were.
            QCOMPARE(m.jours[std::size_t(i)].colonne, (colonnePremier + i - 1) % 7 + 1);
        }
    }

    void pied_data()
    {
        QTest::addColumn<int>("annee");
        QTest::addColumn<QStringList>("debut");
        QTest::addColumn<int>("lignes");
        QTest::newRow("2026") << 2026
                              << QStringList{"Pâques : dimanche 5 avril",
                                             "Équinoxe de mars : vendredi 20 mars à 15 h 46"}
                              << 5;
        QTest::newRow("1582 : Pâques julienne") << 1582 << QStringList{"Pâques : dimanche 15 avril"} << 5;
        QTest::newRow("1583 : Pâques grégorienne") << 1583 << QStringList{"Pâques : dimanche 10 avril"} << 5;
        QTest::newRow("999 : pas de saisons") << 999 << QStringList{} << 1;
        QTest::newRow("an 0 : ni Pâques ni saisons") << 0 << QStringList{} << 0;
    }
    void pied()
    {
        QFETCH(int, annee);
        QFETCH(QStringList, debut);
        QFETCH(int, lignes);
        const QStringList p = piedDeLAnnee(annee, Paris);
        QCOMPARE(p.size(), lignes);
        QCOMPARE(p.mid(0, debut.size()), debut);
    }

    // Every text at least 6 points high, everything inside the margins, and
    // the day numbers apart from each other; then the PDF read back: one A4
    // page, its texts, none of them under 6 points high.
    void page_data()
    {
        QTest::addColumn<int>("etendue");
        QTest::addColumn<bool>("paysage");
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("annee");
        QTest::addColumn<QStringList>("textes");
        const QStringList annee{"2026",
                                "Jour de l'an",
                                "Fête nationale",
                                "Lundi de Pentecôte",
                                "Pâques : dimanche 5 avril",
                                "Solstice de décembre",
                                "Janvier",
                                "Décembre"};
        QTest::newRow("une année en portrait") << int(Etendue::Annee) << false << 1 << 2026 << annee;
        QTest::newRow("une année en paysage") << int(Etendue::Annee) << true << 1 << 2026 << annee;
        QTest::newRow("mai 2026 en paysage, six lignes, ses fêtes nommées")
            << int(Etendue::Mois) << true << 5 << 2026 << QStringList{"Mai 2026", "Victoire 1945", "Ascension"};
        QTest::newRow("octobre 1582 en portrait")
            << int(Etendue::Mois) << false << 10 << 1582 << QStringList{"Octobre 1582", "Calendrier julien"};
    }
    void page()
    {
        QFETCH(int, etendue);
        QFETCH(bool, paysage);
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(QStringList, textes);
        std::vector<PhaseDuJour> phases;
        for (qint64 j = QDate(annee, 1, 3).toJulianDay(); j < QDate(annee, 12, 31).toJulianDay(); j += 7)
            phases.push_back({j, int(j % 4)});
        const PageImprimee page = Calendrier::miseEnPage({Etendue(etendue), mois, annee, paysage}, phases, Paris);
        const QRectF interieur =
            QRectF(QPointF(0, 0), page.taille).adjusted(MargeMm - 1e-9, MargeMm - 1e-9, 1e-9 - MargeMm, 1e-9 - MargeMm);
        QList<QRectF> numeros;
        for (const ElementPage &e : page.elements) {
            QVERIFY2(interieur.contains(e.zone), qPrintable(e.texte));
            if (e.genre == ElementPage::Genre::Texte)
                QVERIFY2(e.points >= CorpsMinimal, qPrintable(e.texte));
            if (e.role == ElementPage::Role::Numero || e.role == ElementPage::Role::Ferie) {
                // A line of text fits the number's box.
                QVERIFY(e.zone.height() >= e.points * 25.4 / 72 * 1.2);
                for (const QRectF &autre : numeros)
                    QVERIFY(autre.intersected(e.zone).width() < 1e-6 || autre.intersected(e.zone).height() < 1e-6);
                numeros << e.zone;
            }
        }
        QVERIFY(numeros.size() >= 21);

        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("calendrier.pdf"));
        QVERIFY(enregistrePdf(chemin, page, paletteNoirEtBlanc()));
        const QString info = outil(QStringLiteral("pdfinfo"), {chemin});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))), qPrintable(info));
        QVERIFY2(info.contains(paysage ? "842 x 595 pts (A4)" : "595 x 842 pts (A4)"), qPrintable(info));
        const QString texte = outil(QStringLiteral("pdftotext"), {"-layout", chemin, "-"}).simplified();
        for (const QString &t : textes)
            QVERIFY2(texte.contains(t), qPrintable(t));
        const QString boites = outil(QStringLiteral("pdftotext"), {"-bbox", chemin, "-"});
        const QRegularExpression mot(QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]*)<"));
        int mots = 0;
        for (auto m = mot.globalMatch(boites); m.hasNext(); ++mots) {
            const auto r = m.next();
            QVERIFY2(r.captured(2).toDouble() - r.captured(1).toDouble() >= CorpsMinimal, qPrintable(r.captured(3)));
        }
        QVERIFY(mots > 30);
    }

    // Ctrl+P from the calendar; a cancelled choice of file writes nothing, a
    // folder that is not there is said in French, a good path gets the PDF.
    void depuisLaFenetre()
    {
        Banc banc;
        QTemporaryDir dossier;
        const QString bon = dossier.filePath(QStringLiteral("annee.pdf"));
        const QString absent = dossier.filePath(QStringLiteral("absent/annee.pdf"));
        banc.plateforme.chemins = {std::nullopt, absent, bon};
        FenCalendrier fenetre;
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        auto *annee = fenetre.findChild<QLineEdit *>(QStringLiteral("AffAn"));
        annee->setText(QStringLiteral("2026"));
        annee->setFocus();
        QTest::keyClick(annee, Qt::Key_P, Qt::ControlModifier);
        auto *dialogue = fenetre.findChild<FenImpression *>();
        QVERIFY(dialogue);
        dialogue->findChild<QRadioButton *>(QStringLiteral("ChoixAnnee"))->setChecked(true);
        auto *pdf = dialogue->findChild<QPushButton *>(QStringLiteral("CmdPdf"));
        pdf->click();
        QCOMPARE(banc.plateforme.nomsProposes, QStringList{QStringLiteral("Calendrier 2026.pdf")});
        QVERIFY(banc.plateforme.messages.isEmpty());
        pdf->click();
        QCOMPARE(banc.plateforme.messages.size(), 1);
        QCOMPARE(banc.plateforme.messages[0].titre, QStringLiteral("Zelund - Erreur !"));
        QVERIFY(banc.plateforme.messages[0].texte.contains(absent));
        QVERIFY(!QFileInfo::exists(absent));
        QVERIFY(dialogue->isVisible());
        pdf->click();
        QVERIFY(!dialogue->isVisible());
        QFile fichier(bon);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QVERIFY(fichier.read(5) == "%PDF-");
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("annee.pdf")});
    }
};

QTEST_MAIN(TstImpression)
#include "tst_impression.moc"
