#ifndef QUARVEL_SILENCE_H
#define QUARVEL_SILENCE_H

#include <iostream>
#include <streambuf>

// Silences the readers the programs call while it lives: MetaIO writes its
// complaints to std::cerr, niftilib, teem and libpng to the C library's
// stderr, in English, beside the one French line of a refusal. Our own
// lines are written once it is gone.
class SansErreursStandard
{
public:
    SansErreursStandard();
    ~SansErreursStandard();
    SansErreursStandard(const SansErreursStandard &) = delete;
    SansErreursStandard &operator=(const SansErreursStandard &) = delete;

private:
    struct Rien : std::streambuf
    {
        int overflow(int c) override { return c == traits_type::eof() ? 0 : c; }
    };
    static inline Rien rien_;
    static inline std::streambuf *ancien_ = nullptr;
};

#endif
