// The whole start, in a process of its own so that what it loads can be seen.
#include "aide/conseils.h"
#include "app/demarrage.h"
#include "app/demarre2.h"
#include "main/fenprin.h"
#include "support/fauxplateforme.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <optional>

class TestDemarrageComplet : public QObject
{
    Q_OBJECT
private slots:
    void sequence()
    {
        Banc banc;
        Demarrage demarrage;
        std::optional<bool> charge;
        demarrage.lance([&](bool ok) { charge = ok; });
        QVERIFY(demarrage.demarre2()->isVisible());
        // The splash goes as the main window comes; the tips open after it.
        QPointer<Demarre2> demarre2 = demarrage.demarre2();
        QTRY_VERIFY(charge.has_value());
        QVERIFY(*charge && demarrage.fenPrin()->isVisible());
        QVERIFY(!demarre2 || !demarre2->isVisible());
        const auto conseils = [] {
            return std::ranges::count_if(QApplication::topLevelWidgets(),
                                         [](QWidget *w) { return qobject_cast<Conseils *>(w) && w->isVisible(); });
        };
        QTRY_COMPARE(conseils(), 1);
        QTRY_VERIFY(!demarre2);

        // Nothing on the way to these windows needs the SVG engine or Qt Multimedia.
        QFile carte(QStringLiteral("/proc/self/maps"));
        QVERIFY(carte.open(QIODevice::ReadOnly));
        const QByteArray bibliotheques = carte.readAll();
        QVERIFY(!bibliotheques.contains("libQt6Svg"));
        QVERIFY(!bibliotheques.contains("libQt6Multimedia"));
    }
};

QTEST_MAIN(TestDemarrageComplet)
#include "tst_demarragecomplet.moc"
