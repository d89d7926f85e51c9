// The session without its window: each source keeps its own choices, and
// a switch says so once.
#include <QSignalSpy>
#include <QtTest>

#include "session/session.h"

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    // Whatever one source sets, loads or marks, another source never sees;
    // coming back finds it as it was left.
    void choixParSource_data()
    {
        QTest::addColumn<int>("autre");
        QTest::newRow("volume") << int(SourceFantome::Volume);
        QTest::newRow("scanner") << int(SourceFantome::Scanner);
    }
    void choixParSource()
    {
        QFETCH(int, autre);
        Session session;
        TableGris table;
        table.choix[80] = ChoixNiveau{"LUNG", "0.26"};
        table.fond = 80;
        session.choix().retenir(0, {"LUNG", "0.26"});
        session.choix().marquerChoisi(0);
        session.choix().chargerTable(table);
        session.choix().retenirFond(0);

        session.changerSource(SourceFantome(autre));
        const ChoixNiveaux &neuf = session.choix();
        QVERIFY(!neuf.retenu(0) && !neuf.choisi(0) && !neuf.choixTable(80));
        QCOMPARE(neuf.fond(), -1);
        QCOMPARE(neuf.fondTable(), -1);
        session.choix().retenir(0, {"AIR", "0.0012048"});

        session.changerSource(SourceFantome::Plans);
        QCOMPARE(session.choix().retenu(0)->nom, QString("LUNG"));
        QVERIFY(session.choix().choisi(0) && !session.choix().choisi(80));
        QCOMPARE(session.choix().choixTable(80)->texteDensite, QString("0.26"));
        QVERIFY(!session.choix().choixTable(7) && !session.choix().choixTable(-1));
        QCOMPARE(session.choix().fond(), 0);
        QCOMPARE(session.choix().fondTable(), 80);
    }

    void changementSignale()
    {
        Session session;
        QSignalSpy changements(&session, &Session::sourceChangee);
        session.changerSource(SourceFantome::Plans);
        session.changerSource(SourceFantome::Scanner);
        session.changerSource(SourceFantome::Scanner);
        QCOMPARE(changements.size(), 1);
        QCOMPARE(changements[0][0].value<SourceFantome>(), SourceFantome::Scanner);
        QCOMPARE(session.source(), SourceFantome::Scanner);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
