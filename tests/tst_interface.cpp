// The window as it starts: widgets, layout, meta-object and button wiring.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QtTest>

#include "model/niveaugris.h"
#include "session/session.h"
#include "volume/volume.h"
#include "window/interface.h"
#include "widgets.h"

class TestInterface : public QObject
{
    Q_OBJECT

private:
    static QGroupBox *groupe(Interface &fenetre, const QString &titre)
    {
        for (QGroupBox *g : fenetre.findChildren<QGroupBox *>())
            if (g->title() == titre)
                return g;
        return nullptr;
    }
    static QPushButton *bouton(Interface &fenetre, const QString &texte)
    {
        for (QPushButton *b : fenetre.findChildren<QPushButton *>())
            if (b->text() == texte)
                return b;
        return nullptr;
    }
    // Row, column, row span, column span of a widget in a grid layout; all -1 when absent.
    static QVector<int> position(QLayout *layout, QWidget *widget)
    {
        auto *grille = qobject_cast<QGridLayout *>(layout);
        int r = -1, c = -1, rs = -1, cs = -1;
        if (grille && grille->indexOf(widget) >= 0)
            grille->getItemPosition(grille->indexOf(widget), &r, &c, &rs, &cs);
        return {r, c, rs, cs};
    }

private slots:
    void etatInitial()
    {
        Interface fenetre;
        QCOMPARE(fenetre.windowTitle(), QString("Quarvel Toolkit"));
        QCOMPARE(etatDe(fenetre)->text(), QString(" .... "));
        for (QLineEdit *champ :
             {champNomme(fenetre, "champDimX"), champNomme(fenetre, "champDimY"), champNomme(fenetre, "champDimZ")})
            QCOMPARE(champ->text(), QString("0"));
        for (QCheckBox *choix :
             {cocheNommee(fenetre, "choixXY"), cocheNommee(fenetre, "choixYZ"), cocheNommee(fenetre, "choixXZ")}) {
            QVERIFY(!choix->isChecked());
            QVERIFY(choix->text().isEmpty());
        }
        QCOMPARE(imageNommee(fenetre, "infoXY")->text(), QString("XY"));
        QCOMPARE(imageNommee(fenetre, "infoYZ")->text(), QString("YZ"));
        QCOMPARE(imageNommee(fenetre, "infoXZ")->text(), QString("XZ"));
        QCOMPARE(tableMateriaux(fenetre)->rowCount(), 0);
        QCOMPARE(tableMateriaux(fenetre)->columnCount(), 4);
        QStringList entetes;
        for (int c = 0; c < 4; ++c)
            entetes << tableMateriaux(fenetre)->horizontalHeaderItem(c)->text();
        QCOMPARE(entetes, QStringList({"Gris lvl", "Nom", "Densite", "Fond"}));
        QCOMPARE(champNomme(fenetre, "fichierPegs")->text(), QString("Fichier pegs4dat"));
        QCOMPARE(champNomme(fenetre, "fichierXY")->text(), QString("plan XY"));
        QCOMPARE(champNomme(fenetre, "fichierYZ")->text(), QString("plan YZ"));
        QCOMPARE(champNomme(fenetre, "fichierXZ")->text(), QString("plan XZ"));
        QCOMPARE(champNomme(fenetre, "fichierEgsphant")->text(), QString("test.egsphant"));
        QCOMPARE(champNomme(fenetre, "tailleX")->text() + champNomme(fenetre, "tailleY")->text()
                         + champNomme(fenetre, "tailleZ")->text(),
                 QString("1.01.01.0"));
        QCOMPARE(champNomme(fenetre, "origineX")->text(), QString("-15.0"));
        QCOMPARE(champNomme(fenetre, "origineY")->text(), QString("-15.0"));
        QCOMPARE(champNomme(fenetre, "origineZ")->text(), QString("0.0"));
        QCOMPARE(fenetre.sessionEnCours().dimensions(), (std::array<int, 3>{0, 0, 0}));
        QVERIFY(fenetre.sessionEnCours().niveaux().isEmpty() && fenetre.sessionEnCours().materiaux().isEmpty());
        QVERIFY(fenetre.sessionEnCours().catalogue().isEmpty());
        QVERIFY(lignesTable(fenetre).isEmpty());
    }

    void disposition_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QVector<int>>("attendu");
        QTest::newRow("fichierPegs") << "fichierPegs" << QVector<int>{0, 0, 1, 3};
        QTest::newRow("Pegs4dat") << "Pegs4dat" << QVector<int>{0, 3, 1, 1};
        QTest::newRow("fichierXY") << "fichierXY" << QVector<int>{1, 0, 1, 3};
        QTest::newRow("XY") << "XY" << QVector<int>{1, 3, 1, 1};
        QTest::newRow("fichierXZ") << "fichierXZ" << QVector<int>{2, 0, 1, 3};
        QTest::newRow("XZ") << "XZ" << QVector<int>{2, 3, 1, 1};
        QTest::newRow("fichierYZ") << "fichierYZ" << QVector<int>{3, 0, 1, 3};
        QTest::newRow("YZ") << "YZ" << QVector<int>{3, 3, 1, 1};
        QTest::newRow("fichierEgsphant") << "fichierEgsphant" << QVector<int>{4, 0, 1, 3};
        QTest::newRow("Egsphant") << "Egsphant" << QVector<int>{4, 3, 1, 1};
        QTest::newRow("tailleX") << "tailleX" << QVector<int>{6, 0, 1, 1};
        QTest::newRow("tailleY") << "tailleY" << QVector<int>{6, 1, 1, 1};
        QTest::newRow("tailleZ") << "tailleZ" << QVector<int>{6, 2, 1, 1};
        QTest::newRow("origineX") << "origineX" << QVector<int>{7, 0, 1, 1};
        QTest::newRow("origineY") << "origineY" << QVector<int>{7, 1, 1, 1};
        QTest::newRow("origineZ") << "origineZ" << QVector<int>{7, 2, 1, 1};
        QTest::newRow("champDimX") << "champDimX" << QVector<int>{8, 0, 1, 1};
        QTest::newRow("champDimY") << "champDimY" << QVector<int>{8, 1, 1, 1};
        QTest::newRow("champDimZ") << "champDimZ" << QVector<int>{8, 2, 1, 1};
    }

    void disposition()
    {
        QFETCH(QString, nom);
        QFETCH(QVector<int>, attendu);
        Interface fenetre;
        const QMap<QString, QWidget *> champs{
            {"fichierPegs", champNomme(fenetre, "fichierPegs")}, {"fichierXY", champNomme(fenetre, "fichierXY")},
            {"fichierXZ", champNomme(fenetre, "fichierXZ")}, {"fichierYZ", champNomme(fenetre, "fichierYZ")},
            {"fichierEgsphant", champNomme(fenetre, "fichierEgsphant")}, {"tailleX", champNomme(fenetre, "tailleX")},
            {"tailleY", champNomme(fenetre, "tailleY")}, {"tailleZ", champNomme(fenetre, "tailleZ")},
            {"origineX", champNomme(fenetre, "origineX")}, {"origineY", champNomme(fenetre, "origineY")},
            {"origineZ", champNomme(fenetre, "origineZ")}, {"champDimX", champNomme(fenetre, "champDimX")},
            {"champDimY", champNomme(fenetre, "champDimY")}, {"champDimZ", champNomme(fenetre, "champDimZ")}};
        QWidget *widget = champs.value(nom, bouton(fenetre, nom));
        QVERIFY(widget);
        QCOMPARE(position(groupe(fenetre, "Configuration")->layout(), widget), attendu);
    }

    // Captions in the Configuration cells left empty; row 5, column 3 is the "Voir" button's.
    void legendes()
    {
        Interface fenetre;
        auto *grille = qobject_cast<QGridLayout *>(groupe(fenetre, "Configuration")->layout());
        QVERIFY(grille);
        auto texte = [grille](int r, int c) {
            QLayoutItem *item = grille->itemAtPosition(r, c);
            auto *label = item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
            return label ? label->text() : item ? QString("?") : QString();
        };
        QCOMPARE(QStringList({texte(5, 0), texte(5, 1), texte(5, 2)}), QStringList({"X", "Y", "Z"}));
        QCOMPARE(position(grille, bouton(fenetre, "Voir")), QVector<int>({5, 3, 1, 1}));
        QCOMPARE(QStringList({texte(6, 3), texte(7, 3), texte(8, 3)}),
                 QStringList({"Taille (cm)", "Origine (cm)", "Voxels"}));
    }

    // Three 512-pixel pictures, a 41-medium catalogue of 24-character names
    // and a table of twelve levels: the window fits 1280 × 800, every number
    // shows whole, and eight rows or more are in view.
    void tientDansLEcran()
    {
        QTemporaryDir dossier;
        QImage xy(512, 512, QImage::Format_RGB32), plan(512, 256, QImage::Format_RGB32);
        for (QImage *image : {&xy, &plan})
            for (int y = 0; y < image->height(); ++y)
                for (int x = 0; x < image->width(); ++x) {
                    const int g = 20 * ((x / 43 + y / 97) % 12);
                    image->setPixel(x, y, qRgb(g, g, g));
                }
        QVERIFY(xy.save(dossier.filePath("xy.bmp")) && plan.save(dossier.filePath("plan.bmp")));
        Interface fenetre;
        for (int k = 0; k < 41; ++k)
            fenetre.sessionEnCours().catalogue() << Milieu{QString("MILIEU%1ICRU").arg(k, 2, 10, QChar('0')).leftJustified(24), 1.0 + k / 7.0};
        QStringList reponses{dossier.filePath("xy.bmp"), dossier.filePath("plan.bmp"), dossier.filePath("plan.bmp")};
        fenetre.choisirFichier = [&](QWidget *, const QString &, const QString &, const QString &) {
            return reponses.takeFirst();
        };
        fenetre.selectXY();
        fenetre.selectYZ();
        fenetre.selectXZ();
        QCOMPARE(tableMateriaux(fenetre)->rowCount(), 12);
        champNomme(fenetre, "origineX")->setText("-150.25");
        champNomme(fenetre, "fichierPegs")->setText(dossier.filePath("catalogue/521icru.pegs4dat"));

        const QSize taille = fenetre.sizeHint();
        QVERIFY2(taille.width() <= 1280 && taille.height() <= 800,
                 qPrintable(QString("%1 × %2").arg(taille.width()).arg(taille.height())));
        fenetre.resize(taille);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        for (QLineEdit *champ : fenetre.findChildren<QLineEdit *>()) {
            if (champ->parentWidget() != groupe(fenetre, "Configuration"))
                continue; // the table's boxes
            const int place = champ->contentsRect().width() - 4;
            const int besoin = champ->fontMetrics().horizontalAdvance(champ->text());
            const bool chemin = champ->text().startsWith('/');
            // A path may show only its file name: the whole of it is the tooltip.
            if (chemin) {
                QCOMPARE(champ->toolTip(), champ->text());
                QVERIFY(champ->fontMetrics().horizontalAdvance(QFileInfo(champ->text()).fileName()) <= place);
            } else {
                QVERIFY2(besoin <= place, qPrintable(champ->text()));
            }
        }
        QTableWidget *table = tableMateriaux(fenetre);
        QVERIFY2(table->viewport()->height() >= 8 * table->rowHeight(0),
                 qPrintable(QString("%1 px for rows of %2").arg(table->viewport()->height()).arg(table->rowHeight(0))));
        const int nom = table->columnWidth(1);
        QVERIFY(nom >= lignesTable(fenetre).at(0).comboNom->sizeHint().width());
        QCOMPARE(table->columnViewportPosition(3) + table->columnWidth(3), table->viewport()->width());
    }

    // The names the tests reach the widgets by: each one widget of its
    // kind, in the group the user sees it in.
    void nomsDesWidgets_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("groupe");
        for (const QString plan : {"XY", "YZ", "XZ"}) {
            QTest::newRow(qPrintable("choix" + plan)) << "choix" + plan << "QCheckBox" << "Plan " + plan;
            QTest::newRow(qPrintable("info" + plan)) << "info" + plan << "ImagePlan" << "Plan " + plan;
            QTest::newRow(qPrintable("tailleImage" + plan)) << "tailleImage" + plan << "QLabel" << "Plan " + plan;
            QTest::newRow(qPrintable("fichier" + plan)) << "fichier" + plan << "QLineEdit" << "Configuration";
        }
        for (const QString axe : {"X", "Y", "Z"})
            for (const QString champ : {"taille", "origine", "champDim"})
                QTest::newRow(qPrintable(champ + axe)) << champ + axe << "QLineEdit" << "Configuration";
        for (const QString champ : {"fichierPegs", "fichierEgsphant", "fichierVolume", "fichierScanner", "boiteMax0",
                                    "boiteMax1", "boiteMax2"})
            QTest::newRow(qPrintable(champ)) << champ << "QLineEdit" << "Configuration";
        QTest::newRow("choixVolume") << "choixVolume" << "QCheckBox" << "Configuration";
        QTest::newRow("choixScanner") << "choixScanner" << "QCheckBox" << "Configuration";
        QTest::newRow("tableMateriaux") << "tableMateriaux" << "QTableWidget" << "Materiaux";
        QTest::newRow("tableRampe") << "tableRampe" << "QTableWidget" << "Materiaux";
        QTest::newRow("rampeMin") << "rampeMin" << "QLineEdit" << "Materiaux";
        QTest::newRow("curseurCoupe") << "curseurCoupe" << "QSlider" << "Plan XY";
        QTest::newRow("etat") << "etat" << "QLabel" << "";
        QTest::newRow("suiviEcriture") << "suiviEcriture" << "SuiviEcriture" << "";
    }

    void nomsDesWidgets()
    {
        QFETCH(QString, nom);
        QFETCH(QString, classe);
        QFETCH(QString, groupe);
        Interface fenetre;
        const QList<QWidget *> trouves = fenetre.findChildren<QWidget *>(nom);
        QCOMPARE(trouves.size(), 1);
        QCOMPARE(QString(trouves[0]->metaObject()->className()), classe);
        QGroupBox *englobant = nullptr;
        for (QWidget *w = trouves[0]->parentWidget(); w && !englobant; w = w->parentWidget())
            englobant = qobject_cast<QGroupBox *>(w);
        QCOMPARE(englobant ? englobant->title() : QString(), groupe);
    }

    void groupesDeLaFenetre()
    {
        Interface fenetre;
        QLayout *grille = fenetre.layout();
        // The status line scrolls in an area of fixed height.
        auto *zoneEtat = qobject_cast<QScrollArea *>(etatDe(fenetre)->parentWidget()->parentWidget());
        QVERIFY(zoneEtat && zoneEtat->widget() == etatDe(fenetre));
        QCOMPARE(position(grille, zoneEtat), QVector<int>({0, 0, 1, 3}));
        // Under the status line, the progress of a long write, hidden until one runs.
        QCOMPARE(position(grille, nomme<QWidget>(fenetre, "suiviEcriture")), QVector<int>({1, 0, 1, 3}));
        QVERIFY(nomme<QWidget>(fenetre, "suiviEcriture")->isHidden());
        QCOMPARE(position(grille, groupe(fenetre, "Configuration")), QVector<int>({2, 0, 1, 1}));
        QCOMPARE(position(grille, groupe(fenetre, "Plan XY")), QVector<int>({2, 1, 1, 1}));
        QCOMPARE(position(grille, groupe(fenetre, "Plan YZ")), QVector<int>({3, 0, 1, 1}));
        QCOMPARE(position(grille, groupe(fenetre, "Plan XZ")), QVector<int>({3, 1, 1, 1}));
        // The table runs down the right of the pictures, so that the window fits a laptop's screen.
        QCOMPARE(position(grille, groupe(fenetre, "Materiaux")), QVector<int>({2, 2, 2, 1}));
        QCOMPARE(position(groupe(fenetre, "Materiaux")->layout(), panneauTable(fenetre)), QVector<int>({0, 0, 1, 1}));
        const QVector<QPair<QString, QPair<QCheckBox *, QLabel *>>> plans{
            {"Plan XY", {cocheNommee(fenetre, "choixXY"), imageNommee(fenetre, "infoXY")}},
            {"Plan YZ", {cocheNommee(fenetre, "choixYZ"), imageNommee(fenetre, "infoYZ")}},
            {"Plan XZ", {cocheNommee(fenetre, "choixXZ"), imageNommee(fenetre, "infoXZ")}}};
        const QList<QLabel *> tailles{etiquetteNommee(fenetre, "tailleImageXY"),
                                      etiquetteNommee(fenetre, "tailleImageYZ"),
                                      etiquetteNommee(fenetre, "tailleImageXZ")};
        for (int p = 0; p < 3; ++p) {
            QLayout *l = groupe(fenetre, plans[p].first)->layout();
            QCOMPARE(position(l, plans[p].second.first), QVector<int>({0, 0, 1, 1}));
            QCOMPARE(position(l, plans[p].second.second), QVector<int>({1, 0, 1, 1}));
            QCOMPARE(position(l, tailles[p]), QVector<int>({2, 0, 1, 1}));
        }
    }

    // The material table on a session alone, no window to push it: a picture
    // chosen, media read, another source and back, each shown as the session
    // says, the user's choices and "Fond" kept with their source.
    void tableSuitLaSession_data()
    {
        QTest::addColumn<QStringList>("gestes");
        QTest::addColumn<QString>("attendu"); // [name box items] each row: level, Fond (*), medium, density
        QTest::newRow("image sans catalogue") << QStringList{"plan"} << "[0] 255* - - ; 0 - -";
        QTest::newRow("catalogue après l'image")
            << QStringList{"plan", "pegs"} << "[2] 255* AIR 0.0012 ; 0 AIR 0.0012";
        QTest::newRow("catalogue agrandi, choix gardé")
            << QStringList{"pegs", "plan", "EAU:0", "pegs"} << "[4] 255* AIR 0.0012 ; 0 EAU 1";
        QTest::newRow("volume") << QStringList{"pegs", "plan", "EAU:0", "fond:0", "volume"}
                                << "[2] 7* AIR 0.0012 ; 0 AIR 0.0012";
        QTest::newRow("volume, puis les plans")
            << QStringList{"pegs", "plan", "EAU:0", "fond:0", "volume", "EAU:7", "plans"}
            << "[2] 255 AIR 0.0012 ; 0* EAU 1";
        QTest::newRow("retour au volume") << QStringList{"pegs", "plan", "volume", "EAU:7", "fond:0", "plans", "volume"}
                                          << "[2] 7 EAU 1 ; 0* AIR 0.0012";
        QTest::newRow("scanner") << QStringList{"pegs", "plan", "scanner"} << "";
    }
    void tableSuitLaSession()
    {
        QFETCH(QStringList, gestes);
        QFETCH(QString, attendu);
        Session session;
        TableMateriaux table(session);
        QImage image(2, 1, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(255, 255, 255));
        image.setPixel(1, 0, qRgb(0, 0, 0));
        auto volume = std::make_shared<Volume>();
        volume->valeurs = {7, 0};
        const auto ligne = [&table](int niveau) {
            for (const LigneTable &l : table.lignes())
                if (l.niveauGris == niveau)
                    return l;
            qFatal("aucune ligne du niveau %d", niveau);
        };
        for (const QString &geste : gestes) {
            if (geste == "plan") {
                session.choisirPlan(PlanImage::XY, "xy.bmp", image);
                session.inventorierPlan(PlanImage::XY);
                session.montrerNiveaux(session.niveauxDesPlans().tous());
            } else if (geste == "pegs") {
                session.ajouterMilieux({{"AIR", 0.0012}, {"EAU", 1.0}});
            } else if (geste == "volume") {
                session.choisirVolume(volume, "tete.nrrd", true);
                session.changerSource(SourceFantome::Volume);
                session.montrerNiveaux(volume->valeurs);
            } else if (geste == "plans") {
                session.changerSource(SourceFantome::Plans);
                session.montrerNiveaux(session.niveauxDesPlans().tous());
            } else if (geste == "scanner") {
                session.changerSource(SourceFantome::Scanner);
                session.montrerNiveaux({});
            } else if (geste.startsWith("fond:")) {
                ligne(geste.section(':', 1).toInt()).choixFond->click();
            } else {
                QComboBox *nom = ligne(geste.section(':', 1).toInt()).comboNom;
                nom->setCurrentIndex(nom->findText(geste.section(':', 0, 0)));
                emit nom->activated(nom->currentIndex());
            }
        }
        QStringList vus;
        for (const LigneTable &l : table.lignes())
            vus << QString("%1%2 %3 %4")
                       .arg(l.niveauGris)
                       .arg(l.choixFond->isChecked() ? "*" : "")
                       .arg(l.comboNom->currentText().isEmpty() ? "-" : l.comboNom->currentText())
                       .arg(l.comboDensite->currentText().isEmpty() ? "-" : l.comboDensite->currentText());
        const QString vu = table.lignes().isEmpty()
                               ? QString()
                               : QString("[%1] ").arg(table.lignes().first().comboNom->count()) + vus.join(" ; ");
        QCOMPARE(vu, attendu);
        QCOMPARE(table.tableau()->rowCount(), table.lignes().size());
    }

    void metaObjet()
    {
        Interface fenetre;
        const QMetaObject *meta = fenetre.metaObject();
        QCOMPARE(meta->className(), "Interface");
        QCOMPARE(meta->superClass(), &QWidget::staticMetaObject);
        const QStringList attendues{"selectXY()", "selectYZ()", "selectXZ()", "selectMat()", "evalue()",
                                    "validationImage()", "constructionEgsphant(QString)",
                                    "analyseFichierPegs()"};
        QStringList propres;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            QCOMPARE(meta->method(i).methodType(), QMetaMethod::Slot);
            QCOMPARE(meta->method(i).access(), QMetaMethod::Public);
            propres << QString::fromLatin1(meta->method(i).methodSignature());
        }
        QCOMPARE(propres, attendues);
        QCOMPARE(meta->method(meta->methodOffset() + 5).returnType(), int(QMetaType::Bool));
        QCOMPARE(meta->method(meta->methodOffset() + 6).parameterNames().value(0), QByteArray("nomFich"));
        QCOMPARE(meta->propertyCount(), meta->propertyOffset());
        QCOMPARE(fenetre.qt_metacast("Interface"), static_cast<void *>(&fenetre));
        QCOMPARE(fenetre.qt_metacast(nullptr), nullptr);

        // Invoked with no place for the result: the slot runs and its result is dropped.
        cocheNommee(fenetre, "choixXY")->setChecked(true);
        etatDe(fenetre)->clear();
        QVERIFY(QMetaObject::invokeMethod(&fenetre, "validationImage"));
        QVERIFY(etatDe(fenetre)->text().contains("Image incompatible"));
        cocheNommee(fenetre, "choixXY")->setChecked(false);
        etatDe(fenetre)->clear();
        const QString sortie = QDir(QDir::tempPath()).filePath("tst_interface_metaobjet.egsphant");
        QVERIFY(QMetaObject::invokeMethod(&fenetre, "constructionEgsphant", Q_ARG(QString, sortie)));
        QVERIFY(!etatDe(fenetre)->text().isEmpty());
        QVERIFY(!QFile::exists(sortie));
    }

    void boutons()
    {
        Interface fenetre;
        QStringList filtres;
        fenetre.choisirFichier = [&](QWidget *, const QString &, const QString &, const QString &filtre) {
            filtres << filtre;
            return QString();
        };
        for (const QString texte : {"XY", "YZ", "XZ", "Pegs4dat"}) {
            QPushButton *b = bouton(fenetre, texte);
            QVERIFY(b);
            b->click();
        }
        // Pictures: BMP first, then every format Qt reads.
        QCOMPARE(filtres.size(), 4);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(filtres[i].startsWith("Images (*.bmp);;Toutes les images lisibles (")
                         && filtres[i].contains(" *.png "),
                     qPrintable(filtres[i]));
        QCOMPARE(filtres[3], QString("Images (*.pegs4dat)"));
        etatDe(fenetre)->clear();
        bouton(fenetre, "Egsphant")->click();
        QVERIFY(!etatDe(fenetre)->text().isEmpty());
    }

    void niveauGris_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<int>("attendu");
        QTest::newRow("rouge") << qRgb(255, 0, 0) << 87;
        QTest::newRow("vert") << qRgb(0, 255, 0) << 127;
        QTest::newRow("bleu") << qRgb(0, 0, 255) << 39;
        QTest::newRow("blanc") << qRgb(255, 255, 255) << 255;
        QTest::newRow("noir") << qRgb(0, 0, 0) << 0;
        QTest::newRow("alpha ignore") << qRgba(255, 255, 255, 0) << 255;
        QTest::newRow("melange") << qRgb(10, 20, 30) << (11 * 10 + 16 * 20 + 5 * 30) / 32;
    }

    void niveauGris()
    {
        QFETCH(QRgb, pixel);
        QFETCH(int, attendu);
        QCOMPARE(niveauGrisPixel(pixel), attendu);
    }

    void grisPurs()
    {
        for (int v = 0; v < 256; ++v) {
            QCOMPARE(niveauGrisPixel(qRgb(v, v, v)), v);
            QCOMPARE(niveauGrisPixel(qRgba(v, v, v, 255 - v)), v);
        }
    }
};

QTEST_MAIN(TestInterface)
#include "tst_interface.moc"
