// Grey levels read by scan line, checked against a plain pixel() walk.
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

#include "images/inventaire.h"
#include "model/niveaugris.h"

class TestInventaire : public QObject
{
    Q_OBJECT

private:
    // Odd width so that bit, byte and padding edges are crossed; wide enough
    // that converted formats take several bands.
    static constexpr int largeur = 3001;
    static constexpr int hauteur = 190;

    static QImage couleursAuHasard(quint32 graine)
    {
        QRandomGenerator hasard(graine);
        QImage image(largeur, hauteur, QImage::Format_ARGB32);
        for (int y = 0; y < hauteur; ++y) {
            auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < largeur; ++x)
                ligne[x] = hasard.generate();
        }
        return image;
    }

    // Every byte of every row at random, padding left aside.
    static QImage octetsAuHasard(QImage::Format format, quint32 graine)
    {
        QRandomGenerator hasard(graine);
        QImage image(largeur, hauteur, format);
        const int octets = (largeur * image.depth() + 7) / 8;
        for (int y = 0; y < hauteur; ++y)
            for (int i = 0; i < octets; ++i)
                image.scanLine(y)[i] = uchar(hasard.bounded(256));
        return image;
    }

    static QVector<quint8> parPixel(const QImage &image)
    {
        QVector<quint8> gris;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                gris << quint8(niveauGrisPixel(image.pixel(x, y)));
        return gris;
    }

private slots:
    void equivalenceFormats_data()
    {
        QTest::addColumn<QImage>("image");
        const QImage source = couleursAuHasard(7);
        const QVector<QPair<const char *, QImage::Format>> formats{
            {"RGB32", QImage::Format_RGB32}, {"ARGB32", QImage::Format_ARGB32},
            {"ARGB32_Premultiplied", QImage::Format_ARGB32_Premultiplied}, {"RGB888", QImage::Format_RGB888},
            {"RGB16", QImage::Format_RGB16}, {"RGBA8888", QImage::Format_RGBA8888},
            {"RGBA8888_Premultiplied", QImage::Format_RGBA8888_Premultiplied},
            {"ARGB4444_Premultiplied", QImage::Format_ARGB4444_Premultiplied},
            {"RGBA64", QImage::Format_RGBA64}, {"RGBA64_Premultiplied", QImage::Format_RGBA64_Premultiplied},
            {"A2RGB30_Premultiplied", QImage::Format_A2RGB30_Premultiplied}, {"Alpha8", QImage::Format_Alpha8}};
        for (const auto &[nom, format] : formats)
            QTest::newRow(nom) << source.convertToFormat(format);

        QImage palette = octetsAuHasard(QImage::Format_Indexed8, 11);
        QList<QRgb> couleurs;
        for (int i = 0; i < 256; ++i)
            couleurs << QRandomGenerator(i).generate();
        palette.setColorTable(couleurs);
        QTest::newRow("Indexed8") << palette;
        for (auto format : {QImage::Format_Mono, QImage::Format_MonoLSB}) {
            QImage mono = octetsAuHasard(format, 13);
            mono.setColorTable({qRgba(200, 10, 10, 90), qRgb(3, 250, 40)});
            QTest::newRow(format == QImage::Format_Mono ? "Mono" : "MonoLSB") << mono;
        }
        QTest::newRow("Grayscale8") << octetsAuHasard(QImage::Format_Grayscale8, 17);
        QTest::newRow("Grayscale16") << octetsAuHasard(QImage::Format_Grayscale16, 19);
    }

    void equivalenceFormats()
    {
        QFETCH(QImage, image);
        const QVector<quint8> attendu = parPixel(image);
        QCOMPARE(planGris(image), attendu);

        QVector<int> niveaux;
        for (quint8 g : attendu)
            if (!niveaux.contains(g))
                niveaux << g;
        std::sort(niveaux.begin(), niveaux.end(), std::greater<int>());
        QVector<int> inventaire;
        ajouterNiveauxGris(image, inventaire);
        QCOMPARE(inventaire, niveaux);
    }

    void fusion_data()
    {
        QTest::addColumn<QVector<int>>("avant");
        QTest::addColumn<QVector<QRgb>>("pixels");
        QTest::addColumn<QVector<int>>("apres");
        QTest::newRow("gris purs") << QVector<int>{} << QVector<QRgb>{qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(255, 255, 255)}
                                   << QVector<int>{255, 128, 0};
        QTest::newRow("couleurs") << QVector<int>{} << QVector<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)}
                                  << QVector<int>{255, 127, 87, 39};
        QTest::newRow("union sans doublon") << QVector<int>{5, 200, 5} << QVector<QRgb>{qRgb(200, 200, 200), qRgb(7, 7, 7)}
                                            << QVector<int>{200, 7, 5};
        QTest::newRow("image nulle, liste remise en ordre") << QVector<int>{1, 3} << QVector<QRgb>{} << QVector<int>{3, 1};
    }

    void fusion()
    {
        QFETCH(QVector<int>, avant);
        QFETCH(QVector<QRgb>, pixels);
        QFETCH(QVector<int>, apres);
        QImage image;
        if (!pixels.isEmpty()) {
            image = QImage(int(pixels.size()), 2, QImage::Format_RGB32);
            for (int x = 0; x < pixels.size(); ++x)
                for (int y = 0; y < 2; ++y)
                    image.setPixel(x, y, pixels[x]);
        }
        ajouterNiveauxGris(image, avant);
        QCOMPARE(avant, apres);
        ajouterNiveauxGris(image, avant);
        QCOMPARE(avant, apres);
        QCOMPARE(planGris(image).size(), pixels.size() * 2);
    }
};

QTEST_GUILESS_MAIN(TestInventaire)
#include "tst_inventaire.moc"
