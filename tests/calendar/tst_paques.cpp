#include "calendar/paques.h"
#include "support/principal.h"

#include <QTest>

class TestPaques : public QObject
{
    Q_OBJECT
private slots:
    void feries_data();
    void feries();
    void chaqueAnnee();
};

void TestPaques::feries_data()
{
    QTest::addColumn<int>("an");
    QTest::addColumn<QString>("jours"); // Easter, its Monday, Ascension, Whit Sunday and Monday
    QTest::newRow("2002") << 2002 << "31/3 1/4 9/5 19/5 20/5";
    QTest::newRow("2026") << 2026 << "5/4 6/4 14/5 24/5 25/5";
    QTest::newRow("1818 au plus tôt") << 1818 << "22/3 23/3 30/4 10/5 11/5";
    QTest::newRow("2285 au plus tôt") << 2285 << "22/3 23/3 30/4 10/5 11/5";
    QTest::newRow("1943 au plus tard") << 1943 << "25/4 26/4 3/6 13/6 14/6";
    QTest::newRow("2038 au plus tard") << 2038 << "25/4 26/4 3/6 13/6 14/6";
    QTest::newRow("2008, Ascension le 1er mai") << 2008 << "23/3 24/3 1/5 11/5 12/5";
    QTest::newRow("an 1") << 1 << "1/4 2/4 10/5 20/5 21/5";
    QTest::newRow("an 9999") << 9999 << "28/3 29/3 6/5 16/5 17/5";
    QTest::newRow("an 0 refusé") << 0 << "";
}

void TestPaques::feries()
{
    QFETCH(int, an);
    QFETCH(QString, jours);
    QStringList dates;
    if (const auto feries = joursFeriesMobiles(qint16(an)))
        for (const auto &f : *feries)
            dates << f.date.toString(QStringLiteral("d/M"));
    QCOMPARE(dates.join(QLatin1Char(' ')), jours);
}

// A Sunday from 22 March to 25 April, whatever the year the box accepts.
void TestPaques::chaqueAnnee()
{
    for (int an = PaquesAnneeMin; an <= PaquesAnneeMax; ++an) {
        const QDate p = fPaques(qint16(an));
        QVERIFY2(p.dayOfWeek() == 7 && p >= QDate(an, 3, 22) && p <= QDate(an, 4, 25),
                 qPrintable(QString::number(an)));
    }
    QCOMPARE(texteJoursFeries(2002).split(QChar(10)),
             (QStringList{"Pâques : dimanche 31 mars ", "Lundi de Pâques : lundi 1 avril ",
                          "Ascension : jeudi 9 mai ", "Pentecôte : dimanche 19 mai ",
                          "Lundi de Pentecôte : lundi 20 mai "}));
    // No year digits left behind, nor a clipped month, for a year below 1000.
    QCOMPARE(AffJour(fPaques(5)), QStringLiteral("dimanche 17 avril "));
}

ZELUND_TEST(TestPaques)
#include "tst_paques.moc"
