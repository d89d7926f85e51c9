#ifndef QUARVEL_GZIP_H
#define QUARVEL_GZIP_H

#include <QIODevice>
#include <memory>

// True when the name asks for a gzip-compressed phantom: it ends in ".gz".
bool nomCompresse(const QString &nomFich);

// A write-only device that gzip-compresses, as one gzip member, whatever is
// written to it into another device, a block at a time: nothing holds the
// whole text. terminer() writes the end of the member; until it has
// returned true the other device holds no complete file.
class CompressionGzip : public QIODevice
{
public:
    explicit CompressionGzip(QIODevice &sortie);
    ~CompressionGzip() override;

    bool terminer();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 taille) override;

private:
    bool compresser(const char *data, qint64 taille, bool fin);

    struct Etat;
    QIODevice &sortie;
    std::unique_ptr<Etat> etat;
    bool ok = true;
};

#endif
