#include "pastimes/comptes.h"
#include "support/principal.h"

#include <QTest>

class TestComptes : public QObject
{
    Q_OBJECT
private slots:
    void depuis2001_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("1er janvier 2001") << QDate(2001, 1, 1) << QStringLiteral("0");
        QTest::newRow("2 janvier 2001") << QDate(2001, 1, 2) << QStringLiteral("1");
        QTest::newRow("2100, hors 16 bits") << QDate(2100, 1, 1) << QStringLiteral("36159");
        QTest::newRow("1900, hors 16 bits") << QDate(1900, 1, 1) << QStringLiteral("-36890");
    }
    void depuis2001()
    {
        QFETCH(QDate, date);
        QFETCH(QString, nombre);
        QCOMPARE(Comptes::texte2001(date), nombre + QStringLiteral(" jours et des poussières..."));
    }
    void vers2010_data()
    {
        QTest::addColumn<QDateTime>("maintenant");
        QTest::addColumn<QString>("texte");
        const auto dt = [](int a, int m, int j, int h, int mi, int s) {
            return QDateTime(QDate(a, m, j), QTime(h, mi, s));
        };
        QTest::newRow("23:59:59") << dt(2009, 12, 31, 23, 59, 59) << "0 jour, 0 heure, 0 minute et 1 seconde";
        QTest::newRow("22:58:00") << dt(2009, 12, 31, 22, 58, 0) << "0 jour, 1 heure, 1 minute et 60 secondes";
        QTest::newRow("30/12 midi") << dt(2009, 12, 30, 12, 0, 0)
                                    << "1 jour, 11 heures, 59 minutes et 60 secondes";
        QTest::newRow("1800, hors 16 bits") << dt(1800, 1, 1, 0, 0, 0)
                                            << "76700 jours, 23 heures, 59 minutes et 60 secondes";
        QTest::newRow("1er janvier 2010") << dt(2010, 1, 1, 0, 0, 0) << QString();
        QTest::newRow("2095") << dt(2095, 7, 14, 10, 0, 0) << QString();
    }
    void vers2010()
    {
        QFETCH(QDateTime, maintenant);
        QFETCH(QString, texte);
        const Comptes::Texte2010 t = Comptes::texte2010(maintenant);
        QCOMPARE(t.texte, texte.isEmpty() ? QStringLiteral("On y est ! ! !") : texte);
        QCOMPARE(t.termine, texte.isEmpty());
    }
};

ZELUND_TEST(TestComptes)
#include "tst_comptes.moc"
