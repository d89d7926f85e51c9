#ifndef QUARVEL_ENTETES_H
#define QUARVEL_ENTETES_H

#include <QString>

#include "volume/fluxzlib.h"

// What a volume file's header claims, read by hand before ITK sees the file:
// the readers trust their headers (a loop on a negative count, a buffer the
// size a header merely claims, zeros where a file is short), so the claim is
// checked first. Empty when the header is one of NRRD, NIfTI or MetaImage,
// sound, and the file (or its data files) holds every byte it claims, within
// this machine's memory; also empty when the file is none of these formats,
// left to ITK to say so. Otherwise the one reason, naming the header key.
// A MetaImage file's lone zlib stream is only bounded here: *flux says where
// it lies (debut -1 for any other file), for inflerFlux to read it exactly.
QString verifierEntete(const QString &chemin, FluxZlib *flux = nullptr);

// Whether a NIfTI header's sform or qform turns its axes away from x, y, z:
// ITK refuses such a file without saying why.
bool niftiOblique(const QString &chemin);

#endif
