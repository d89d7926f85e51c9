#include "window/suivi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <system_error>
#include <thread>

namespace {

// What the user may do to a write under way, besides "Annuler": Escape
// stops it as "Annuler" does; closing the window asks first whether to
// stop it, and a window closed stops it rather than leave it to run on
// behind a window that is gone.
class ArretParLUtilisateur : public QObject
{
public:
    ArretParLUtilisateur(QWidget *fenetre, QPushButton *annuler, std::atomic<bool> &arret)
        : fenetre(fenetre), annuler(annuler), arret(arret)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(evenement)->key() == Qt::Key_Escape && annuler->isEnabled()) {
            annuler->click();
            return true;
        }
        if (evenement->type() != QEvent::Close || arret)
            return false;
        const auto reponse = QMessageBox::question(
            fenetre, QCoreApplication::translate("window", "Écriture en cours"),
            QCoreApplication::translate("window",
                                        "Un fantôme est en cours d'écriture. L'arrêter et fermer la fenêtre ? Le "
                                        "fichier ne sera pas écrit ; un fichier du même nom déjà là restera tel quel."),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (reponse == QMessageBox::Yes) {
            arret = true;
            return false;
        }
        evenement->ignore();
        return true;
    }

private:
    QWidget *fenetre;
    QPushButton *annuler;
    std::atomic<bool> &arret;
};

constexpr int pas = 1000; // steps of the bar
constexpr int intervalleMs = 100;

} // namespace

SuiviEcriture::SuiviEcriture(QWidget *parent) : QWidget(parent), barre(new QProgressBar), annuler(new QPushButton)
{
    setObjectName("suiviEcriture");
    barre->setObjectName("barreEcriture");
    annuler->setObjectName("boutonAnnuler");
    auto *ligne = new QHBoxLayout(this);
    ligne->setContentsMargins(0, 0, 0, 0);
    barre->setFormat(tr("%p %"));
    annuler->setText(tr("Annuler"));
    ligne->addWidget(barre);
    ligne->addWidget(annuler);
    hide();
}

bool SuiviEcriture::ecrire(QWidget *fenetre, qint64 total, const std::function<bool(const Progression &)> &ecrire,
                           bool *annulee)
{
    std::atomic<qint64> fait{0};
    std::atomic<bool> arret{false};
    const Progression progression = [&](qint64 octets) {
        fait = octets;
        return !arret;
    };
    const auto montrer = [&] { barre->setValue(total > 0 ? int(double(fait) / double(total) * pas) : 0); };
    // The arrow with a busy mark: the window waits, but "Annuler" can be clicked.
    QApplication::setOverrideCursor(Qt::BusyCursor);
    barre->setRange(0, pas);
    barre->setValue(0);
    annuler->setEnabled(true);
    show();
    const QMetaObject::Connection clic = QObject::connect(annuler, &QPushButton::clicked, [&] {
        arret = true;
        annuler->setEnabled(false);
    });
    ArretParLUtilisateur filtre(fenetre, annuler, arret);
    fenetre->installEventFilter(&filtre);

    bool ecrit = false;
    QEventLoop boucle;
    std::thread fil;
    try {
        fil = std::thread([&] {
            ecrit = ecrire(progression);
            QMetaObject::invokeMethod(&boucle, &QEventLoop::quit, Qt::QueuedConnection);
        });
    } catch (const std::system_error &) {
        // No thread to be had: write here, and let the window breathe between blocks.
        QElapsedTimer depuis;
        depuis.start();
        ecrit = ecrire([&](qint64 octets) {
            if (depuis.elapsed() >= intervalleMs) {
                fait = octets;
                montrer();
                QCoreApplication::processEvents();
                depuis.restart();
            }
            return !arret;
        });
    }
    if (fil.joinable()) {
        QTimer minuterie;
        QObject::connect(&minuterie, &QTimer::timeout, montrer);
        minuterie.start(intervalleMs);
        boucle.exec();
        fil.join();
    }
    montrer();

    fenetre->removeEventFilter(&filtre);
    QObject::disconnect(clic);
    hide();
    QApplication::restoreOverrideCursor();
    // A stop asked after the last block changes nothing: the file is whole.
    *annulee = arret && !ecrit;
    return ecrit;
}
