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
</TS>