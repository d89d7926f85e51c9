// The densities of a phantom with a value per voxel, in this project's one
// form, read many at a time.
#include "egsphant/reelrapide.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define QUARVEL_LOTS 1
#endif

#include <algorithm>

namespace {

#if defined(__SSE2__)
// Which of the 64 bytes at p are of each class, a bit a byte.
struct ClassesOctets
{
    quint64 blancs = 0, chiffres = 0, points = 0, lignes = 0;

    explicit ClassesOctets(const char *p)
    {
        for (int i = 0; i < 4; ++i) {
            const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 16 * i));
            const auto bits = [](__m128i m) { return quint64(quint16(_mm_movemask_epi8(m))); };
            // The blanks of blanc(): the space, and tab to carriage return.
            const __m128i blanc = _mm_or_si128(
                _mm_cmpeq_epi8(o, _mm_set1_epi8(' ')),
                _mm_and_si128(_mm_cmpgt_epi8(o, _mm_set1_epi8('\t' - 1)), _mm_cmplt_epi8(o, _mm_set1_epi8('\r' + 1))));
            const __m128i chiffre =
                _mm_and_si128(_mm_cmpgt_epi8(o, _mm_set1_epi8('0' - 1)), _mm_cmplt_epi8(o, _mm_set1_epi8('9' + 1)));
            blancs |= bits(blanc) << (16 * i);
            chiffres |= bits(chiffre) << (16 * i);
            points |= bits(_mm_cmpeq_epi8(o, _mm_set1_epi8('.'))) << (16 * i);
            lignes |= bits(_mm_cmpeq_epi8(o, _mm_set1_epi8('\n'))) << (16 * i);
        }
    }
};

// The k low bits, k from 0 to 64.
inline quint64 basDe(int k)
{
    return k >= 64 ? ~quint64(0) : (quint64(1) << k) - 1;
}

// The words of the 64 bytes at p, one after the other: blanks, digits and
// points found for all at once, the words then taken from those bits, so
// that finding the next word does not wait on the last one's digits. The
// digits become an integer by a few products, then a real by valeurFixe.
// False when the reading stops here: a word of another form, max reached,
// or a word longer than what is left of the 64 bytes.
bool morceauFixe(const char *&p, float *sortie, qint64 &pris, qint64 max, qint64 &lignes)
{
    static constexpr quint64 entiers[9] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
    const ClassesOctets c(p);
    quint64 debuts = ~c.blancs & ((c.blancs << 1) | 1); // p follows a blank
    quint64 fins = c.blancs & ~((c.blancs << 1) | 1);
    const quint64 autres = ~(c.chiffres | c.points);
    int avance = 64; // past the last whole word, or to the first not taken
    bool arret = false;
    for (; debuts != 0; debuts &= debuts - 1, fins &= fins - 1) {
        const int debut = __builtin_ctzll(debuts);
        if (fins == 0) {
            avance = debut; // a word that goes on past these 64 bytes
            break;
        }
        const int n = __builtin_ctzll(fins) - debut;
        const quint64 point = (c.points >> debut) & basDe(n);
        const int place = point == 0 ? 0 : __builtin_ctzll(point), decimales = n - 1 - place;
        if (((autres >> debut) & basDe(n)) != 0 || place == 0 || (point & (point - 1)) != 0 || place > 7 || n > 16) {
            avance = debut;
            arret = true;
            break;
        }
        // The first eight digits without the point: the bytes before it
        // from the word at the start, those after from the word one
        // byte on; the rest, at most seven, from the tenth byte. Each
        // group to the top of its word, zeros shifted in below it.
        const char *mot = p + debut;
        const quint64 avant = basDe(8 * place);
        const quint64 tete = (huitOctets(mot) & avant) | (huitOctets(mot + 1) & ~avant);
        const int nombreChiffres = n - 1;
        const quint64 m = nombreChiffres <= 8 ? valeurHuitChiffres(tete << (8 * (8 - nombreChiffres)))
                                              : valeurHuitChiffres(tete) * entiers[nombreChiffres - 8]
                                                    + valeurHuitChiffres(huitOctets(mot + 9) << (8 * (16 - nombreChiffres)));
        sortie[pris++] = float(valeurFixe(m, decimales));
        if (pris == max) {
            avance = debut + n;
            arret = true;
            break;
        }
    }
    lignes += __builtin_popcountll(c.lignes & basDe(avance));
    p += avance;
    return !arret && avance != 0;
}
#endif

#if defined(QUARVEL_LOTS)
// Bytes of text the batches below take at once, and what they may read past
// their start: the last word's sixteen bytes.
constexpr int tailleLot = 2048;
constexpr int lectureLot = tailleLot + 64;

// The places of the bits of bits, from base, after the n already in places;
// eight written at a time, whether bits has them or not, so that the loop
// runs once for most 64 bytes.
__attribute__((target("popcnt"))) inline void poser(quint16 *places, int &n, quint64 bits, int base)
{
    const int compte = __builtin_popcountll(bits);
    quint16 *q = places + n;
    for (int i = 0; i < compte; i += 8)
        for (int k = 0; k < 8; ++k) {
            q[i + k] = quint16(base + __builtin_ctzll(bits | (quint64(1) << 63)));
            bits &= bits - 1;
        }
    n += compte;
}

// For each length of a word (up to 17: too long) and place of its first
// point (up to 15: none in its first fifteen bytes), the shuffle that puts
// its digits, without the point, at the end of 16 bytes, the first ones
// left zero, and its decimals; -1 for a word not of the form, or whose first
// point is past its end.
struct FormesMots
{
    alignas(16) qint8 ordre[18 * 16][16] = {};
    qint8 decimales[18 * 16] = {};
    constexpr FormesMots()
    {
        for (int n = 0; n <= 17; ++n)
            for (int place = 0; place < 16; ++place) {
                const int forme = n * 16 + place;
                const bool bonne = n <= 16 && place >= 1 && place <= 7 && place < n;
                decimales[forme] = qint8(bonne ? n - 1 - place : -1);
                for (int k = 0; k < 16; ++k) {
                    qint8 &o = ordre[forme][15 - k];
                    o = -128; // zero
                    if (!bonne)
                        continue;
                    if (k < n - 1 - place)
                        o = qint8(n - 1 - k);
                    else if (k < n - 1)
                        o = qint8(n - 2 - k);
                }
            }
    }
};
inline constexpr FormesMots formesMots;

// The digits of the word at mot in order, without its first point, by one
// shuffle, and as four numbers of four digits by two products over the
// sixteen bytes; its length, 17 when it has sixteen bytes or more, and its
// decimals, negative when the word is not of the form but for a second
// point. Its bytes and those after are digits, points and blanks only.
__attribute__((target("ssse3"))) inline __m128i quatreChiffres(const char *mot, int &longueur, int &decimales)
{
    const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i *>(mot));
    // Of those three, only the blanks come before the point.
    longueur = __builtin_ctz(unsigned(_mm_movemask_epi8(_mm_cmplt_epi8(o, _mm_set1_epi8('.')))) | 0x20000);
    const int point = __builtin_ctz(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(o, _mm_set1_epi8('.')))) | 0x8000);
    const int forme = longueur * 16 + point;
    decimales = formesMots.decimales[forme];
    const __m128i ordre = _mm_load_si128(reinterpret_cast<const __m128i *>(formesMots.ordre[forme]));
    const __m128i chiffres = _mm_shuffle_epi8(_mm_sub_epi8(o, _mm_set1_epi8('0')), ordre);
    return _mm_madd_epi16(_mm_maddubs_epi16(chiffres, _mm_set1_epi16(0x010a)), _mm_set1_epi32(0x00010064));
}

// The sum of the 16 bytes of v.
inline qint64 somme(__m128i v)
{
    const __m128i sommes = _mm_sad_epu8(v, _mm_setzero_si128());
    return _mm_cvtsi128_si64(sommes) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sommes, sommes));
}

// What a first pass over a stretch finds: where its words start, how many
// end in it, whether its bytes are of the three kinds only (digits, points,
// blanks), and its points and line ends.
struct Etendue
{
    quint16 debuts[tailleLot / 2 + 8];
    int nombreDebuts = 0, nombreFins = 0;
    bool bons = false;
    qint64 points = 0, lignes = 0;

    // The words' starts and ends of the 64 bytes at j, from their blanks.
    __attribute__((target("popcnt"))) void placer(quint64 blancs, int j, quint64 &blancAvant)
    {
        const quint64 apresBlanc = (blancs << 1) | blancAvant;
        blancAvant = blancs >> 63;
        poser(debuts, nombreDebuts, ~blancs & apresBlanc, j);
        nombreFins += __builtin_popcountll(blancs & ~apresBlanc);
    }
};

// The first pass, 16 bytes at a time.
__attribute__((target("ssse3,popcnt"))) void parcourir(const char *p, Etendue &e)
{
    quint64 blancAvant = 1; // p follows a blank
    // Counts a byte of the points and line ends.
    __m128i bons = _mm_set1_epi8(-1), points = _mm_setzero_si128(), lignes = _mm_setzero_si128();
    for (int j = 0; j < tailleLot; j += 64) {
        quint64 blancs = 0;
        for (int k = 0; k < 4; ++k) {
            const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + j + 16 * k));
            // The blanks of blanc(): the space, and tab to carriage return.
            const __m128i t = _mm_sub_epi8(o, _mm_set1_epi8('\t')), c = _mm_sub_epi8(o, _mm_set1_epi8('0'));
            const __m128i blanc = _mm_or_si128(_mm_cmpeq_epi8(o, _mm_set1_epi8(' ')),
                                               _mm_cmpeq_epi8(_mm_min_epu8(t, _mm_set1_epi8('\r' - '\t')), t));
            const __m128i chiffre = _mm_cmpeq_epi8(_mm_min_epu8(c, _mm_set1_epi8(9)), c);
            const __m128i point = _mm_cmpeq_epi8(o, _mm_set1_epi8('.'));
            bons = _mm_and_si128(bons, _mm_or_si128(_mm_or_si128(blanc, chiffre), point));
            points = _mm_sub_epi8(points, point);
            lignes = _mm_sub_epi8(lignes, _mm_cmpeq_epi8(o, _mm_set1_epi8('\n')));
            blancs |= quint64(quint16(_mm_movemask_epi8(blanc))) << (16 * k);
        }
        e.placer(blancs, j, blancAvant);
    }
    e.bons = _mm_movemask_epi8(bons) == 0xffff;
    e.points = somme(points);
    e.lignes = somme(lignes);
}

// The same, 32 bytes at a time.
__attribute__((target("avx2,popcnt"))) void parcourirAvx2(const char *p, Etendue &e)
{
    quint64 blancAvant = 1;
    __m256i bons = _mm256_set1_epi8(-1), points = _mm256_setzero_si256(), lignes = _mm256_setzero_si256();
    for (int j = 0; j < tailleLot; j += 64) {
        quint64 blancs = 0;
        for (int k = 0; k < 2; ++k) {
            const __m256i o = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p + j + 32 * k));
            const __m256i t = _mm256_sub_epi8(o, _mm256_set1_epi8('\t')), c = _mm256_sub_epi8(o, _mm256_set1_epi8('0'));
            const __m256i blanc = _mm256_or_si256(_mm256_cmpeq_epi8(o, _mm256_set1_epi8(' ')),
                                                  _mm256_cmpeq_epi8(_mm256_min_epu8(t, _mm256_set1_epi8('\r' - '\t')), t));
            const __m256i chiffre = _mm256_cmpeq_epi8(_mm256_min_epu8(c, _mm256_set1_epi8(9)), c);
            const __m256i point = _mm256_cmpeq_epi8(o, _mm256_set1_epi8('.'));
            bons = _mm256_and_si256(bons, _mm256_or_si256(_mm256_or_si256(blanc, chiffre), point));
            points = _mm256_sub_epi8(points, point);
            lignes = _mm256_sub_epi8(lignes, _mm256_cmpeq_epi8(o, _mm256_set1_epi8('\n')));
            blancs |= quint64(quint32(_mm256_movemask_epi8(blanc))) << (32 * k);
        }
        e.placer(blancs, j, blancAvant);
    }
    e.bons = _mm256_movemask_epi8(bons) == -1;
    e.points = somme(_mm_add_epi8(_mm256_castsi256_si128(points), _mm256_extracti128_si256(points, 1)));
    e.lignes = somme(_mm_add_epi8(_mm256_castsi256_si128(lignes), _mm256_extracti128_si256(lignes, 1)));
}

// The words of the tailleLot bytes at p, many at a time, after a first pass
// over them: the words two by two, with no branch on their form, each one's
// digits as above, the two halves of eight digits of both by one more
// product, and their reals m / 10^d, both exact doubles, so that the
// quotient is the double nearest the decimal value, the library's own, and
// its float the float of that. True with what was taken when every word
// that ends in the stretch has the form (or the first max of them); false,
// with nothing taken, otherwise: the bytes then go one 64 at a time.
__attribute__((target("ssse3,popcnt"), always_inline)) inline bool convertir(const char *p, const Etendue &e,
                                                                             float *sortie, qint64 max, qint64 &pris,
                                                                             qint64 &avance, qint64 &lignes)
{
    const int n = int(std::min<qint64>(e.nombreFins, max));
    if (!e.bons || n == 0)
        return false;
    const __m128d deux52 = _mm_castsi128_pd(_mm_set1_epi64x(0x4330000000000000));
    unsigned mauvais = 0;
    int longueur = 0; // of the last word
    for (int i = 0; i < n; i += 2) {
        const int j = std::min(i + 1, n - 1); // the last word twice when n is odd
        int da = 0, db = 0, la = 0;
        const __m128i a = quatreChiffres(p + e.debuts[i], la, da);
        const __m128i b = quatreChiffres(p + e.debuts[j], longueur, db);
        const __m128i moities = _mm_madd_epi16(_mm_packs_epi32(a, b), _mm_set1_epi32(0x00012710));
        // m below 2^52: its bits under those of 2^52 make the double exactly.
        const __m128i m = _mm_add_epi64(_mm_mul_epu32(moities, _mm_set1_epi64x(100000000)), _mm_srli_epi64(moities, 32));
        const __m128d reels = _mm_sub_pd(_mm_or_pd(_mm_castsi128_pd(m), deux52), deux52);
        mauvais |= unsigned(da | db) & 0x80000000;
        const __m128 v = _mm_cvtpd_ps(_mm_div_pd(reels, _mm_set_pd(puissancesDix[db & 15], puissancesDix[da & 15])));
        if (j > i)
            _mm_storel_pi(reinterpret_cast<__m64 *>(sortie + i), v);
        else
            _mm_store_ss(sortie + i, v);
    }
    // Each word has a point: one each when the words have as many in all.
    const int fin = e.debuts[n - 1] + longueur;
    if (mauvais != 0 || e.points - std::count(p + fin, p + tailleLot, '.') != n)
        return false;
    pris += n;
    avance = fin;
    lignes += e.lignes - std::count(p + fin, p + tailleLot, '\n');
    return true;
}

__attribute__((target("ssse3,popcnt"))) bool lotFixe(const char *p, float *sortie, qint64 max, qint64 &pris,
                                                       qint64 &avance, qint64 &lignes)
{
    Etendue e;
    parcourir(p, e);
    return convertir(p, e, sortie, max, pris, avance, lignes);
}

// The same with AVX2's wider registers and three-operand forms.
__attribute__((target("avx2,popcnt"))) bool lotFixeAvx2(const char *p, float *sortie, qint64 max, qint64 &pris,
                                                          qint64 &avance, qint64 &lignes)
{
    Etendue e;
    parcourirAvx2(p, e);
    return convertir(p, e, sortie, max, pris, avance, lignes);
}

// Which of the 32 bytes of o are digits, points and spaces, a bit a byte.
__attribute__((target("avx2"), always_inline)) inline void classesAvx2(__m256i o, quint32 &chiffres, quint32 &points,
                                                                      quint32 &espaces)
{
    const __m256i c = _mm256_sub_epi8(o, _mm256_set1_epi8('0'));
    chiffres = quint32(_mm256_movemask_epi8(_mm256_cmpeq_epi8(_mm256_min_epu8(c, _mm256_set1_epi8(9)), c)));
    points = quint32(_mm256_movemask_epi8(_mm256_cmpeq_epi8(o, _mm256_set1_epi8('.'))));
    espaces = quint32(_mm256_movemask_epi8(_mm256_cmpeq_epi8(o, _mm256_set1_epi8(' '))));
}

// The digits of the two words of o, one a half, by the shuffle ordre of
// their form, as four numbers of four digits each, as quatreChiffres.
__attribute__((target("avx2"), always_inline)) inline __m256i quatreChiffresAvx2(__m256i o, __m256i ordre)
{
    const __m256i chiffres = _mm256_shuffle_epi8(_mm256_sub_epi8(o, _mm256_set1_epi8('0')), ordre);
    return _mm256_madd_epi16(_mm256_maddubs_epi16(chiffres, _mm256_set1_epi16(0x010a)), _mm256_set1_epi32(0x00010064));
}

// A run of words of one form, each after one space, as a density per voxel
// mostly comes ("1.02345 1.02398 ..."): from p, past the blanks there, the
// words of the first word's form (15 bytes at most), found at their known
// steps without a first pass. Four at a time, two a register: their bytes'
// classes checked against the form's, their digits by its one shuffle, and
// their four reals at once, as the batches make them; at the first word not
// of the form, those before it. Up to max of them, while 80 bytes are left;
// p and lignes move past them. Returns the count taken.
__attribute__((target("avx2,popcnt"))) qint64 suite(const char *&p, const char *fin, float *sortie, qint64 max,
                                                     qint64 &lignes)
{
    const char *q = p;
    qint64 sauts = 0;
    while (q < fin && blanc(*q))
        sauts += *q++ == '\n';
    if (fin - q < 80)
        return 0;
    quint32 chiffres = 0, points = 0, espaces = 0;
    classesAvx2(_mm256_zextsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i *>(q))), chiffres, points, espaces);
    const int longueur = __builtin_ctz(~(chiffres | points) | 0x10000);
    const int place = __builtin_ctz(points | 0x8000);
    const int decimales = formesMots.decimales[longueur * 16 + place];
    if (decimales < 0 || longueur > 15)
        return 0;
    // Each word's bytes up to the space after it, in both halves.
    const auto deuxFois = [](quint32 bits) { return bits | bits << 16; };
    const quint32 jusquAuBout = deuxFois((2u << longueur) - 1), espace = deuxFois(1u << longueur),
                  point = deuxFois(1u << place), lesChiffres = jusquAuBout & ~espace & ~point;
    const __m256i ordre = _mm256_broadcastsi128_si256(
        _mm_load_si128(reinterpret_cast<const __m128i *>(formesMots.ordre[longueur * 16 + place])));
    const __m256d diviseur = _mm256_set1_pd(puissancesDix[decimales]);
    const __m256d deux52 = _mm256_castsi256_pd(_mm256_set1_epi64x(0x4330000000000000));
    const int pas = longueur + 1;
    qint64 pris = 0;
    while (max - pris >= 4 && fin - q >= 4 * pas + 16) {
        // Words 0 and 2 in one register, 1 and 3 in the other: packed,
        // their halves of eight digits come in order.
        const __m256i x = _mm256_loadu2_m128i(reinterpret_cast<const __m128i *>(q + 2 * pas),
                                              reinterpret_cast<const __m128i *>(q));
        const __m256i y = _mm256_loadu2_m128i(reinterpret_cast<const __m128i *>(q + 3 * pas),
                                              reinterpret_cast<const __m128i *>(q + pas));
        quint32 cx = 0, px = 0, ex = 0, cy = 0, py = 0, ey = 0;
        classesAvx2(x, cx, px, ex);
        classesAvx2(y, cy, py, ey);
        // The bytes of each word not of the form's class.
        const quint32 ecartX = ((cx & lesChiffres) | (px & point) | (ex & espace)) ^ jusquAuBout,
                      ecartY = ((cy & lesChiffres) | (py & point) | (ey & espace)) ^ jusquAuBout;
        const __m256i moities = _mm256_madd_epi16(
            _mm256_packs_epi32(quatreChiffresAvx2(x, ordre), quatreChiffresAvx2(y, ordre)), _mm256_set1_epi32(0x00012710));
        const __m256i m =
            _mm256_add_epi64(_mm256_mul_epu32(moities, _mm256_set1_epi64x(100000000)), _mm256_srli_epi64(moities, 32));
        const __m256d reels = _mm256_sub_pd(_mm256_or_pd(_mm256_castsi256_pd(m), deux52), deux52);
        const __m128 v = _mm256_cvtpd_ps(_mm256_div_pd(reels, diviseur));
        if ((ecartX | ecartY) == 0) {
            _mm_storeu_ps(sortie + pris, v);
            pris += 4;
            q += 4 * pas;
            continue;
        }
        // The words of the form before the first that is not, alone
        // written: the next values may be another thread's.
        const int k = (ecartX & 0xffff) ? 0 : (ecartY & 0xffff) ? 1 : (ecartX >> 16) ? 2 : 3;
        _mm_maskstore_ps(sortie + pris, _mm_cmpgt_epi32(_mm_set1_epi32(k), _mm_setr_epi32(0, 1, 2, 3)), v);
        pris += k;
        q += k * pas;
        break;
    }
    if (pris == 0)
        return 0;
    lignes += sauts;
    p = q - 1;
    return pris;
}

// What this processor has for the batches: none, SSSE3 or AVX2.
int niveauLots()
{
    static const int niveau = !__builtin_cpu_supports("ssse3") || !__builtin_cpu_supports("popcnt") ? 0
                              : __builtin_cpu_supports("avx2")                                       ? 2
                                                                                                     : 1;
    return niveau;
}
#endif

#if defined(QUARVEL_LOTS)
// The words' starts of 64 bytes at a time: a byte not blank after a blank.
__attribute__((target("avx2,popcnt"))) qint64 motsAvx2(const char *&p, const char *fin, bool &blancAvant)
{
    qint64 mots = 0;
    quint64 avant = blancAvant;
    for (; fin - p >= 64; p += 64) {
        quint64 blancs = 0;
        for (int k = 0; k < 2; ++k) {
            const __m256i o = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p + 32 * k));
            const __m256i t = _mm256_sub_epi8(o, _mm256_set1_epi8('\t'));
            const __m256i blanc = _mm256_or_si256(_mm256_cmpeq_epi8(o, _mm256_set1_epi8(' ')),
                                                  _mm256_cmpeq_epi8(_mm256_min_epu8(t, _mm256_set1_epi8('\r' - '\t')), t));
            blancs |= quint64(quint32(_mm256_movemask_epi8(blanc))) << (32 * k);
        }
        mots += _mm_popcnt_u64(~blancs & (blancs << 1 | avant));
        avant = blancs >> 63;
    }
    blancAvant = avant;
    return mots;
}
#endif

} // namespace

qint64 compterMots(const char *p, const char *fin)
{
    return compterMots(p, fin, 2);
}

qint64 compterMots(const char *p, const char *fin, int registres)
{
    Q_UNUSED(registres);
    qint64 mots = 0;
    bool blancAvant = true;
#if defined(QUARVEL_LOTS)
    if (std::min(registres, niveauLots()) == 2)
        mots = motsAvx2(p, fin, blancAvant);
#endif
    for (; p < fin; ++p) {
        mots += blancAvant && !blanc(*p);
        blancAvant = blanc(*p);
    }
    return mots;
}

qint64 reelsFixes(const char *&p, const char *fin, float *sortie, qint64 max, qint64 &lignes)
{
    return reelsFixes(p, fin, sortie, max, lignes, 2);
}

qint64 reelsFixes(const char *&p, const char *fin, float *sortie, qint64 max, qint64 &lignes, int registres)
{
    Q_UNUSED(registres);
    qint64 pris = 0;
#if defined(__SSE2__)
#if defined(QUARVEL_LOTS)
    const int niveau = std::min(registres, niveauLots());
#endif
    const char *seul = p; // up to there, 64 bytes at a time: a batch there did not take its words
    while (fin - p >= 80 && pris < max) {
#if defined(QUARVEL_LOTS)
        if (niveau == 2) {
            const qint64 suivis = suite(p, fin, sortie + pris, max - pris, lignes);
            pris += suivis;
            if (fin - p < 80 || pris == max)
                break;
            // After a run, another from the word that ended it; where none
            // or a short one starts, as where forms change at each word, a
            // batch.
            if (suivis >= 8)
                continue;
        }
        if (p >= seul && fin - p >= lectureLot && niveau > 0) {
            qint64 avance = 0;
            if (niveau == 2 ? lotFixeAvx2(p, sortie + pris, max - pris, pris, avance, lignes)
                            : lotFixe(p, sortie + pris, max - pris, pris, avance, lignes)) {
                p += avance;
                continue;
            }
            seul = p + tailleLot;
        }
#endif
        if (!morceauFixe(p, sortie, pris, max, lignes))
            break;
    }
#else
    Q_UNUSED(p);
    Q_UNUSED(fin);
    Q_UNUSED(sortie);
    Q_UNUSED(max);
    Q_UNUSED(lignes);
#endif
    return pris;
}
