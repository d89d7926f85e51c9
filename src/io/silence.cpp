#include "io/silence.h"

#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace {

// stderr belongs to the process: the first reader in silences it, the last
// one out gives it back, whatever threads they run on.
std::mutex verrou;
int lecteurs = 0;
int ancienDescripteur = -1;

} // namespace

SansErreursStandard::SansErreursStandard()
{
    const std::lock_guard<std::mutex> garde(verrou);
    if (lecteurs++ > 0)
        return;
    ancien_ = std::cerr.rdbuf(&rien_);
    std::fflush(stderr);
    const int vide = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (vide >= 0 && (ancienDescripteur = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0)) >= 0)
        ::dup2(vide, STDERR_FILENO);
    if (vide >= 0)
        ::close(vide);
}

SansErreursStandard::~SansErreursStandard()
{
    const std::lock_guard<std::mutex> garde(verrou);
    if (--lecteurs > 0)
        return;
    std::fflush(stderr);
    if (ancienDescripteur >= 0) {
        ::dup2(ancienDescripteur, STDERR_FILENO);
        ::close(ancienDescripteur);
        ancienDescripteur = -1;
    }
    std::cerr.rdbuf(ancien_);
}
