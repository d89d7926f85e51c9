<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>FenetreVue</name>
    <message>
        <source>Aller au maximum</source>
        <translation>Go to the maximum</translation>
    </message>
    <message>
        <source>Opacité du lavis</source>
        <translation>Colour wash opacity</translation>
    </message>
    <message>
        <source>Référence (100 %)</source>
        <translation>Reference (100 %)</translation>
    </message>
    <message>
        <source>Isodoses (% de la référence)</source>
        <translation>Isodoses (% of the reference)</translation>
    </message>
    <message>
        <source>Dose dans l'unité du fichier, pas en Gy : pour un faisceau, par fluence incidente (Gy·cm²). Le lavis part de l'isodose la plus basse.</source>
        <translation>Dose in the file's unit, not in Gy: for a beam, per incident fluence (Gy·cm²). The colour wash starts at the lowest isodose.</translation>
    </message>
    <message>
        <source>Ouvrir une dose</source>
        <translation>Open a dose</translation>
    </message>
    <message>
        <source>Doses (*.3ddose *.3ddose.gz *.gz);;Tous les fichiers (*)</source>
        <translation>Doses (*.3ddose *.3ddose.gz *.gz);;All files (*)</translation>
    </message>
    <message>
        <source>Ouverture de « %1 » annulée.</source>
        <translation>Opening of "%1" cancelled.</translation>
    </message>
    <message>
        <source>Dose « %1 » illisible : %2</source>
        <translation>Dose "%1" unreadable: %2</translation>
    </message>
    <message>
        <source>Dose « %1 » refusée : %2</source>
        <translation>Dose "%1" refused: %2</translation>
    </message>
    <message>
        <source>Dose « %1 » : %2 × %3 × %4 voxels, maximum %5%6</source>
        <translation>Dose "%1": %2 × %3 × %4 voxels, maximum %5%6</translation>
    </message>
    <message>
        <source>, sans incertitudes</source>
        <translation>, no uncertainties</translation>
    </message>
    <message>
        <source>Maximum %1%2 au voxel (%3, %4, %5), %6 ; souvent un voxel d'air bruité : la référence peut être une autre dose.</source>
        <translation>Maximum %1%2 at voxel (%3, %4, %5), %6; often a noisy air voxel: the reference may be another dose.</translation>
    </message>
    <message>
        <source>Référence « %1 » refusée : une dose au-dessus de 0 attendue</source>
        <translation>Reference "%1" refused: a dose above 0 expected</translation>
    </message>
    <message>
        <source>Isodose « %1 » refusée : un pourcentage au-dessus de 0 attendu</source>
        <translation>Isodose "%1" refused: a percentage above 0 expected</translation>
    </message>
    <message>
        <source> (%1 % de la référence)</source>
        <translation> (%1 % of the reference)</translation>
    </message>
    <message>
        <source>Survoler une coupe pour lire un voxel ; cliquer pour y placer les deux autres coupes.</source>
        <translation>Hover over a slice to read a voxel; click to move the two other slices there.</translation>
    </message>
    <message>
        <source>Légende</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Dose</source>
        <translation>Dose</translation>
    </message>
    <message>
        <source>Profils</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>HDV</source>
        <translation>DVH</translation>
    </message>
    <message>
        <source>Aucun fantôme ouvert.</source>
        <translation>No phantom open.</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Dose…</source>
        <translation>Dose…</translation>
    </message>
    <message>
        <source>Exporter l'image…</source>
        <translation>Export image…</translation>
    </message>
    <message>
        <source>Milieux</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Densité</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Repères des coupes</source>
        <translation>Slice markers</translation>
    </message>
    <message>
        <source>Couleurs :</source>
        <translation>Colours:</translation>
    </message>
    <message>
        <source>Coupe %1</source>
        <translation>Slice %1</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Clé</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Voxels</source>
        <translation>Voxels</translation>
    </message>
    <message>
        <source>Volume (cm³)</source>
        <translation>Volume (cm³)</translation>
    </message>
    <message>
        <source>Masse (g)</source>
        <translation>Mass (g)</translation>
    </message>
    <message>
        <source>Densité (g/cm³)</source>
        <translation>Density (g/cm³)</translation>
    </message>
    <message>
        <source>Ouvrir un fantôme</source>
        <translation>Open a phantom</translation>
    </message>
    <message>
        <source>Fantômes (*.egsphant *.egsphant.gz *.gz);;Tous les fichiers (*)</source>
        <translation>Phantoms (*.egsphant *.egsphant.gz *.gz);;All files (*)</translation>
    </message>
    <message>
        <source>Fichier « %1 » illisible : %2</source>
        <translation>File "%1" unreadable: %2</translation>
    </message>
    <message>
        <source>Lecture de « %1 »…</source>
        <translation>Reading "%1"…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source>« %1 » : %2 × %3 × %4 voxels, %n milieux</source>
        <translation>
            <numerusform>"%1": %2 × %3 × %4 voxels, %n medium</numerusform>
            <numerusform>"%1": %2 × %3 × %4 voxels, %n media</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 = %2 cm (coupe %3 / %4)</source>
        <translation>%1 = %2 cm (slice %3 / %4)</translation>
    </message>
    <message>
        <source>Voxel (i, j, k) = (%1, %2, %3)   centre (x, y, z) = (%4, %5, %6) cm   milieu %7 « %8 »   densité %9 g/cm³</source>
        <translation>Voxel (i, j, k) = (%1, %2, %3)   centre (x, y, z) = (%4, %5, %6) cm   medium %7 "%8"   density %9 g/cm³</translation>
    </message>
    <message>
        <source>Aucun fantôme ouvert : rien à exporter.</source>
        <translation>No phantom open: nothing to export.</translation>
    </message>
    <message>
        <source>Exporter l'image de la coupe %1</source>
        <translation>Export the image of slice %1</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Coupe %1 enregistrée dans « %2 » (%3 × %4 pixels)</source>
        <translation>Slice %1 saved in "%2" (%3 × %4 pixels)</translation>
    </message>
    <message>
        <source>Image « %1 » non enregistrée : %2</source>
        <translation>Image "%1" not saved: %2</translation>
    </message>
</context>
<context>
    <name>FormulaireDosxyz</name>
    <message>
        <source>Entrée DOSXYZnrc</source>
        <translation>DOSXYZnrc input</translation>
    </message>
</context>
<context>
    <name>Interface</name>
    <message>
        <source>Image compatible : </source>
        <translation>Compatible image: </translation>
    </message>
    <message>
        <source>Image incompatible : </source>
        <translation>Incompatible image: </translation>
    </message>
    <message>
        <source>Images (*.bmp)</source>
        <translation>Images (*.bmp)</translation>
    </message>
    <message>
        <source>Charger une table</source>
        <translation>Load a table</translation>
    </message>
    <message>
        <source>Tables de niveaux de gris (*.txt);;Tous les fichiers (*)</source>
        <translation>Grey-level tables (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Enregistrer la table</source>
        <translation>Save the table</translation>
    </message>
    <message>
        <source>Images (*.pegs4dat)</source>
        <translation>PEGS4 files (*.pegs4dat)</translation>
    </message>
    <message>
        <source>1 milieu lu dans "%1"</source>
        <translation>1 medium read from "%1"</translation>
    </message>
    <message>
        <source>%1 milieux lus dans "%2"</source>
        <translation>%1 media read from "%2"</translation>
    </message>
    <message>
        <source>Choisir un volume</source>
        <translation>Choose a volume</translation>
    </message>
    <message>
        <source>Volumes (*.nrrd *.nhdr *.nii *.nii.gz *.mha *.mhd);;Tous les fichiers (*)</source>
        <translation>Volumes (*.nrrd *.nhdr *.nii *.nii.gz *.mha *.mhd);;All files (*)</translation>
    </message>
    <message>
        <source>Choisir un dossier de coupes</source>
        <translation>Choose a folder of slices</translation>
    </message>
    <message>
        <source>Entrée DOSXYZnrc</source>
        <translation>DOSXYZnrc input</translation>
    </message>
    <message>
        <source>Entrées DOSXYZnrc (*.egsinp)</source>
        <translation>DOSXYZnrc inputs (*.egsinp)</translation>
    </message>
    <message>
        <source>Géométrie egs++</source>
        <translation>egs++ geometry</translation>
    </message>
    <message>
        <source>Géométries egs++ (*.geom)</source>
        <translation>egs++ geometries (*.geom)</translation>
    </message>
    <message>
        <source>Plan XY</source>
        <translation>XY plane</translation>
    </message>
    <message>
        <source>Plan YZ</source>
        <translation>YZ plane</translation>
    </message>
    <message>
        <source>Plan XZ</source>
        <translation>XZ plane</translation>
    </message>
    <message>
        <source>Quarvel Toolkit</source>
        <translation>Quarvel Toolkit</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Materiaux</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
</context>
<context>
    <name>PanneauExportable</name>
    <message>
        <source>Exporter CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Exporter PNG…</source>
        <translation>Export PNG…</translation>
    </message>
    <message>
        <source>Exporter %1</source>
        <translation>Export %1</translation>
    </message>
    <message>
        <source>Tables CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Table « %1 » non enregistrée : %2</source>
        <translation>Table "%1" not saved: %2</translation>
    </message>
    <message>
        <source>%1 enregistrés dans « %2 »</source>
        <translation>%1 saved in "%2"</translation>
    </message>
    <message>
        <source>Image « %1 » non enregistrée : %2</source>
        <translation>Image "%1" not saved: %2</translation>
    </message>
    <message>
        <source>%1 enregistrés dans « %2 » (%3 × %4 pixels)</source>
        <translation>%1 saved in "%2" (%3 × %4 pixels)</translation>
    </message>
</context>
<context>
    <name>PanneauHistogrammes</name>
    <message>
        <source>Histogrammes</source>
        <translation>Histograms</translation>
    </message>
    <message>
        <source>Dose (unité du fichier)</source>
        <translation>Dose (file's unit)</translation>
    </message>
</context>
<context>
    <name>PanneauProfils</name>
    <message>
        <source>Profils</source>
        <translation>Profiles</translation>
    </message>
</context>
<context>
    <name>VueCoupe</name>
    <message>
        <source>aucune coupe à exporter</source>
        <translation>no slice to export</translation>
    </message>
    <message>
        <source>image trop grande (%1 × %2 pixels, %3 au plus par côté)</source>
        <translation>image too large (%1 × %2 pixels, %3 at most per side)</translation>
    </message>
    <message>
        <source>mémoire insuffisante pour l'image</source>
        <translation>not enough memory for the image</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>Usage : quarvel-toolkit [FICHIER.pegs4dat | FICHIER.egsphant]</source>
        <translation>Usage: quarvel-toolkit [FILE.pegs4dat | FILE.egsphant]</translation>
    </message>
    <message>
        <source>Ouvre la fenêtre qui construit un fantôme EGSnrc (.egsphant) à partir d'images de plans en
niveaux de gris, d'un volume d'étiquettes ou d'une série CT. Un fichier PEGS4 donné est lu
comme catalogue des milieux ; un fantôme (.egsphant, .egsphant.gz) s'ouvre dans la visionneuse.

  --help      cette aide.
  --version   la version.</source>
        <translation>Opens the window that builds an EGSnrc phantom (.egsphant) from grey-level plane images,
a label volume or a CT series. A PEGS4 file given is read as the catalogue of media;
a phantom (.egsphant, .egsphant.gz) opens in the viewer.

  --help      this help.
  --version   the version.</translation>
    </message>
    <message>
        <source>Usage : quarvel-view [FICHIER.egsphant] [--dose FICHIER.3ddose]</source>
        <translation>Usage: quarvel-view [FILE.egsphant] [--dose FILE.3ddose]</translation>
    </message>
    <message>
        <source>Montre les coupes, les milieux et les densités d'un fantôme EGSnrc (.egsphant, .egsphant.gz),
et une dose de DOSXYZnrc (.3ddose) par-dessus ou seule.

  --dose FICHIER   dose .3ddose à superposer au fantôme.
  --help           cette aide.
  --version        la version.</source>
        <translation>Shows the slices, media and densities of an EGSnrc phantom (.egsphant, .egsphant.gz),
and a DOSXYZnrc dose (.3ddose) over it or alone.

  --dose FILE      .3ddose dose to lay over the phantom.
  --help           this help.
  --version        the version.</translation>
    </message>
</context>
<context>
    <name>companions</name>
    <message>
        <source>graines « %1 » : deux entiers séparés par une virgule sont attendus</source>
        <translation>seeds "%1": two integers separated by a comma are expected</translation>
    </message>
    <message>
        <source>graine « %1 » : un entier de 1 à %2 est attendu</source>
        <translation>seed "%1": an integer from 1 to %2 is expected</translation>
    </message>
    <message>
        <source>titre sur plusieurs lignes : DOSXYZnrc n'en lit qu'une</source>
        <translation>title on several lines: DOSXYZnrc reads only one</translation>
    </message>
    <message>
        <source>titre de %1 octets : DOSXYZnrc n'en lit que %2</source>
        <translation>title of %1 bytes: DOSXYZnrc reads only %2</translation>
    </message>
    <message>
        <source>particule « %1 » : photon, electron ou positron est attendu</source>
        <translation>particle "%1": photon, electron or positron is expected</translation>
    </message>
    <message>
        <source>énergie « %1 » : un nombre de MeV supérieur à 0 est attendu</source>
        <translation>energy "%1": a number of MeV above 0 is expected</translation>
    </message>
    <message>
        <source>histoires « %1 » : un entier de 1 à %2 est attendu</source>
        <translation>histories "%1": an integer from 1 to %2 is expected</translation>
    </message>
    <message>
        <source>le fantôme « %1 » est compressé : DOSXYZnrc ne lit que le texte non compressé (écrire le fantôme sans .gz, ou le décompresser avec gunzip)</source>
        <translation>the phantom "%1" is compressed: DOSXYZnrc reads only uncompressed text (write the phantom without .gz, or decompress it with gunzip)</translation>
    </message>
    <message>
        <source>ce fichier est le fantôme lui-même</source>
        <translation>this file is the phantom itself</translation>
    </message>
    <message>
        <source>le nom du fantôme tient sur plusieurs lignes : DOSXYZnrc le lit sur une seule</source>
        <translation>the phantom's name spans several lines: DOSXYZnrc reads it on a single one</translation>
    </message>
    <message>
        <source>erreur d'écriture</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Entrée DOSXYZnrc « %1 » non écrite : %2</source>
        <translation>DOSXYZnrc input "%1" not written: %2</translation>
    </message>
    <message>
        <source>Entrée DOSXYZnrc écrite dans « %1 »</source>
        <translation>DOSXYZnrc input written to "%1"</translation>
    </message>
    <message>
        <source>le chemin « %1 » contient un saut de ligne ou un « # », qu'egs++ ne lit pas dans un nom de fichier</source>
        <translation>the path "%1" contains a line break or a "#", which egs++ does not read in a file name</translation>
    </message>
    <message>
        <source>Géométrie egs++ « %1 » non écrite : %2</source>
        <translation>egs++ geometry "%1" not written: %2</translation>
    </message>
    <message>
        <source>Géométrie egs++ écrite dans « %1 », sa rampe dans « %2 » (%3)</source>
        <translation>egs++ geometry written to "%1", its ramp to "%2" (%3)</translation>
    </message>
    <message>
        <source>1 ligne</source>
        <translation>1 line</translation>
    </message>
    <message>
        <source>%1 lignes</source>
        <translation>%1 lines</translation>
    </message>
    <message>
        <source>aucun fichier PEGS4 chargé : la rampe d'egs++ prend la densité de chaque milieu dans ce fichier</source>
        <translation>no PEGS4 file loaded: the egs++ ramp takes each medium's density from that file</translation>
    </message>
    <message>
        <source>les milieux « %1 » et « %2 » ont la même densité %3 g/cm³ : egs++ donne un milieu par densité, aucune rampe ne les sépare (décaler l'un d'eux de 0.001 g/cm³)</source>
        <translation>the media "%1" and "%2" have the same density %3 g/cm³: egs++ gives one medium per density, no ramp can tell them apart (shift one of them by 0.001 g/cm³)</translation>
    </message>
    <message>
        <source>une densité dépasse ce qu'egs++ lit (un nombre flottant de 32 bits)</source>
        <translation>a density exceeds what egs++ reads (a 32-bit floating-point number)</translation>
    </message>
    <message>
        <source>le milieu « %1 » contient un blanc : egs++ lit les noms de la rampe comme des mots</source>
        <translation>the medium "%1" contains a blank: egs++ reads the names of the ramp as words</translation>
    </message>
    <message>
        <source>le milieu « %1 » n'est pas dans le fichier PEGS4 chargé : la rampe d'egs++ demande sa densité PEGS4 (rho_default)</source>
        <translation>the medium "%1" is not in the loaded PEGS4 file: the egs++ ramp needs its PEGS4 density (rho_default)</translation>
    </message>
</context>
<context>
    <name>dose</name>
    <message>
        <source>la dose a %1 voxels selon %2, le fantôme %3</source>
        <translation>the dose has %1 voxels along %2, the phantom %3</translation>
    </message>
    <message>
        <source>la limite %1 des voxels selon %2 est %3 cm dans la dose, %4 cm dans le fantôme</source>
        <translation>voxel boundary %1 along %2 is %3 cm in the dose, %4 cm in the phantom</translation>
    </message>
    <message>
        <source>valeur en trop après les %1 incertitudes : %2</source>
        <translation>value in excess after the %1 uncertainties: %2</translation>
    </message>
    <message>
        <source>%1 du voxel %2</source>
        <translation>%1 of voxel %2</translation>
    </message>
    <message>
        <source>%1 n'est pas un nombre (%2 du voxel %3)</source>
        <translation>%1 is not a number (%2 of voxel %3)</translation>
    </message>
    <message>
        <source>dose négative du voxel %1 : %2</source>
        <translation>negative dose of voxel %1: %2</translation>
    </message>
    <message>
        <source>incertitude du voxel %1 hors de 0 à 1 : %2</source>
        <translation>uncertainty of voxel %1 outside 0 to 1: %2</translation>
    </message>
    <message>
        <source>dose</source>
        <translation>dose</translation>
    </message>
    <message>
        <source>incertitude</source>
        <translation>uncertainty</translation>
    </message>
    <message>
        <source>mémoire insuffisante pour lire cette dose</source>
        <translation>not enough memory to read this dose</translation>
    </message>
</context>
<context>
    <name>egsphant</name>
    <message>
        <source>fin du fichier ; attendu : %1</source>
        <translation>end of file; expected: %1</translation>
    </message>
    <message>
        <source>erreur de lecture : %1</source>
        <translation>read error: %1</translation>
    </message>
    <message>
        <source>%1 n'est pas un nombre (%2)</source>
        <translation>%1 is not a number (%2)</translation>
    </message>
    <message>
        <source>%1 n'est pas un nombre entier (%2)</source>
        <translation>%1 is not an integer (%2)</translation>
    </message>
    <message>
        <source>nombre de voxels selon %1</source>
        <translation>number of voxels along %1</translation>
    </message>
    <message>
        <source>%1 voxels selon %2, au moins 1 attendu</source>
        <translation>%1 voxels along %2, at least 1 expected</translation>
    </message>
    <message>
        <source>ligne %1 : %2 × %3 × %4 voxels annoncés, le fichier ne peut pas les contenir (%5 octets de texte au plus)</source>
        <translation>line %1: %2 × %3 × %4 voxels announced, the file cannot hold them (%5 bytes of text at most)</translation>
    </message>
    <message>
        <source>c'est un dossier, pas un fichier</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>fichier absent</source>
        <translation>file missing</translation>
    </message>
    <message>
        <source>ce n'est pas un fichier ordinaire (tube, périphérique ou prise)</source>
        <translation>not a regular file (pipe, device or socket)</translation>
    </message>
    <message>
        <source>impossible d'ouvrir le fichier (%1)</source>
        <translation>cannot open the file (%1)</translation>
    </message>
    <message>
        <source>lecture arrêtée</source>
        <translation>reading stopped</translation>
    </message>
</context>
<context>
    <name>images</name>
    <message>
        <source>Image refusée : "%1" n'est pas un fichier ordinaire</source>
        <translation>Image refused: "%1" is not a regular file</translation>
    </message>
    <message>
        <source>Image trop grande : "%1" annonce %2 × %3 pixels</source>
        <translation>Image too large: "%1" announces %2 × %3 pixels</translation>
    </message>
    <message>
        <source>Image illisible (format inconnu ou fichier abîmé) : "%1"</source>
        <translation>Unreadable image (unknown format or damaged file): "%1"</translation>
    </message>
    <message>
        <source>Image introuvable : "%1"</source>
        <translation>Image not found: "%1"</translation>
    </message>
    <message>
        <source>Fichier "%1" : image incomplète ou corrompue</source>
        <translation>File "%1": incomplete or corrupt image</translation>
    </message>
    <message>
        <source>Toutes les images lisibles (%1)</source>
        <translation>All readable images (%1)</translation>
    </message>
    <message>
        <source>%1 fait %2 pixels, %3 attendus</source>
        <translation>%1 is %2 pixels, %3 expected</translation>
    </message>
    <message>
        <source>aucun plan coché</source>
        <translation>no plane ticked</translation>
    </message>
    <message>
        <source>aucune image cochée ne donne l'axe %1</source>
        <translation>no ticked image gives the %1 axis</translation>
    </message>
    <message>
        <source>aucune image cochée ne donne les axes %1 et %2</source>
        <translation>no ticked image gives the %1 and %2 axes</translation>
    </message>
</context>
<context>
    <name>io</name>
    <message>
        <source>aucun nom de fichier</source>
        <translation>no file name</translation>
    </message>
    <message>
        <source>le chemin n'est pas un texte UTF-8 valide</source>
        <translation>the path is not valid UTF-8 text</translation>
    </message>
    <message>
        <source>trop de liens symboliques à suivre (boucle ?)</source>
        <translation>too many symbolic links to follow (a loop?)</translation>
    </message>
    <message>
        <source>nom trop long pour le système de fichiers (%1 octets, au plus %2)</source>
        <translation>name too long for the file system (%1 bytes, at most %2)</translation>
    </message>
    <message>
        <source>c'est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>c'est un périphérique</source>
        <translation>it is a device</translation>
    </message>
    <message>
        <source>c'est un tube</source>
        <translation>it is a pipe</translation>
    </message>
    <message>
        <source>c'est une socket</source>
        <translation>it is a socket</translation>
    </message>
    <message>
        <source>%1, pas un fichier ordinaire</source>
        <translation>%1, not a regular file</translation>
    </message>
    <message>
        <source>le fichier existant est protégé en écriture</source>
        <translation>the existing file is write-protected</translation>
    </message>
    <message>
        <source>place insuffisante sur le disque : le fichier fera au moins %1 Mo, il en reste %2 Mo</source>
        <translation>not enough disk space: the file will take at least %1 MB, %2 MB are left</translation>
    </message>
    <message>
        <source>impossible de le créer (dossier absent ou accès refusé : %1)</source>
        <translation>cannot create it (folder missing or access denied: %1)</translation>
    </message>
    <message>
        <source>erreur d'écriture (disque plein ?)</source>
        <translation>write error (disk full?)</translation>
    </message>
    <message>
        <source>la cible a changé pendant l'écriture</source>
        <translation>the target changed during the writing</translation>
    </message>
    <message>
        <source>impossible de remplacer le fichier existant (%1)</source>
        <translation>cannot replace the existing file (%1)</translation>
    </message>
    <message>
        <source>fichier introuvable</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>illisible (%1)</source>
        <translation>unreadable (%1)</translation>
    </message>
    <message>
        <source>trop grand pour %1</source>
        <translation>too large for %1</translation>
    </message>
    <message>
        <source>texte qui n'est pas de l'UTF-8</source>
        <translation>text that is not UTF-8</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <translation>line %1: %2</translation>
    </message>
</context>
<context>
    <name>media</name>
    <message>
        <source>une table de niveaux de gris</source>
        <translation>a grey-level table</translation>
    </message>
    <message>
        <source>Niveau de gris %1 : aucun milieu choisi</source>
        <translation>Grey level %1: no medium chosen</translation>
    </message>
    <message>
        <source>Niveau de gris %1 : %2</source>
        <translation>Grey level %1: %2</translation>
    </message>
    <message>
        <source>Niveau de gris %1 : densité « %2 » invalide</source>
        <translation>Grey level %1: invalid density "%2"</translation>
    </message>
    <message>
        <source>nom « %1 » refusé : il contient un caractère de contrôle (U+%2)</source>
        <translation>name "%1" refused: it holds a control character (U+%2)</translation>
    </message>
    <message>
        <source>nom « %1 » refusé : le caractère « %2 » ne s'écrit pas dans un fichier egsphant (Latin-1)</source>
        <translation>name "%1" refused: the character "%2" cannot be written in an egsphant file (Latin-1)</translation>
    </message>
    <message>
        <source>Le catalogue "%1" n'est pas un fichier ordinaire</source>
        <translation>The catalogue "%1" is not a regular file</translation>
    </message>
    <message>
        <source>Le catalogue "%1" dépasse %2 Mo : ce n'est pas un fichier PEGS4</source>
        <translation>The catalogue "%1" exceeds %2 MB: it is not a PEGS4 file</translation>
    </message>
    <message>
        <source>Impossible d'ouvrir le fichier "%1"</source>
        <translation>Cannot open the file "%1"</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier "%1"</source>
        <translation>Cannot read the file "%1"</translation>
    </message>
    <message>
        <source>Aucun milieu dans le fichier "%1"</source>
        <translation>No medium in the file "%1"</translation>
    </message>
    <message>
        <source>« %1 » n'est ni un niveau de gris N ni une plage N-M (0 ≤ N ≤ M ≤ %2)</source>
        <translation>"%1" is neither a grey level N nor a range N-M (0 ≤ N ≤ M ≤ %2)</translation>
    </message>
    <message>
        <source>nom de milieu manquant après « %1 »</source>
        <translation>medium name missing after "%1"</translation>
    </message>
    <message>
        <source>trop de champs à partir de « %1 » ; une entrée s'écrit NIVEAUX NOM [DENSITE]</source>
        <translation>too many fields from "%1" on; an entry reads LEVELS NAME [DENSITY]</translation>
    </message>
    <message>
        <source>densité « %1 » invalide : un nombre supérieur à 0, écrit avec un point, est attendu</source>
        <translation>invalid density "%1": a number above 0, written with a point, is expected</translation>
    </message>
    <message>
        <source>aucun milieu « %1 » dans le catalogue : donner sa densité (NIVEAUX NOM DENSITE), ou le fichier PEGS4 qui le contient</source>
        <translation>no medium "%1" in the catalogue: give its density (LEVELS NAME DENSITY), or the PEGS4 file that holds it</translation>
    </message>
    <message>
        <source>« fond » attend un seul niveau de gris, de 0 à %1</source>
        <translation>"fond" takes a single grey level, from 0 to %1</translation>
    </message>
    <message>
        <source>lignes %1 et %2 : deux lignes « fond »</source>
        <translation>lines %1 and %2: two "fond" lines</translation>
    </message>
    <message>
        <source>lignes %1 et %2 : les niveaux se recouvrent (%3)</source>
        <translation>lines %1 and %2: the levels overlap (%3)</translation>
    </message>
    <message>
        <source>Table « %1 » : %2</source>
        <translation>Table "%1": %2</translation>
    </message>
    <message>
        <source>Niveau de gris %1 : le nom « %2 » compte plusieurs mots ; une table n'en garde qu'un</source>
        <translation>Grey level %1: the name "%2" has several words; a table keeps only one</translation>
    </message>
    <message>
        <source>Niveau de gris %1 : le nom « %2 » contient « # », qui ouvre un commentaire dans une table</source>
        <translation>Grey level %1: the name "%2" holds "#", which starts a comment in a table</translation>
    </message>
    <message>
        <source>Table « %1 » non écrite : %2</source>
        <translation>Table "%1" not written: %2</translation>
    </message>
</context>
<context>
    <name>phantom</name>
    <message>
        <source>Attention : le milieu « %1 » commence par un blanc ; egs++ et egs_brachy lisent les noms comme des mots et le perdent (ôter le blanc, ici et dans le fichier PEGS4)</source>
        <translation>Warning: medium "%1" starts with a blank; egs++ and egs_brachy read names as words and lose it (remove the blank, here and in the PEGS4 file)</translation>
    </message>
    <message>
        <source>Attention : le milieu « %1 » contient un blanc ; egs++ et egs_brachy lisent les noms comme des mots (renommer le milieu sans blanc, ici et dans le fichier PEGS4)</source>
        <translation>Warning: medium "%1" holds a blank; egs++ and egs_brachy read names as words (rename the medium without a blank, here and in the PEGS4 file)</translation>
    </message>
    <message>
        <source>Attention : le milieu « %1 » compte %2 caractères ; DOSXYZnrc n'en lit que %3 (choisir un nom plus court, ici et dans le fichier PEGS4)</source>
        <translation>Warning: medium "%1" has %2 characters; DOSXYZnrc reads only %3 (choose a shorter name, here and in the PEGS4 file)</translation>
    </message>
    <message>
        <source>Fantôme écrit dans « %1 » : %2 %3, %4 × %5 × %6 voxels</source>
        <translation>Phantom written in "%1": %2 %3, %4 × %5 × %6 voxels</translation>
    </message>
    <message>
        <source>milieu</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>milieux</source>
        <translation>media</translation>
    </message>
    <message>
        <source>Attention : fichier compressé ; DOSXYZnrc ne lit que les fichiers non compressés, et egs++ ne lit un .gz que s'il a été compilé avec gzip, ce qu'une installation standard n'a pas (le décompresser avec gunzip)</source>
        <translation>Warning: compressed file; DOSXYZnrc reads only uncompressed files, and egs++ reads a .gz only when built with gzip, which a standard installation is not (decompress it with gunzip)</translation>
    </message>
    <message>
        <source>Attention : %1 milieux ; DOSXYZnrc n'en accepte que %2 sans recompilation ($MXMED)</source>
        <translation>Warning: %1 media; DOSXYZnrc takes only %2 without recompiling ($MXMED)</translation>
    </message>
    <message>
        <source>Attention : %1 voxels en %2 ; DOSXYZnrc n'en accepte que %3 sans recompilation (%4)</source>
        <translation>Warning: %1 voxels in %2; DOSXYZnrc takes only %3 without recompiling (%4)</translation>
    </message>
    <message>
        <source>Attention : lignes de %1 voxels en X ; les anciens lecteurs egs++ n'en lisent que %2 par ligne (employer un EGSnrc récent, ou au plus %2 voxels en X)</source>
        <translation>Warning: lines of %1 voxels in X; older egs++ readers read only %2 per line (use a recent EGSnrc, or at most %2 voxels in X)</translation>
    </message>
    <message>
        <source>Attention : le milieu « %1 » n'est pas dans le fichier PEGS4 chargé ; DOSXYZnrc s'arrêtera sur ce nom sans calculer de dose (HATCH : NAMES WERE NOT RECOGNIZED) (choisir un milieu du fichier, ou l'y ajouter)</source>
        <translation>Warning: medium "%1" is not in the PEGS4 file loaded; DOSXYZnrc will stop on this name without computing any dose (HATCH: NAMES WERE NOT RECOGNIZED) (choose a medium of the file, or add it there)</translation>
    </message>
    <message>
        <source>Attention : %1 niveaux de gris laissés sans choix au premier milieu du catalogue, %2 : %3</source>
        <translation>Warning: %1 grey levels left with no choice to the catalogue's first medium, %2: %3</translation>
    </message>
    <message>
        <source>Attention : le niveau de gris laissé sans choix au premier milieu du catalogue, %1 : %2</source>
        <translation>Warning: the grey level left with no choice to the catalogue's first medium, %1: %2</translation>
    </message>
    <message>
        <source>Attention : milieux sans aucun voxel dans le fichier : %1</source>
        <translation>Warning: media with no voxel in the file: %1</translation>
    </message>
    <message>
        <source>Attention : milieu sans aucun voxel dans le fichier : %1</source>
        <translation>Warning: medium with no voxel in the file: %1</translation>
    </message>
    <message>
        <source>Aucun matériau : choisir au moins une image et un milieu par niveau de gris.</source>
        <translation>No medium: choose at least one image and one medium per grey level.</translation>
    </message>
    <message>
        <source>Nombre de voxels invalide : %1 × %2 × %3 (chaque compte doit être un entier positif).</source>
        <translation>Invalid number of voxels: %1 × %2 × %3 (each count must be a positive integer).</translation>
    </message>
    <message>
        <source>Grille trop grande : %1 × %2 × %3 voxels, soit %4 de mémoire à un octet par voxel ; cette machine en permet au plus %5.</source>
        <translation>Grid too large: %1 × %2 × %3 voxels, %4 of memory at one byte per voxel; this machine allows at most %5.</translation>
    </message>
    <message>
        <source>Mémoire insuffisante pour %1 × %2 × %3 voxels (%4).</source>
        <translation>Not enough memory for %1 × %2 × %3 voxels (%4).</translation>
    </message>
    <message>
        <source>Taille %1 : %2, la taille d'un voxel doit être un nombre fini supérieur à 0.</source>
        <translation>Size %1: %2, a voxel size must be a finite number above 0.</translation>
    </message>
    <message>
        <source>Selon %1 : la dernière limite des voxels, origine %2 + %3 × taille %4, n'est pas un nombre fini.</source>
        <translation>Along %1: the last voxel boundary, origin %2 + %3 × size %4, is not a finite number.</translation>
    </message>
    <message>
        <source>Fichier "%1" non écrit : %2</source>
        <translation>File "%1" not written: %2</translation>
    </message>
</context>
<context>
    <name>scanner</name>
    <message>
        <source>Boîte selon %1 : de %2 à %3 cm, sans épaisseur ; la seconde borne doit dépasser la première</source>
        <translation>Box along %1: from %2 to %3 cm, with no thickness; the second bound must exceed the first</translation>
    </message>
    <message>
        <source>Boîte selon %1 : de %2 à %3 cm, hors du scanner, qui va de %4 à %5 cm</source>
        <translation>Box along %1: from %2 to %3 cm, outside the CT scan, which spans %4 to %5 cm</translation>
    </message>
    <message>
        <source>Boîte selon %1 : de %2 à %3 cm demandés, ramenée au scanner : de %4 à %5 cm</source>
        <translation>Box along %1: from %2 to %3 cm asked, clamped to the CT scan: from %4 to %5 cm</translation>
    </message>
    <message>
        <source>Taille selon %1 : %2 cm, un seul voxel de %3 cm dans la boîte</source>
        <translation>Size along %1: %2 cm, a single voxel of %3 cm in the box</translation>
    </message>
    <message>
        <source>Taille selon %1 : %2, un nombre supérieur à 0 est attendu</source>
        <translation>Size along %1: %2, a number above 0 is expected</translation>
    </message>
    <message>
        <source>Taille selon %1 : %2 cm, plus petite que les voxels du scanner (%3 cm)</source>
        <translation>Size along %1: %2 cm, smaller than the CT scan's voxels (%3 cm)</translation>
    </message>
    <message>
        <source>séquences imbriquées à plus de 32 niveaux</source>
        <translation>sequences nested more than 32 levels deep</translation>
    </message>
    <message>
        <source>article de séquence sans fin avant la fin du fichier</source>
        <translation>sequence item with no end before the end of the file</translation>
    </message>
    <message>
        <source>fin de séquence coupée par la fin du fichier</source>
        <translation>sequence end cut off by the end of the file</translation>
    </message>
    <message>
        <source>élément coupé à l'octet %1</source>
        <translation>element cut off at byte %1</translation>
    </message>
    <message>
        <source>élément %1 : type (VR) illisible</source>
        <translation>element %1: unreadable type (VR)</translation>
    </message>
    <message>
        <source>élément %1 coupé</source>
        <translation>element %1 cut off</translation>
    </message>
    <message>
        <source>marque de séquence %1 hors d'une séquence</source>
        <translation>sequence delimiter %1 outside a sequence</translation>
    </message>
    <message>
        <source>élément %1 de longueur indéfinie</source>
        <translation>element %1 of undefined length</translation>
    </message>
    <message>
        <source>élément %1 coupé : %2 octets annoncés, %3 restent</source>
        <translation>element %1 cut off: %2 bytes announced, %3 remain</translation>
    </message>
    <message>
        <source>séquence mal formée : article attendu</source>
        <translation>malformed sequence: item expected</translation>
    </message>
    <message>
        <source>article de séquence coupé : %1 octets annoncés, %2 restent</source>
        <translation>sequence item cut off: %1 bytes announced, %2 remain</translation>
    </message>
    <message>
        <source>séquence sans fin avant la fin du fichier</source>
        <translation>sequence with no end before the end of the file</translation>
    </message>
    <message>
        <source>fragments de %1 coupés ou mal formés</source>
        <translation>fragments of %1 cut off or malformed</translation>
    </message>
    <message>
        <source>fragment de %1 coupé</source>
        <translation>fragment of %1 cut off</translation>
    </message>
    <message>
        <source>fichier illisible</source>
        <translation>unreadable file</translation>
    </message>
    <message>
        <source>syntaxe de transfert comprimée par deflate (1.2.840.10008.1.2.1.99) non prise en charge</source>
        <translation>deflate-compressed transfer syntax (1.2.840.10008.1.2.1.99) not supported</translation>
    </message>
    <message>
        <source>%1 absent et données illisibles</source>
        <translation>%1 missing and data unreadable</translation>
    </message>
    <message>
        <source>Mémoire insuffisante pour %1 × %2 × %3 voxels et leurs densités.</source>
        <translation>Not enough memory for %1 × %2 × %3 voxels and their densities.</translation>
    </message>
    <message>
        <source>%1 champs ; une ligne de milieu s'écrit NOM HU_MAX DENSITE_MIN DENSITE_MAX</source>
        <translation>%1 fields; a medium line reads NOM HU_MAX DENSITE_MIN DENSITE_MAX</translation>
    </message>
    <message>
        <source>%1 « %2 » n'est pas un nombre (écrit avec un point)</source>
        <translation>%1 "%2" is not a number (written with a point)</translation>
    </message>
    <message>
        <source>HU_MAX %1 ne dépasse pas la borne min %2</source>
        <translation>HU_MAX %1 does not exceed the min bound %2</translation>
    </message>
    <message>
        <source>HU_MAX %1 ne dépasse pas celui de la ligne précédente (%2) ; les HU_MAX doivent croître strictement</source>
        <translation>HU_MAX %1 does not exceed the previous line's (%2); the HU_MAX values must strictly increase</translation>
    </message>
    <message>
        <source>DENSITE_MIN %1 : une densité doit être supérieure à 0</source>
        <translation>DENSITE_MIN %1: a density must be above 0</translation>
    </message>
    <message>
        <source>DENSITE_MAX %1 inférieure à DENSITE_MIN %2</source>
        <translation>DENSITE_MAX %1 below DENSITE_MIN %2</translation>
    </message>
    <message>
        <source>lignes %1 et %2 : deux lignes « min »</source>
        <translation>lines %1 and %2: two "min" lines</translation>
    </message>
    <message>
        <source>la ligne « min HU_MIN » doit précéder les milieux</source>
        <translation>the "min HU_MIN" line must come before the media</translation>
    </message>
    <message>
        <source>« min » attend un seul nombre, écrit avec un point : min HU_MIN</source>
        <translation>"min" takes a single number, written with a point: min HU_MIN</translation>
    </message>
    <message>
        <source>plus de %1 lignes de milieux</source>
        <translation>more than %1 medium lines</translation>
    </message>
    <message>
        <source>aucune ligne de milieu (NOM HU_MAX DENSITE_MIN DENSITE_MAX)</source>
        <translation>no medium line (NOM HU_MAX DENSITE_MIN DENSITE_MAX)</translation>
    </message>
    <message>
        <source>rampe vide : une ligne « min HU_MIN » puis une ligne par milieu sont attendues</source>
        <translation>empty ramp: a "min HU_MIN" line then one line per medium are expected</translation>
    </message>
    <message>
        <source>Rampe, %1</source>
        <translation>Ramp, %1</translation>
    </message>
    <message>
        <source>borne min « %1 » : un nombre est attendu</source>
        <translation>min bound "%1": a number is expected</translation>
    </message>
    <message>
        <source>aucune ligne : une ligne par milieu (Nom, HU max, Densité min, Densité max)</source>
        <translation>no line: one line per medium (Name, HU max, Min density, Max density)</translation>
    </message>
    <message>
        <source>%1 lignes, au plus %2</source>
        <translation>%1 lines, at most %2</translation>
    </message>
    <message>
        <source>nom de milieu vide</source>
        <translation>empty medium name</translation>
    </message>
    <message>
        <source>nom « %1 » : un seul mot, sans « # », est attendu</source>
        <translation>name "%1": a single word, without "#", is expected</translation>
    </message>
    <message>
        <source>ligne %1 du tableau : %2</source>
        <translation>table line %1: %2</translation>
    </message>
    <message>
        <source>une rampe</source>
        <translation>a ramp</translation>
    </message>
    <message>
        <source>Rampe « %1 » : %2</source>
        <translation>Ramp "%1": %2</translation>
    </message>
    <message>
        <source>La rampe par défaut nomme ses milieux d'après un catalogue : donner le fichier PEGS4, ou une rampe</source>
        <translation>The default ramp names its media from a catalogue: give the PEGS4 file, or a ramp</translation>
    </message>
    <message>
        <source>Rampe par défaut : aucun milieu du catalogue ne commence par « %1 » ; donner une rampe</source>
        <translation>Default ramp: no medium of the catalogue starts with "%1"; give a ramp</translation>
    </message>
    <message>
        <source>Rampe « %1 » non écrite : %2</source>
        <translation>Ramp "%1" not written: %2</translation>
    </message>
    <message>
        <source>dossier introuvable</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>fichier DICOM abîmé « %1 » : %2</source>
        <translation>damaged DICOM file "%1": %2</translation>
    </message>
    <message>
        <source>image de repérage, pas une série de coupes</source>
        <translation>localizer image, not a series of slices</translation>
    </message>
    <message>
        <source>aucune série CT (fichiers DICOM de modalité CT)</source>
        <translation>no CT series (DICOM files of modality CT)</translation>
    </message>
    <message>
        <source>%1 absent ou nul</source>
        <translation>%1 missing or zero</translation>
    </message>
    <message>
        <source>%1 de %2 : 8, 16 ou 32 attendu</source>
        <translation>%1 = %2: 8, 16 or 32 expected</translation>
    </message>
    <message>
        <source>%1 de %2 : une seule valeur par pixel attendue</source>
        <translation>%1 = %2: a single value per pixel expected</translation>
    </message>
    <message>
        <source>%1 « %2 » illisible</source>
        <translation>%1 "%2" unreadable</translation>
    </message>
    <message>
        <source>%1 de %2 octets, moins que Rows × Columns × BitsAllocated/8 × NumberOfFrames (%3 × %4 × %5 × %6)</source>
        <translation>%1 of %2 bytes, less than Rows × Columns × BitsAllocated/8 × NumberOfFrames (%3 × %4 × %5 × %6)</translation>
    </message>
    <message>
        <source>%1 de %2 : une coupe par fichier attendue</source>
        <translation>%1 = %2: one slice per file expected</translation>
    </message>
    <message>
        <source>« %1 » : %2 illisible</source>
        <translation>"%1": %2 unreadable</translation>
    </message>
    <message>
        <source>« %1 » : %2 « %3 » : trois nombres finis attendus</source>
        <translation>"%1": %2 "%3": three finite numbers expected</translation>
    </message>
    <message>
        <source>coupes de tailles différentes : « %1 » a %2 pixels, « %3 » %4</source>
        <translation>slices of different sizes: "%1" has %2 pixels, "%3" %4</translation>
    </message>
    <message>
        <source>coupes d'orientations différentes : « %1 » et « %2 »</source>
        <translation>slices of different orientations: "%1" and "%2"</translation>
    </message>
    <message>
        <source>coupes d'espacements de pixels différents : « %1 » et « %2 »</source>
        <translation>slices of different pixel spacings: "%1" and "%2"</translation>
    </message>
    <message>
        <source>toutes les coupes sont à la même position (%1 coupes)</source>
        <translation>all the slices are at the same position (%1 slices)</translation>
    </message>
    <message>
        <source>coupes « %1 » et « %2 » à la même position</source>
        <translation>slices "%1" and "%2" at the same position</translation>
    </message>
    <message>
        <source>coupes décalées de biais (statif incliné) : rééchantillonner d'abord la série en coupes droites</source>
        <translation>slices shifted obliquely (gantry tilt): resample the series into straight slices first</translation>
    </message>
    <message>
        <source>coupes inégalement espacées, pas de %1 à %2 mm : limites des voxels à mi-chemin entre les coupes</source>
        <translation>unevenly spaced slices, steps of %1 to %2 mm: voxel boundaries halfway between the slices</translation>
    </message>
    <message>
        <source>« %1 » : %2 « %3 » illisible</source>
        <translation>"%1": %2 "%3" unreadable</translation>
    </message>
    <message>
        <source>coupes à %1 mm l'une de l'autre selon %2 : 0.001 mm au moins attendu</source>
        <translation>slices %1 mm apart along %2: at least 0.001 mm expected</translation>
    </message>
    <message>
        <source>orientation oblique : rééchantillonner d'abord la série sur des axes x, y, z</source>
        <translation>oblique orientation: resample the series onto x, y, z axes first</translation>
    </message>
    <message>
        <source>voxels illisibles (fichier DICOM abîmé ou compression non prise en charge)</source>
        <translation>unreadable voxels (damaged DICOM file or unsupported compression)</translation>
    </message>
    <message>
        <source>statif incliné de %1° : coupes rééchantillonnées droites</source>
        <translation>gantry tilt of %1°: slices resampled straight</translation>
    </message>
    <message>
        <source>, 1 image écartée (repérage ou autre que des coupes CT)</source>
        <translation>, 1 image set aside (localizer or other than CT slices)</translation>
    </message>
    <message>
        <source>, %1 images écartées (repérage ou autre que des coupes CT)</source>
        <translation>, %1 images set aside (localizer or other than CT slices)</translation>
    </message>
    <message>
        <source>Dossier « %1 » : %2</source>
        <translation>Folder "%1": %2</translation>
    </message>
    <message>
        <source>Série CT de « %1 » : %2</source>
        <translation>CT series of "%1": %2</translation>
    </message>
    <message>
        <source>aucune série CT d'UID « %1 » (séries CT : %2)</source>
        <translation>no CT series with UID "%1" (CT series: %2)</translation>
    </message>
    <message>
        <source>mémoire insuffisante pour ses voxels</source>
        <translation>not enough memory for its voxels</translation>
    </message>
</context>
<context>
    <name>streams</name>
    <message>
        <source>fichier compressé tronqué</source>
        <translation>truncated compressed file</translation>
    </message>
    <message>
        <source>données compressées invalides</source>
        <translation>invalid compressed data</translation>
    </message>
    <message>
        <source>erreur de lecture : %1</source>
        <translation>read error: %1</translation>
    </message>
    <message>
        <source>erreur de compression</source>
        <translation>compression error</translation>
    </message>
</context>
<context>
    <name>structures</name>
    <message>
        <source>deux régions s'appellent « %1 » (ROINumber %2 et %3)</source>
        <translation>two regions of interest are named "%1" (ROINumber %2 and %3)</translation>
    </message>
    <message>
        <source>aucune région « %1 » (régions : %2)</source>
        <translation>no region of interest "%1" (regions: %2)</translation>
    </message>
    <message>
        <source>%1 attend NOM=MILIEU[:DENSITE], pas « %2 »</source>
        <translation>%1 takes NAME=MEDIUM[:DENSITY], not "%2"</translation>
    </message>
    <message>
        <source>région « %1 » : %2</source>
        <translation>region "%1": %2</translation>
    </message>
    <message>
        <source>nom de milieu vide</source>
        <translation>empty medium name</translation>
    </message>
    <message>
        <source>densité « %1 » : un nombre au-dessus de 0 (g/cm³) ou « ct » est attendu</source>
        <translation>density "%1": a number above 0 (g/cm³) or "ct" is expected</translation>
    </message>
    <message>
        <source>sans densité donnée, le milieu se cherche dans un catalogue : donner --pegs FICHIER ou NOM=MILIEU:DENSITE</source>
        <translation>with no density given, the medium is looked up in a catalogue: give --pegs FILE or NAME=MEDIUM:DENSITY</translation>
    </message>
    <message>
        <source>aucun milieu « %1 » dans le catalogue</source>
        <translation>no medium "%1" in the catalogue</translation>
    </message>
    <message>
        <source>Structures « %1 » : la série n'a pas de (0020,0052) FrameOfReferenceUID où poser leurs contours</source>
        <translation>Structure set "%1": the series has no (0020,0052) FrameOfReferenceUID to place their contours in</translation>
    </message>
    <message>
        <source>Structures « %1 » : (3006,0010) FrameOfReferenceUID « %2 », la série est dans « %3 »</source>
        <translation>Structure set "%1": (3006,0010) FrameOfReferenceUID "%2", the series is in "%3"</translation>
    </message>
    <message>
        <source>Structures « %1 » : région « %2 » dans le repère « %3 » ((3006,0024)), la série dans « %4 »</source>
        <translation>Structure set "%1": region "%2" in the frame of reference "%3" ((3006,0024)), the series in "%4"</translation>
    </message>
    <message>
        <source>%1« %2 » %3 : %4 voxels</source>
        <translation>%1"%2" %3: %4 voxels</translation>
    </message>
    <message>
        <source>hors de </source>
        <translation>outside </translation>
    </message>
    <message>
        <source>structures : %1</source>
        <translation>structures: %1</translation>
    </message>
    <message>
        <source>séquences imbriquées trop profondément</source>
        <translation>sequences nested too deep</translation>
    </message>
    <message>
        <source>fin d'article inattendue à l'octet %1</source>
        <translation>unexpected item end at byte %1</translation>
    </message>
    <message>
        <source>élément %1 de %2 octets : le fichier, ou la séquence qui le tient, s'arrête avant</source>
        <translation>element %1 of %2 bytes: the file, or the sequence holding it, ends before</translation>
    </message>
    <message>
        <source>fichier coupé : il s'arrête après %1 octets</source>
        <translation>file cut off: it ends after %1 bytes</translation>
    </message>
    <message>
        <source>article de séquence mal formé à l'octet %1</source>
        <translation>malformed sequence item at byte %1</translation>
    </message>
    <message>
        <source>fin de séquence inattendue à l'octet %1</source>
        <translation>unexpected sequence end at byte %1</translation>
    </message>
    <message>
        <source>article de séquence attendu à l'octet %1</source>
        <translation>sequence item expected at byte %1</translation>
    </message>
    <message>
        <source>article de %1 octets au-delà de sa séquence</source>
        <translation>item of %1 bytes beyond its sequence</translation>
    </message>
    <message>
        <source>pas un fichier DICOM (pas de « DICM » après les 128 octets du préambule)</source>
        <translation>not a DICOM file (no "DICM" after the 128-byte preamble)</translation>
    </message>
    <message>
        <source>en-tête DICOM (groupe 0002) coupé</source>
        <translation>DICOM header (group 0002) cut off</translation>
    </message>
    <message>
        <source>en-tête DICOM : %1</source>
        <translation>DICOM header: %1</translation>
    </message>
    <message>
        <source>(0002,0010) TransferSyntaxUID « %1 » non prise en charge (%2)</source>
        <translation>(0002,0010) TransferSyntaxUID "%1" not supported (%2)</translation>
    </message>
    <message>
        <source>données compressées</source>
        <translation>compressed data</translation>
    </message>
    <message>
        <source>gros-boutiste</source>
        <translation>big-endian</translation>
    </message>
    <message>
        <source>(3006,0050) ContourData illisible</source>
        <translation>(3006,0050) ContourData unreadable</translation>
    </message>
    <message>
        <source>(3006,0050) ContourData de %1 nombres : des triplets x, y, z sont attendus</source>
        <translation>(3006,0050) ContourData of %1 numbers: x, y, z triplets are expected</translation>
    </message>
    <message>
        <source>(3006,0050) ContourData : coordonnée %1 mm hors de ±1e7 mm</source>
        <translation>(3006,0050) ContourData: coordinate %1 mm beyond ±1e7 mm</translation>
    </message>
    <message>
        <source>région « %1 », contour %2 : %3</source>
        <translation>region "%1", contour %2: %3</translation>
    </message>
    <message>
        <source>son contour %1 n'est pas sur un plan axial (z de %2 et de %3 mm)</source>
        <translation>its contour %1 is not on an axial plane (z of %2 and %3 mm)</translation>
    </message>
    <message>
        <source>(0008,0016) SOPClassUID « %1 » : pas un RT Structure Set (%2)</source>
        <translation>(0008,0016) SOPClassUID "%1": not an RT Structure Set (%2)</translation>
    </message>
    <message>
        <source>(3006,0010) ReferencedFrameOfReferenceSequence sans FrameOfReferenceUID</source>
        <translation>(3006,0010) ReferencedFrameOfReferenceSequence without FrameOfReferenceUID</translation>
    </message>
    <message>
        <source>(3006,0020) StructureSetROISequence, article %1 : (3006,0022) ROINumber illisible</source>
        <translation>(3006,0020) StructureSetROISequence, item %1: (3006,0022) ROINumber unreadable</translation>
    </message>
    <message>
        <source>(3006,0022) ROINumber %1 donné à deux régions</source>
        <translation>(3006,0022) ROINumber %1 given to two regions</translation>
    </message>
    <message>
        <source>(3006,0039) ROIContourSequence : (3006,0084) ReferencedROINumber sans région</source>
        <translation>(3006,0039) ROIContourSequence: (3006,0084) ReferencedROINumber with no region</translation>
    </message>
    <message>
        <source>fichier introuvable</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>%1 octets, trop grand pour un RT Structure Set</source>
        <translation>%1 bytes, too large for an RT Structure Set</translation>
    </message>
    <message>
        <source>illisible (%1)</source>
        <translation>unreadable (%1)</translation>
    </message>
    <message>
        <source>Structures « %1 » : %2</source>
        <translation>Structure set "%1": %2</translation>
    </message>
</context>
<context>
    <name>volume</name>
    <message>
        <source>%1 voxels selon l'axe %2 du fichier, au moins 1 attendu</source>
        <translation>%1 voxels along the file's axis %2, at least 1 expected</translation>
    </message>
    <message>
        <source>espacement</source>
        <translation>spacing</translation>
    </message>
    <message>
        <source>%1 %2 selon l'axe %3 du fichier : un nombre de %4 à %5 mm est attendu</source>
        <translation>%1 %2 along the file's axis %3: a number from %4 to %5 mm is expected</translation>
    </message>
    <message>
        <source>origine</source>
        <translation>origin</translation>
    </message>
    <message>
        <source>%1 %2 selon %3 : un nombre de -%4 à %4 mm est attendu</source>
        <translation>%1 %2 along %3: a number from -%4 to %4 mm is expected</translation>
    </message>
    <message>
        <source>Dossier « %1 » : aucune image</source>
        <translation>Folder "%1": no image</translation>
    </message>
    <message>
        <source>Dossier « %1 » : mémoire insuffisante pour ses images</source>
        <translation>Folder "%1": not enough memory for its images</translation>
    </message>
    <message>
        <source>Image « %1 » : %2 × %3 pixels, alors que « %4 » en a %5 × %6</source>
        <translation>Image "%1": %2 × %3 pixels, whereas "%4" has %5 × %6</translation>
    </message>
    <message>
        <source>%1 : %2 voxels selon l'axe %3, au moins 1 attendu</source>
        <translation>%1: %2 voxels along axis %3, at least 1 expected</translation>
    </message>
    <message>
        <source>%1 : plus de %2 voxels, au-delà de toute mémoire</source>
        <translation>%1: more than %2 voxels, beyond any memory</translation>
    </message>
    <message>
        <source>motif de fichiers « %1 » : nom%d, premier, dernier et pas attendus</source>
        <translation>file pattern "%1": name%d, first, last and step expected</translation>
    </message>
    <message>
        <source>fichier tronqué : %1 annonce %2 octets de voxels, plus que les %3 octets compressés de « %4 » n'en peuvent donner</source>
        <translation>truncated file: %1 announces %2 bytes of voxels, more than the %3 compressed bytes of "%4" can give</translation>
    </message>
    <message>
        <source>%1 : aucun fichier de données</source>
        <translation>%1: no data file</translation>
    </message>
    <message>
        <source>%1 : %2 fichiers pour %3 octets de voxels</source>
        <translation>%1: %2 files for %3 bytes of voxels</translation>
    </message>
    <message>
        <source>%1 : fichier de données « %2 » introuvable</source>
        <translation>%1: data file "%2" not found</translation>
    </message>
    <message>
        <source>%1 : « %2 » n'est pas un fichier ordinaire</source>
        <translation>%1: "%2" is not a regular file</translation>
    </message>
    <message>
        <source>%1 : les données commencent après la fin de « %2 »</source>
        <translation>%1: the data start after the end of "%2"</translation>
    </message>
    <message>
        <source>CompressedDataSize = %1 : « %2 » n'en a que %3 après l'en-tête</source>
        <translation>CompressedDataSize = %1: "%2" has only %3 after the header</translation>
    </message>
    <message>
        <source>%1 : données compressées de « %2 » tronquées ou abîmées</source>
        <translation>%1: compressed data of "%2" truncated or damaged</translation>
    </message>
    <message>
        <source>fichier tronqué ou abîmé : %1 annonce %2 octets de voxels, « %3 » en donne %4</source>
        <translation>truncated or damaged file: %1 announces %2 bytes of voxels, "%3" gives %4</translation>
    </message>
    <message>
        <source>fichier tronqué : %1 annonce %2 octets de voxels, « %3 » n'en a que %4</source>
        <translation>truncated file: %1 announces %2 bytes of voxels, "%3" has only %4</translation>
    </message>
    <message>
        <source>en-tête NRRD sans fin (ligne vide attendue avant les voxels)</source>
        <translation>NRRD header with no end (blank line expected before the voxels)</translation>
    </message>
    <message>
        <source>dimension « %1 » : un nombre entier attendu</source>
        <translation>dimension "%1": an integer expected</translation>
    </message>
    <message>
        <source>sizes « %1 » : des nombres entiers attendus</source>
        <translation>sizes "%1": integers expected</translation>
    </message>
    <message>
        <source>dimension %1 : de 1 à 16 attendu</source>
        <translation>dimension %1: 1 to 16 expected</translation>
    </message>
    <message>
        <source>sizes : %1 nombres pour dimension %2</source>
        <translation>sizes: %1 numbers for dimension %2</translation>
    </message>
    <message>
        <source>en-tête NRRD sans voxels ni « data file »</source>
        <translation>NRRD header with neither voxels nor "data file"</translation>
    </message>
    <message>
        <source>data file : %1</source>
        <translation>data file: %1</translation>
    </message>
    <message>
        <source>NDims = %1 : un nombre entier de 1 à 10 attendu</source>
        <translation>NDims = %1: an integer from 1 to 10 expected</translation>
    </message>
    <message>
        <source>DimSize = %1 : des nombres entiers attendus</source>
        <translation>DimSize = %1: integers expected</translation>
    </message>
    <message>
        <source>ElementNumberOfChannels = %1 : un nombre entier de 1 à 1024 attendu</source>
        <translation>ElementNumberOfChannels = %1: an integer from 1 to 1024 expected</translation>
    </message>
    <message>
        <source>HeaderSize = %1 : -1 ou un nombre entier d'au moins 0 attendu</source>
        <translation>HeaderSize = %1: -1 or an integer of at least 0 expected</translation>
    </message>
    <message>
        <source>CompressedDataSize = %1 : un nombre entier d'au moins 1 attendu</source>
        <translation>CompressedDataSize = %1: an integer of at least 1 expected</translation>
    </message>
    <message>
        <source>NDims absent</source>
        <translation>NDims missing</translation>
    </message>
    <message>
        <source>ElementDataFile absent : il termine l'en-tête</source>
        <translation>ElementDataFile missing: it ends the header</translation>
    </message>
    <message>
        <source>DimSize : %1 nombres pour NDims = %2</source>
        <translation>DimSize: %1 numbers for NDims = %2</translation>
    </message>
    <message>
        <source>ElementNumberOfChannels = %1 : trop de valeurs, au-delà de toute mémoire</source>
        <translation>ElementNumberOfChannels = %1: too many values, beyond any memory</translation>
    </message>
    <message>
        <source>HeaderSize = -1 : impossible pour des données compressées</source>
        <translation>HeaderSize = -1: impossible for compressed data</translation>
    </message>
    <message>
        <source>ElementDataFile = %1</source>
        <translation>ElementDataFile = %1</translation>
    </message>
    <message>
        <source>en-tête NIfTI tronqué : %1 octets sur 348</source>
        <translation>truncated NIfTI header: %1 bytes of 348</translation>
    </message>
    <message>
        <source>en-tête NIfTI tronqué : %1 octets sur %2</source>
        <translation>truncated NIfTI header: %1 bytes of %2</translation>
    </message>
    <message>
        <source>%1 = %2 : un nombre de -%3 à %3%4 est attendu</source>
        <translation>%1 = %2: a number from -%3 to %3%4 is expected</translation>
    </message>
    <message>
        <source>valeur %1 au voxel (%2, %3, %4) du fichier : une étiquette est un nombre entier de 0 à 65535</source>
        <translation>value %1 at the file's voxel (%2, %3, %4): a label is an integer from 0 to 65535</translation>
    </message>
    <message>
        <source>dim[0] = %1 : de 1 à 7 dimensions attendues</source>
        <translation>dim[0] = %1: 1 to 7 dimensions expected</translation>
    </message>
    <message>
        <source>dim[%1] = %2 : au moins 1 voxel attendu</source>
        <translation>dim[%1] = %2: at least 1 voxel expected</translation>
    </message>
    <message>
        <source>bitpix = %1 : un multiple de 8 attendu</source>
        <translation>bitpix = %1: a multiple of 8 expected</translation>
    </message>
    <message>
        <source>vox_offset = %1 : au-delà de la fin du fichier</source>
        <translation>vox_offset = %1: beyond the end of the file</translation>
    </message>
    <message>
        <source>direction oblique : rééchantillonner d'abord le volume sur des axes x, y, z</source>
        <translation>oblique direction: resample the volume onto x, y, z axes first</translation>
    </message>
    <message>
        <source>qoffset ou srow</source>
        <translation>qoffset or srow</translation>
    </message>
    <message>
        <source>image à %1 dimension%2, un volume en a 3</source>
        <translation>image with %1 dimension%2, a volume has 3</translation>
    </message>
    <message>
        <source>voxels à %1 composantes (vecteur ou couleur) : une étiquette par voxel est attendue</source>
        <translation>voxels with %1 components (vector or colour): one label per voxel is expected</translation>
    </message>
    <message>
        <source>voxels %1 : entiers de 8, 16 ou 32 bits, ou réels, attendus</source>
        <translation>voxels %1: 8, 16 or 32-bit integers, or reals, expected</translation>
    </message>
    <message>
        <source>entiers de 64 bits</source>
        <translation>of 64-bit integers</translation>
    </message>
    <message>
        <source>de type %1</source>
        <translation>of type %1</translation>
    </message>
    <message>
        <source>%1 voxels selon l'axe %2 du fichier</source>
        <translation>%1 voxels along the file's axis %2</translation>
    </message>
    <message>
        <source>format non reconnu : NRRD, NIfTI ou MetaImage attendu</source>
        <translation>format not recognised: NRRD, NIfTI or MetaImage expected</translation>
    </message>
    <message>
        <source>en-tête %1 illisible (fichier abîmé)</source>
        <translation>%1 header unreadable (damaged file)</translation>
    </message>
    <message>
        <source>mémoire insuffisante pour ses voxels</source>
        <translation>not enough memory for its voxels</translation>
    </message>
    <message>
        <source>ElementDataFile : flux compressé tronqué ou abîmé, ou d'une autre longueur que les %1 octets de voxels de DimSize</source>
        <translation>ElementDataFile: compressed stream truncated or damaged, or of another length than DimSize's %1 bytes of voxels</translation>
    </message>
    <message>
        <source>voxels illisibles (fichier tronqué ou abîmé)</source>
        <translation>unreadable voxels (truncated or damaged file)</translation>
    </message>
    <message>
        <source>Volume « %1 » : %2</source>
        <translation>Volume "%1": %2</translation>
    </message>
    <message>
        <source>%1 au voxel %2 du fichier</source>
        <translation>%1 at the file's voxel %2</translation>
    </message>
    <message>
        <source>valeur %1 : une étiquette est un nombre entier de 0 à %2</source>
        <translation>value %1: a label is an integer from 0 to %2</translation>
    </message>
    <message>
        <source>%1 valeurs distinctes, au plus %2 (une ligne de la table chacune)</source>
        <translation>%1 distinct values, at most %2 (one table line each)</translation>
    </message>
    <message>
        <source>%1 voxels de %2 octet%3 : trop pour la mémoire de cette machine avec la grille du fantôme</source>
        <translation>%1 voxels of %2 byte%3: too much for this machine's memory together with the phantom's grid</translation>
    </message>
    <message>
        <source>Volume « %1 » introuvable</source>
        <translation>Volume "%1" not found</translation>
    </message>
    <message>
        <source>Volume « %1 » : ni un fichier ordinaire ni un dossier</source>
        <translation>Volume "%1": neither a regular file nor a folder</translation>
    </message>
</context>
</TS>