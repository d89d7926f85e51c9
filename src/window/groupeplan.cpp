#include "window/groupeplan.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "session/session.h"
#include "window/imageplan.h"

GroupePlan::GroupePlan(const QString &titre, const QString &vide, const QString &nom, QWidget *parent)
    : QGroupBox(titre, parent), coche(new QCheckBox), info(new ImagePlan(nom)), taille(new QLabel),
      chemin(new QLineEdit(vide)), choisir(new QPushButton(nom))
{
    setObjectName("groupe" + nom);
    coche->setObjectName("choix" + nom);
    info->setObjectName("info" + nom);
    taille->setObjectName("tailleImage" + nom);
    chemin->setObjectName("fichier" + nom);
    auto *grille = new QGridLayout;
    grille->addWidget(coche, 0, 0);
    grille->addWidget(info, 1, 0);
    grille->addWidget(taille, 2, 0);
    grille->setRowStretch(1, 1);
    taille->setAlignment(Qt::AlignCenter);
    setLayout(grille);
}

void GroupePlan::suivre(const Session &session, PlanImage plan)
{
    connect(&session, &Session::planChange, this, [this, &session, plan](PlanImage change) {
        if (change == plan)
            suivrePlan(session, plan);
    });
    connect(&session, &Session::sourceChangee, this, [this, &session, plan] { suivreSource(session, plan); });
}

// A new picture is shown once; a tick alone leaves it as it is.
void GroupePlan::suivrePlan(const Session &session, PlanImage plan)
{
    const PlanSession &lu = session.plan(plan);
    if (lu.image.cacheKey() != propre.cacheKey()) {
        chemin->setText(lu.chemin);
        montrer(lu.image);
    }
    if (session.source() == SourceFantome::Plans)
        coche->setChecked(lu.coche);
}

void GroupePlan::suivreSource(const Session &session, PlanImage plan)
{
    const bool plans = session.source() == SourceFantome::Plans;
    coche->setChecked(plans && session.plan(plan).coche);
    coche->setEnabled(plans);
}

void GroupePlan::placerSous(QWidget *widget)
{
    auto *grille = static_cast<QGridLayout *>(layout());
    grille->addWidget(widget, grille->rowCount(), 0);
}

void GroupePlan::montrer(const QImage &image)
{
    propre = image;
    legendePropre = tr("%1 × %2 pixels").arg(image.width()).arg(image.height());
    reprendre();
}

void GroupePlan::preter(const QImage &image, const QString &legende)
{
    info->montrer(image);
    taille->setText(legende);
}

void GroupePlan::reprendre()
{
    info->montrer(propre);
    taille->setText(legendePropre);
}
