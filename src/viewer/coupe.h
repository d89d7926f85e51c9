#ifndef QUARVEL_COUPE_H
#define QUARVEL_COUPE_H

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QPainter;
struct Dose;
struct Fantome;

// The three slice planes: the axes across and down the view, and the axis
// the slice is taken along. Down the view goes the way the plane images
// are read, row 0 at the top.
enum class PlanCoupe { XY, XZ, YZ };

enum class Coloration { Milieux, Densite };

// A dose as the views show it over the phantom, its grid the phantom's: a
// wash from the lowest isodose level up, and the isodose lines.
struct DoseMontree
{
    const Dose *dose = nullptr;
    double reference = 1.0;      // the dose that is 100 %, in the file's unit
    std::vector<double> niveaux; // the isodose levels, % of the reference
    double opacite = 0.5;        // of the wash, 0 to 1
};

// One slice of the phantom, drawn with the voxels' true proportions and
// fitted to the widget, each voxel a block of sharp pixels. The names and
// directions of its two axes run along the top and left edges, and a thin
// cross marks where the two other slices cut it.
class VueCoupe : public QWidget
{
    Q_OBJECT

public:
    explicit VueCoupe(PlanCoupe plan, QWidget *parent = nullptr);

    void montrer(const Fantome *fantome);
    void placer(int position);             // slice index along the axis of the cut
    void colorer(Coloration coloration, double densiteMin, double densiteMax);
    // The slice of the other views along axis axe (0 x, 1 y, 2 z) is at position.
    void marquer(int axe, int position);
    void montrerReperes(bool montres);
    // A null dose takes it away; the view keeps the pointer.
    void montrerDose(const DoseMontree &dose);

    PlanCoupe plan() const { return plan_; }
    int axeLargeur() const { return axes[0]; }
    int axeHauteur() const { return axes[1]; }
    int axeCoupe() const { return axes[2]; }
    int position() const { return position_; }

    // The voxel (x, y, z) drawn at a point of the widget, or false.
    bool voxelEn(const QPoint &point, std::array<int, 3> &voxel) const;
    // Where the voxel at (across, down) of this slice is drawn.
    QRect rectangleVoxel(int largeur, int hauteur) const;
    // The slice as shown, without the margins or the cross.
    QImage image() const;
    // The slice for a file: a whole number of pixels for the narrowest voxel,
    // the least that makes the longer side 512 pixels or more. Empty, with
    // the reason in *raison, when that would make it too large.
    QImage imageExportee(QString *raison) const;

    // Called with the voxel under the mouse, or with a clicked voxel.
    std::function<void(const std::array<int, 3> &)> survol;
    std::function<void(const std::array<int, 3> &)> clic;

    QSize sizeHint() const override { return {320, 320}; }

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;

private:
    void calculerCadre();
    std::vector<QRgb> couleursTranche() const;
    QImage rendu(QSize taille, const std::vector<int> &colonnesImage, const std::vector<int> &rangeesImage) const;
    QRgb couleur(qint64 voxel) const;
    void dessinerAxes(QPainter &peintre) const;
    void dessinerReperes(QPainter &peintre) const;
    std::vector<float> dosesTranche() const;
    void tracerIsodoses(QImage &image) const;

    const PlanCoupe plan_;
    int axes[3];
    const Fantome *fantome = nullptr;
    int position_ = 0;
    Coloration coloration = Coloration::Milieux;
    double densiteMin = 0, densiteMax = 1;
    std::vector<QRgb> couleursMilieux;
    std::vector<QRgb> couleursDensites; // per distinct density, when the file has few
    DoseMontree doseMontree;

    // Voxel edges along the two axes of the view, from 0, in cm.
    std::vector<double> abscisses, ordonnees;
    std::array<int, 3> reperes{};       // the slice of each axis the other views show
    bool reperesMontres = true;
    QRect cadre;                        // where the slice is drawn
    std::vector<int> colonnes, rangees; // voxel of each pixel column and row of the frame
    mutable QImage cache;
};

#endif
