<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
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
        <source>Dose dans l&apos;unité du fichier, pas en Gy : pour un faisceau, par fluence incidente (Gy·cm²). Le lavis part de l&apos;isodose la plus basse.</source>
        <translation>Dose in the file&apos;s unit, not in Gy: for a beam, per incident fluence (Gy·cm²). The colour wash starts at the lowest isodose.</translation>
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
        <translation>Opening of &quot;%1&quot; cancelled.</translation>
    </message>
    <message>
        <source>Dose « %1 » illisible : %2</source>
        <translation>Dose &quot;%1&quot; unreadable: %2</translation>
    </message>
    <message>
        <source>Dose « %1 » refusée : %2</source>
        <translation>Dose &quot;%1&quot; refused: %2</translation>
    </message>
    <message>
        <source>Dose « %1 » : %2 × %3 × %4 voxels, maximum %5%6</source>
        <translation>Dose &quot;%1&quot;: %2 × %3 × %4 voxels, maximum %5%6</translation>
    </message>
    <message>
        <source>, sans incertitudes</source>
        <translation>, no uncertainties</translation>
    </message>
    <message>
        <source>Maximum %1%2 au voxel (%3, %4, %5), %6 ; souvent un voxel d&apos;air bruité : la référence peut être une autre dose.</source>
        <translation>Maximum %1%2 at voxel (%3, %4, %5), %6; often a noisy air voxel: the reference may be another dose.</translation>
    </message>
    <message>
        <source>Référence « %1 » refusée : une dose au-dessus de 0 attendue</source>
        <translation>Reference &quot;%1&quot; refused: a dose above 0 expected</translation>
    </message>
    <message>
        <source>Isodose « %1 » refusée : un pourcentage au-dessus de 0 attendu</source>
        <translation>Isodose &quot;%1&quot; refused: a percentage above 0 expected</translation>
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
        <source>Exporter l&apos;image…</source>
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
        <translation>File &quot;%1&quot; unreadable: %2</translation>
    </message>
    <message>
        <source>Lecture de « %1 »…</source>
        <translation>Reading &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source>« %1 » : %2 × %3 × %4 voxels, %n milieux</source>
        <translation>
            <numerusform>&quot;%1&quot;: %2 × %3 × %4 voxels, %n medium</numerusform>
            <numerusform>&quot;%1&quot;: %2 × %3 × %4 voxels, %n media</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 = %2 cm (coupe %3 / %4)</source>
        <translation>%1 = %2 cm (slice %3 / %4)</translation>
    </message>
    <message>
        <source>Voxel (i, j, k) = (%1, %2, %3)   centre (x, y, z) = (%4, %5, %6) cm   milieu %7 « %8 »   densité %9 g/cm³</source>
        <translation>Voxel (i, j, k) = (%1, %2, %3)   centre (x, y, z) = (%4, %5, %6) cm   medium %7 &quot;%8&quot;   density %9 g/cm³</translation>
    </message>
    <message>
        <source>Aucun fantôme ouvert : rien à exporter.</source>
        <translation>No phantom open: nothing to export.</translation>
    </message>
    <message>
        <source>Exporter l&apos;image de la coupe %1</source>
        <translation>Export the image of slice %1</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Coupe %1 enregistrée dans « %2 » (%3 × %4 pixels)</source>
        <translation>Slice %1 saved in &quot;%2&quot; (%3 × %4 pixels)</translation>
    </message>
    <message>
        <source>Image « %1 » non enregistrée : %2</source>
        <translation>Image &quot;%1&quot; not saved: %2</translation>
    </message>
</context>
<context>
    <name>FormulaireDosxyz</name>
    <message>
        <source>Entrée DOSXYZnrc</source>
        <translation>DOSXYZnrc input</translation>
    </message>
    <message>
        <source>nom du fantôme, particule et énergie</source>
        <translation>phantom name, particle and energy</translation>
    </message>
    <message>
        <source>photons</source>
        <translation>photons</translation>
    </message>
    <message>
        <source>électrons</source>
        <translation>electrons</translation>
    </message>
    <message>
        <source>positrons</source>
        <translation>positrons</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Particule</source>
        <translation>Particle</translation>
    </message>
    <message>
        <source>Énergie (MeV)</source>
        <translation>Energy (MeV)</translation>
    </message>
    <message>
        <source>Histoires</source>
        <translation>Histories</translation>
    </message>
    <message>
        <source>Graines</source>
        <translation>Seeds</translation>
    </message>
</context>
<context>
    <name>GroupePlan</name>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
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
        <source>1 milieu lu dans &quot;%1&quot;</source>
        <translation>1 medium read from &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 milieux lus dans &quot;%2&quot;</source>
        <translation>%1 media read from &quot;%2&quot;</translation>
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
        <source>Materiaux</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>aucun fantôme écrit : le construire d&apos;abord avec « Egsphant »</source>
        <translation>no phantom written: build one first with &quot;Egsphant&quot;</translation>
    </message>
    <message>
        <source>Entrée DOSXYZnrc : %1</source>
        <translation>DOSXYZnrc input: %1</translation>
    </message>
    <message>
        <source>Géométrie egs++ : %1</source>
        <translation>egs++ geometry: %1</translation>
    </message>
    <message>
        <source>plan XY</source>
        <translation>XY plane</translation>
    </message>
    <message>
        <source>plan XZ</source>
        <translation>XZ plane</translation>
    </message>
    <message>
        <source>plan YZ</source>
        <translation>YZ plane</translation>
    </message>
    <message numerus="yes">
        <source>%1 : %2, %3 × %4, %n niveaux</source>
        <translation>
            <numerusform>%1: %2, %3 × %4, %n grey level</numerusform>
            <numerusform>%1: %2, %3 × %4, %n grey levels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> ; %n niveaux de l&apos;image remplacée retirés du tableau (leurs choix reviendront avec eux)</source>
        <translation>
            <numerusform>; %n level of the replaced image removed from the table (its choice will come back with it)</numerusform>
            <numerusform>; %n levels of the replaced image removed from the table (their choices will come back with them)</numerusform>
        </translation>
    </message>
    <message>
        <source>Séries CT</source>
        <translation>CT series</translation>
    </message>
    <message>
        <source>Série :</source>
        <translation>Series:</translation>
    </message>
    <message>
        <source>Dossier de la série CT</source>
        <translation>Folder of the CT series</translation>
    </message>
    <message numerus="yes">
        <source>%1 (n° %2) : %n coupes, pixels de %3 × %4 mm, pas selon z de %5 à %6 mm, inclinaison %7°, « %8 » (%9)</source>
        <translation>
            <numerusform>%1 (no. %2): %n slice, pixels of %3 × %4 mm, z spacing %5 to %6 mm, tilt %7°, &quot;%8&quot; (%9)</numerusform>
            <numerusform>%1 (no. %2): %n slices, pixels of %3 × %4 mm, z spacing %5 to %6 mm, tilt %7°, &quot;%8&quot; (%9)</numerusform>
        </translation>
    </message>
    <message>
        <source>sans description</source>
        <translation>no description</translation>
    </message>
    <message numerus="yes">
        <source>Série CT « %1 » : %n coupes, %2 × %3 × %4 voxels, HU de %5 à %6%7</source>
        <translation>
            <numerusform>CT series &quot;%1&quot;: %n slice, %2 × %3 × %4 voxels, HU from %5 to %6%7</numerusform>
            <numerusform>CT series &quot;%1&quot;: %n slices, %2 × %3 × %4 voxels, HU from %5 to %6%7</numerusform>
        </translation>
    </message>
    <message>
        <source>Charger une rampe</source>
        <translation>Load a ramp</translation>
    </message>
    <message>
        <source>Rampes (*.txt);;Tous les fichiers (*)</source>
        <translation>Ramps (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Enregistrer la rampe</source>
        <translation>Save the ramp</translation>
    </message>
    <message numerus="yes">
        <source>Plans : retour aux images, %n niveaux au tableau</source>
        <translation>
            <numerusform>Planes: back to the images, %n level in the table</numerusform>
            <numerusform>Planes: back to the images, %n levels in the table</numerusform>
        </translation>
    </message>
    <message>
        <source>Aucun fantôme à voir : le nom du fichier de sortie est vide.</source>
        <translation>No phantom to view: the output file name is empty.</translation>
    </message>
    <message>
        <source>Aucun fantôme à voir : « %1 » n&apos;existe pas ; le bouton « Egsphant » l&apos;écrit.</source>
        <translation>No phantom to view: &quot;%1&quot; does not exist; the &quot;Egsphant&quot; button writes it.</translation>
    </message>
    <message>
        <source>Coupe du milieu, z = %1 : %2 × %3 voxels</source>
        <translation>Middle slice, z = %1: %2 × %3 voxels</translation>
    </message>
    <message>
        <source>La coupe CT montrée ; la molette sur l&apos;image la change aussi</source>
        <translation>The CT slice shown; the wheel over the picture changes it too</translation>
    </message>
    <message>
        <source>Coupe %1/%2, z = %3 cm : %4 × %5, niveau %6 HU, largeur %7 HU</source>
        <translation>Slice %1/%2, z = %3 cm: %4 × %5, level %6 HU, width %7 HU</translation>
    </message>
    <message>
        <source>Écriture de « %1 » (%2)…</source>
        <translation>Writing &quot;%1&quot; (%2)…</translation>
    </message>
    <message>
        <source>Écriture annulée</source>
        <translation>Writing cancelled</translation>
    </message>
</context>
<context>
    <name>PanneauConfiguration</name>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Fichier pegs4dat</source>
        <translation>PEGS4 data file</translation>
    </message>
    <message>
        <source>Voir</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Taille (cm)</source>
        <translation>Size (cm)</translation>
    </message>
    <message>
        <source>Origine (cm)</source>
        <translation>Origin (cm)</translation>
    </message>
    <message>
        <source>Voxels</source>
        <translation>Voxels</translation>
    </message>
    <message>
        <source>Entrée DOSXYZnrc…</source>
        <translation>DOSXYZnrc input…</translation>
    </message>
    <message>
        <source>Géométrie egs++…</source>
        <translation>egs++ geometry…</translation>
    </message>
    <message>
        <source>Écrit l&apos;entrée DOSXYZnrc du dernier fantôme écrit, prête à lancer</source>
        <translation>Writes the DOSXYZnrc input of the last phantom written, ready to run</translation>
    </message>
    <message>
        <source>Écrit la géométrie egs++ du dernier fantôme écrit et sa rampe de densités</source>
        <translation>Writes the egs++ geometry of the last phantom written and its density ramp</translation>
    </message>
    <message>
        <source>Cochée : le fantôme vient du volume, à la place des plans</source>
        <translation>Ticked: the phantom comes from the volume instead of the planes</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>volume</translation>
    </message>
    <message>
        <source>Volume…</source>
        <translation>Volume…</translation>
    </message>
    <message>
        <source>Coupes…</source>
        <translation>Slices…</translation>
    </message>
    <message>
        <source>Volume d&apos;étiquettes : fichier NRRD, NIfTI ou MetaImage ; chaque valeur devient une ligne de la table</source>
        <translation>Label volume: NRRD, NIfTI or MetaImage file; each value becomes a row of the table</translation>
    </message>
    <message>
        <source>Dossier d&apos;images, une coupe chacune dans l&apos;ordre naturel des noms ; chaque niveau de gris devient une ligne de la table</source>
        <translation>Folder of images, one slice each in the natural order of their names; each grey level becomes a row of the table</translation>
    </message>
    <message>
        <source>Cochée : le fantôme vient de la série CT, à la place des plans</source>
        <translation>Ticked: the phantom comes from the CT series instead of the planes</translation>
    </message>
    <message>
        <source>série CT</source>
        <translation>CT series</translation>
    </message>
    <message>
        <source>Scanner…</source>
        <translation>CT…</translation>
    </message>
    <message>
        <source>Choisit un dossier de fichiers DICOM et y lit une série CT</source>
        <translation>Chooses a folder of DICOM files and reads a CT series from it</translation>
    </message>
    <message>
        <source>Jusqu&apos;à (cm)</source>
        <translation>Up to (cm)</translation>
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
        <translation>Table &quot;%1&quot; not saved: %2</translation>
    </message>
    <message>
        <source>%1 enregistrés dans « %2 »</source>
        <translation>%1 saved in &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Image « %1 » non enregistrée : %2</source>
        <translation>Image &quot;%1&quot; not saved: %2</translation>
    </message>
    <message>
        <source>%1 enregistrés dans « %2 » (%3 × %4 pixels)</source>
        <translation>%1 saved in &quot;%2&quot; (%3 × %4 pixels)</translation>
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
        <translation>Dose (file&apos;s unit)</translation>
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
    <name>PanneauRampe</name>
    <message>
        <source>Borne basse, en HU, de la première ligne</source>
        <translation>Lower bound of the first row, in HU</translation>
    </message>
    <message>
        <source>Borne min (HU)</source>
        <translation>Lower bound (HU)</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>HU max</source>
        <translation>Max HU</translation>
    </message>
    <message>
        <source>Densité min</source>
        <translation>Min density</translation>
    </message>
    <message>
        <source>Densité max</source>
        <translation>Max density</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Ajoute une ligne sous la ligne choisie</source>
        <translation>Adds a row below the selected row</translation>
    </message>
    <message>
        <source>Retirer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Retire la ligne choisie</source>
        <translation>Removes the selected row</translation>
    </message>
    <message>
        <source>Charger la rampe…</source>
        <translation>Load ramp…</translation>
    </message>
    <message>
        <source>Lit une rampe (fichier texte) dans le tableau</source>
        <translation>Reads a ramp (text file) into the table</translation>
    </message>
    <message>
        <source>Enregistrer la rampe…</source>
        <translation>Save ramp…</translation>
    </message>
    <message>
        <source>Écrit le tableau dans une rampe</source>
        <translation>Writes the table to a ramp file</translation>
    </message>
    <message numerus="yes">
        <source>Rampe « %1 » : %n lignes</source>
        <translation>
            <numerusform>Ramp &quot;%1&quot;: %n row</numerusform>
            <numerusform>Ramp &quot;%1&quot;: %n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>Rampe écrite dans « %1 »</source>
        <translation>Ramp written to &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>PanneauStructures</name>
    <message>
        <source>Structures</source>
        <translation>Structures</translation>
    </message>
    <message>
        <source>Structures…</source>
        <translation>Structures…</translation>
    </message>
    <message>
        <source>Lit un RT Structure Set : ses régions peuvent donner leur milieu aux voxels</source>
        <translation>Reads an RT Structure Set: its regions can give the voxels their medium</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Milieu</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Densité</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Extérieur</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Vide : celle du catalogue ; « ct » : celle de la rampe ; ou un nombre (g/cm³)</source>
        <translation>Empty: the catalogue&apos;s; &quot;ct&quot;: the ramp&apos;s; or a number (g/cm³)</translation>
    </message>
    <message>
        <source>Une seule région : son milieu va à tout ce qui est hors d&apos;elle (la table, l&apos;air)</source>
        <translation>One region only: its medium goes to everything outside it (the couch, the air)</translation>
    </message>
    <message>
        <source>Charger les choix…</source>
        <translation>Load choices…</translation>
    </message>
    <message>
        <source>Lit un fichier de choix : les régions qu&apos;il nomme, leur milieu et leur densité</source>
        <translation>Reads a choices file: the regions it names, their medium and density</translation>
    </message>
    <message>
        <source>Enregistrer les choix…</source>
        <translation>Save choices…</translation>
    </message>
    <message>
        <source>Écrit les régions prises, leur milieu et leur densité dans un fichier</source>
        <translation>Writes the regions used, their medium and density to a file</translation>
    </message>
    <message>
        <source>Choisir un RT Structure Set</source>
        <translation>Choose an RT Structure Set</translation>
    </message>
    <message>
        <source>DICOM (*.dcm);;Tous les fichiers (*)</source>
        <translation>DICOM (*.dcm);;All files (*)</translation>
    </message>
    <message numerus="yes">
        <source>Structures « %1 » : %n régions</source>
        <translation>
            <numerusform>Structures &quot;%1&quot;: %n region</numerusform>
            <numerusform>Structures &quot;%1&quot;: %n regions</numerusform>
        </translation>
    </message>
    <message>
        <source>Charger des choix de structures</source>
        <translation>Load structure choices</translation>
    </message>
    <message>
        <source>Choix de structures (*.txt);;Tous les fichiers (*)</source>
        <translation>Structure choices (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Choix des structures « %1 » lus</source>
        <translation>Structure choices &quot;%1&quot; read</translation>
    </message>
    <message>
        <source>Enregistrer les choix de structures</source>
        <translation>Save structure choices</translation>
    </message>
    <message>
        <source>Choix des structures écrits dans « %1 »</source>
        <translation>Structure choices written to &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cochée : la région donne son milieu</source>
        <translation>Ticked: the region gives its medium</translation>
    </message>
</context>
<context>
    <name>SuiviEcriture</name>
    <message>
        <source>%p %</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TableMateriaux</name>
    <message>
        <source>Gris lvl</source>
        <translation>Grey lvl</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Densite</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Fond</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Charger une table…</source>
        <translation>Load table…</translation>
    </message>
    <message>
        <source>Enregistrer la table…</source>
        <translation>Save table…</translation>
    </message>
    <message>
        <source>Compléter</source>
        <translation>Fill in</translation>
    </message>
    <message>
        <source>Lit une table NIVEAUX NOM [DENSITE] (fichier texte) et l&apos;applique aux lignes</source>
        <translation>Reads a LEVELS NAME [DENSITY] table (text file) and applies it to the rows</translation>
    </message>
    <message>
        <source>Écrit les choix des lignes dans une table, à recharger pour d&apos;autres images</source>
        <translation>Writes the rows&apos; choices to a table, to load again for other images</translation>
    </message>
    <message>
        <source>Donne à chaque ligne non choisie le milieu et la densité du niveau choisi le plus proche (à égalité, le plus foncé)</source>
        <translation>Gives each row not yet set the medium and density of the nearest level set (on a tie, the darker)</translation>
    </message>
    <message>
        <source>Aucune ligne à enregistrer : choisir d&apos;abord une image</source>
        <translation>No rows to save: choose an image first</translation>
    </message>
    <message>
        <source>le fond passe au niveau %1 : le niveau %2 n&apos;est plus dans le volume</source>
        <translation>the background moves to level %1: level %2 is no longer in the volume</translation>
    </message>
    <message>
        <source>le fond passe au niveau %1 : le niveau %2 n&apos;est plus dans les images</source>
        <translation>the background moves to level %1: level %2 is no longer in the images</translation>
    </message>
    <message>
        <source>Valeur %1 du volume</source>
        <translation>Volume value %1</translation>
    </message>
    <message>
        <source>Niveau de gris %1</source>
        <translation>Grey level %1</translation>
    </message>
    <message>
        <source>Le milieu de cette ligne remplit les voxels qui n&apos;en reçoivent aucun</source>
        <translation>This row&apos;s medium fills the voxels that get none</translation>
    </message>
    <message>
        <source>Compléter : aucune ligne ; choisir d&apos;abord une image</source>
        <translation>Fill in: no rows; choose an image first</translation>
    </message>
    <message>
        <source>Compléter : aucun niveau choisi à prendre pour modèle ; choisir d&apos;abord le milieu de quelques niveaux</source>
        <translation>Fill in: no level set to take as a model; set the medium of a few levels first</translation>
    </message>
    <message>
        <source>Compléter : chaque niveau a déjà son milieu</source>
        <translation>Fill in: every level already has its medium</translation>
    </message>
    <message numerus="yes">
        <source>Compléter : %n niveaux réglés sur le niveau choisi le plus proche</source>
        <translation>
            <numerusform>Fill in: %n level set from the nearest level set</numerusform>
            <numerusform>Fill in: %n levels set from the nearest level set</numerusform>
        </translation>
    </message>
    <message>
        <source>Table « %1 » chargée</source>
        <translation>Table &quot;%1&quot; loaded</translation>
    </message>
    <message>
        <source> ; aucune image choisie : elle réglera les niveaux des images à venir</source>
        <translation>; no image chosen: it will set the levels of the images to come</translation>
    </message>
    <message numerus="yes">
        <source> : %n niveaux réglés</source>
        <translation>
            <numerusform>: %n level set</numerusform>
            <numerusform>: %n levels set</numerusform>
        </translation>
    </message>
    <message>
        <source> ; sans entrée dans la table : %1</source>
        <translation>; no entry in the table: %1</translation>
    </message>
    <message>
        <source> ; fond %1 absent des images, ignoré</source>
        <translation>; background %1 not in the images, ignored</translation>
    </message>
    <message numerus="yes">
        <source>Table enregistrée dans « %1 » : %n niveaux</source>
        <translation>
            <numerusform>Table saved to &quot;%1&quot;: %n level</numerusform>
            <numerusform>Table saved to &quot;%1&quot;: %n levels</numerusform>
        </translation>
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
        <source>mémoire insuffisante pour l&apos;image</source>
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
        <source>Ouvre la fenêtre qui construit un fantôme EGSnrc (.egsphant) à partir d&apos;images de plans en
niveaux de gris, d&apos;un volume d&apos;étiquettes ou d&apos;une série CT. Un fichier PEGS4 donné est lu
comme catalogue des milieux ; un fantôme (.egsphant, .egsphant.gz) s&apos;ouvre dans la visionneuse.

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
        <source>Montre les coupes, les milieux et les densités d&apos;un fantôme EGSnrc (.egsphant, .egsphant.gz),
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
    <name>batch</name>
    <message>
        <source>Usage : quarvel-phantom [options]
Construit un fantôme EGSnrc (.egsphant) à partir d&apos;images de plans en niveaux de gris, d&apos;un
volume d&apos;étiquettes ou d&apos;une série CT, avec les mêmes règles que le bouton « Egsphant » de la
fenêtre : mêmes choix, même fichier.

Options :
  --pegs FICHIER      catalogue des milieux (fichier PEGS4, ex. 521icru.pegs4dat).
  --xy IMAGE          image du plan XY (largeur : X, hauteur : Y).
  --yz IMAGE          image du plan YZ (largeur : Y, hauteur : Z).
  --xz IMAGE          image du plan XZ (largeur : X, hauteur : Z).
                      Au moins un plan. Un seul plan est étiré le long de l&apos;axe qui lui
                      manque ; deux ou trois plans sont croisés (le plan XY est alors
                      obligatoire) : un voxel prend un milieu là où les images montrent
                      le même niveau de gris. Les autres voxels gardent le premier milieu.
  --volume CHEMIN     volume d&apos;étiquettes, à la place des plans : un fichier NRRD (.nrrd,
                      .nhdr), NIfTI (.nii, .nii.gz) ou MetaImage (.mha, .mhd), ou un dossier
                      d&apos;images, une coupe chacune (la n-ième dans l&apos;ordre naturel des noms
                      est la coupe z = n - 1). Chaque valeur (entier de 0 à 65535, 256
                      valeurs distinctes au plus) tient lieu de niveau de gris. Un fichier
                      donne les comptes, la taille des voxels et l&apos;origine (axes x, y, z
                      du fichier, en LPS ; --size et --origin l&apos;emportent) ; un dossier, les
                      comptes seulement.
  --medium NIVEAU=NOM[:DENSITE]
                      milieu du niveau de gris NIVEAU (entier présent dans les images ou
                      valeur du volume), une fois par niveau. Sans DENSITE : le premier
                      milieu du catalogue nommé NOM (blancs des extrémités ignorés), avec
                      sa densité à six chiffres significatifs. Avec DENSITE (g/cm3) : NOM
                      et DENSITE tels quels (densité &gt; 0). Un niveau sans --medium ni
                      entrée de --table prend le premier milieu du catalogue. Les niveaux
                      d&apos;un même nom partagent un milieu ; les milieux sont numérotés du
                      niveau le plus clair (la plus grande valeur) au plus foncé, celui
                      du fond en premier.
  --table FICHIER     table de niveaux de gris (texte UTF-8), une entrée par ligne :
                      NIVEAUX NOM [DENSITE], NIVEAUX étant N ou N-M (0 à 65535) ; NOM sans
                      DENSITE se cherche dans le catalogue. « fond NIVEAU » marque le fond,
                      « # » ouvre un commentaire. Les entrées des niveaux absents des images
                      sont ignorées ; --medium l&apos;emporte sur la table, --background sur fond.
                      C&apos;est le format de « Enregistrer la table… » de la fenêtre.
  --background NIVEAU le niveau de gris (des images ou du volume) dont le milieu remplit
                      les voxels qui n&apos;en reçoivent aucun (défaut : le plus clair).
  --size SX,SY,SZ     taille des voxels en cm (défaut : 1.0,1.0,1.0).
  --origin OX,OY,OZ   coin inférieur de la grille en cm (défaut : -15.0,-15.0,0.0).
  --counts NX,NY,NZ   nombre de voxels selon X, Y, Z ; avec un seul plan seulement, et
                      alors nécessaire (une image ne donne pas l&apos;axe étiré). Avec plusieurs
                      plans, les comptes sont les tailles des images, qui doivent concorder.
  -o, --output FICHIER
                      fichier écrit (défaut : test.egsphant), entier ou pas du tout : en cas
                      d&apos;échec, un fichier existant reste tel quel. Un lien est suivi jusqu&apos;au
                      fichier qu&apos;il désigne ; un dossier, un périphérique, un tube ou un
                      fichier protégé en écriture est refusé. Un nom en .gz donne le
                      fichier compressé (gzip), que DOSXYZnrc ne lit pas, ni egs++ sans
                      la prise en charge de gzip (absente d&apos;une installation standard).
  --egsinp FICHIER    écrit aussi, après le fantôme, l&apos;entrée DOSXYZnrc (FICHIER.egsinp si
                      le nom n&apos;a pas ce suffixe) : le fantôme nommé depuis le dossier de
                      l&apos;entrée, ECUT 0.7 et PCUT 0.01 MeV, un faisceau parallèle selon +z
                      couvrant le fantôme en X et Y, puis les paramètres de transport. Elle
                      se lance telle quelle : dosxyznrc -i NOM -p PEGS4. Refusé pour un
                      fantôme .gz (DOSXYZnrc ne lit que le texte non compressé).
  --title TEXTE       titre de l&apos;entrée, 80 octets au plus (défaut : le nom du fantôme,
                      la particule et l&apos;énergie).
  --particle NOM      photon, electron ou positron (défaut : photon).
  --energy MEV        énergie cinétique des particules en MeV (défaut : 1.25).
  --histories N       nombre d&apos;histoires, de 1 à 2147483647 (défaut : 1000000).
  --seeds N1,N2       graines du générateur, de 1 à 31328 et de 1 à 30081 (défaut : 33,97).
                      Ces cinq options demandent --egsinp.
  --egspp FICHIER     écrit aussi, après le fantôme, la géométrie egs++ FICHIER.geom (suffixe
                      ajouté s&apos;il manque) et sa rampe FICHIER.ramp : un EGS_XYZGeometry
                      « fantome » qui lit le fantôme, et la rampe (ct ramp) qui redonne à
                      chaque voxel le milieu et la densité du fantôme. Demande --pegs : la
                      densité de référence de chaque milieu est celle du fichier PEGS4.
                      Refusé quand deux milieux ont la même densité : aucune rampe ne les
                      sépare (décaler l&apos;un d&apos;eux de 0.001 g/cm3).
  --ct DOSSIER        série CT (fichiers DICOM du dossier) au lieu des plans : chaque voxel
                      prend son milieu et sa densité de la rampe selon son nombre CT (HU).
                      Le fantôme a les voxels du scanner, ou ceux de --crop et --size.
                      Pas de --xy, --yz, --xz, --counts, --origin, --table, --medium ni
                      --background avec --ct. Le résumé donne aussi les HU lus.
  --series UID        la série CT de cet UID (défaut : celle qui a le plus de coupes,
                      puis le plus petit SeriesNumber). Le dossier est lu avec ses
                      sous-dossiers, à toute profondeur.
  --list-series       avec --ct seule : une ligne par série CT, champs séparés par des
                      tabulations : UID, numéro, description, coupes, SX,SY (mm), pas
                      minimal et maximal selon z (mm), inclinaison (degrés), fichier de
                      la coupe de plus petit z.
  --ramp FICHIER      rampe de calibration (texte UTF-8, « # » ouvre un commentaire) : une
                      ligne « min HU_MIN », puis une ligne par milieu, HU_MAX croissants :
                      NOM HU_MAX DENSITE_MIN DENSITE_MAX (g/cm3). Un voxel de valeur h prend
                      le premier milieu dont HU_MAX &gt;= h (le dernier prend tout ce qui dépasse) ;
                      sa densité va de DENSITE_MIN à DENSITE_MAX entre la borne précédente et
                      HU_MAX. Défaut : AIR, LUNG, ICRUTISSUE, ICRPBONE, chacun le premier milieu
                      du catalogue --pegs dont le nom commence ainsi.
  --crop X0,X1,Y0,Y1,Z0,Z1
                      boîte gardée (cm), élargie aux limites des voxels du scanner.
                      Avec --ct, --size SX,SY,SZ donne des voxels plus grands que ceux du
                      scanner : chacun prend la moyenne des HU qu&apos;il recouvre.
  --structures FICHIER
                      RT Structure Set (DICOM RTSTRUCT) de la série --ct, dans son repère
                      (FrameOfReferenceUID) : ses régions donnent leur milieu aux voxels.
                      Seuls les contours CLOSED_PLANAR comptent. Refusé sur une série à
                      statif incliné.
  --structure &quot;NOM=MILIEU[:DENSITE]&quot;
                      (répétable) les voxels de la région NOM prennent MILIEU, un nom du
                      catalogue comme pour --medium ; DENSITE est un nombre (g/cm3), ou « ct »
                      pour garder la densité de la rampe ; sans elle, celle du catalogue.
                      Un voxel est dans la région quand le centre de sa coupe (x, y) est dans
                      ses contours (règle pair-impair : les trous comptent) sur le plan de
                      contours le plus proche de son z, ce plan étant dans la tranche du
                      scanner qui tient ce centre (l&apos;une ou l&apos;autre, sur la limite de deux).
                      Où des régions se recouvrent, la dernière option l&apos;emporte.
  --outside &quot;NOM=MILIEU[:DENSITE]&quot;
                      les voxels hors de la région NOM (le corps) prennent MILIEU : la table
                      et les couvertures s&apos;en vont. Appliqué avant les --structure, de sorte
                      qu&apos;une région hors du corps garde le sien. Les milieux des régions
                      suivent ceux de la rampe, dans l&apos;ordre des options ; le résumé donne
                      les voxels de chacune.
  --list-structures   avec --structures seule : une ligne par région, séparée par des
                      tabulations : numéro, nom, type (RTROIInterpretedType), nombre de
                      contours CLOSED_PLANAR.
  --ramp-template     avec --pegs seule : écrit la rampe par défaut, à modifier.
  --info FICHIER      seule : lit un fantôme (.egsphant ou .egsphant.gz) et affiche, pour
                      chaque milieu, une ligne « milieu, nom, voxels, volume_cm3, masse_g »
                      séparée par des tabulations.
  --dose DOSE         avec --info : lit une dose .3ddose (ou .3ddose.gz) de la grille du
                      fantôme et affiche, après une ligne vide, par milieu : « milieu, nom,
                      voxels, volume_cm3, dose_moyenne, dose_max, D98, D50, D2, incertitude »
                      (doses dans l&apos;unité du fichier ; incertitude en %, sur les voxels d&apos;au
                      moins la moitié du maximum ; « - » quand il n&apos;y en a pas).
  --dvh FICHIER.csv   avec --dose : écrit l&apos;histogramme dose-volume cumulé de chaque milieu,
                      201 lignes de 0 à la dose maximale (« dose,NOM1,NOM2,… »).
  -h, --help          affiche cette aide.
  --version           affiche le nom et la version du programme.
Une valeur se donne après l&apos;option (--xy coupe.bmp) ou avec « = » (--xy=coupe.bmp).

Statut de sortie : 0 fantôme écrit (une ligne de résumé sur la sortie standard, et sur la
sortie d&apos;erreur une ligne « Attention : » pour les niveaux laissés au premier milieu du
catalogue, pour les milieux sans voxel et par limite des lecteurs dépassée) ;
1 choix refusé, fichier illisible ou écriture impossible ; 2 ligne de commande erronée
(option inconnue ou donnée deux fois, valeur manquante, aucun plan, --counts avec
plusieurs plans, --volume avec un plan ou --counts). En cas d&apos;échec, un message sur la sortie
d&apos;erreur et aucun fichier écrit ; seul l&apos;échec d&apos;un fichier de --egsinp ou --egspp, écrits
après lui, laisse le fantôme écrit (statut 1). Chaque fichier écrit est annoncé d&apos;une ligne
sur la sortie standard.
Sur un terminal, l&apos;avancement de l&apos;écriture s&apos;affiche sur la sortie d&apos;erreur.

Exemples :
  quarvel-phantom --pegs 521icru.pegs4dat --xy coupe.bmp --counts 64,64,30 \
      --medium 255=H2O521ICRU --medium 0=AIR521ICRU:0.0012 --size 0.5,0.5,0.2 -o tete.egsphant
  quarvel-phantom --pegs 521icru.pegs4dat --xy xy.bmp --yz yz.bmp --xz xz.bmp \
      --medium 128=ICRPBONE521ICRU --origin 0,0,0
  quarvel-phantom --pegs 521icru.pegs4dat --xy coupe.bmp --counts 64,64,30 -o tete.egsphant \
      --egsinp tete.egsinp --particle electron --energy 6 --egspp tete.geom
  quarvel-phantom --pegs 521icru.pegs4dat --volume tete.seg.nrrd --medium 0=AIR521ICRU \
      --medium 1=H2O521ICRU --medium 2=ICRPBONE521ICRU -o tete.egsphant
  quarvel-phantom --pegs 521icru.pegs4dat --ct scanner/ --structures scanner/RS.dcm \
      --outside BODY=AIR521ICRU --structure &quot;PROTHESE HANCHE=TITANIUM:4.5&quot; -o bassin.egsphant
</source>
        <translation>Usage: quarvel-phantom [options]
Builds an EGSnrc phantom (.egsphant) from greyscale plane images, a label volume or a CT
series, with the same rules as the window&apos;s &quot;Egsphant&quot; button: same choices, same file.

Options:
  --pegs FILE         media catalogue (PEGS4 file, e.g. 521icru.pegs4dat).
  --xy IMAGE          image of the XY plane (width: X, height: Y).
  --yz IMAGE          image of the YZ plane (width: Y, height: Z).
  --xz IMAGE          image of the XZ plane (width: X, height: Z).
                      At least one plane. A single plane is extruded along the axis it
                      lacks; two or three planes are intersected (the XY plane is then
                      required): a voxel takes a medium where the images show the same
                      grey level. The other voxels keep the first medium.
  --volume PATH       label volume, instead of the planes: an NRRD (.nrrd, .nhdr), NIfTI
                      (.nii, .nii.gz) or MetaImage (.mha, .mhd) file, or a folder of
                      images, one slice each (the n-th in natural order of names is
                      slice z = n - 1). Each value (integer from 0 to 65535, at most 256
                      distinct values) stands for a grey level. A file gives the counts,
                      the voxel size and the origin (the file&apos;s x, y, z axes, in LPS;
                      --size and --origin take precedence); a folder, only the counts.
  --medium LEVEL=NAME[:DENSITY]
                      medium of grey level LEVEL (integer present in the images or value
                      of the volume), once per level. Without DENSITY: the first medium
                      of the catalogue named NAME (leading and trailing blanks ignored),
                      with its density to six significant digits. With DENSITY (g/cm3):
                      NAME and DENSITY as given (density &gt; 0). A level with neither
                      --medium nor a --table entry takes the catalogue&apos;s first medium.
                      Levels with the same name share one medium; media are numbered
                      from the lightest level (the largest value) to the darkest, the
                      background&apos;s first.
  --table FILE        grey-level table (UTF-8 text), one entry per line:
                      LEVELS NAME [DENSITY], LEVELS being N or N-M (0 to 65535); NAME
                      without DENSITY is looked up in the catalogue. &quot;fond LEVEL&quot; marks
                      the background, &quot;#&quot; starts a comment. Entries for levels absent
                      from the images are ignored; --medium overrides the table,
                      --background overrides fond.
                      This is the format of the window&apos;s &quot;Save the table…&quot;.
  --background LEVEL  the grey level (of the images or the volume) whose medium fills the
                      voxels that receive none (default: the lightest).
  --size SX,SY,SZ     voxel size in cm (default: 1.0,1.0,1.0).
  --origin OX,OY,OZ   lower corner of the grid in cm (default: -15.0,-15.0,0.0).
  --counts NX,NY,NZ   number of voxels along X, Y, Z; with a single plane only, and then
                      required (an image does not give the extruded axis). With several
                      planes, the counts are the image sizes, which must agree.
  -o, --output FILE
                      file written (default: test.egsphant), whole or not at all: on
                      failure, an existing file is left as it was. A link is followed to
                      the file it points to; a folder, a device, a pipe or a
                      write-protected file is refused. A name ending in .gz gives the
                      compressed (gzip) file, which DOSXYZnrc does not read, nor egs++
                      without gzip support (absent from a standard installation).
  --egsinp FILE       also writes, after the phantom, the DOSXYZnrc input (FILE.egsinp if
                      the name lacks that suffix): the phantom named from the input&apos;s
                      folder, ECUT 0.7 and PCUT 0.01 MeV, a parallel beam along +z
                      covering the phantom in X and Y, then the transport parameters. It
                      runs as it is: dosxyznrc -i NAME -p PEGS4. Refused for a .gz
                      phantom (DOSXYZnrc reads only uncompressed text).
  --title TEXT        title of the input, at most 80 bytes (default: the phantom&apos;s name,
                      the particle and the energy).
  --particle NAME     photon, electron or positron (default: photon).
  --energy MEV        kinetic energy of the particles in MeV (default: 1.25).
  --histories N       number of histories, from 1 to 2147483647 (default: 1000000).
  --seeds N1,N2       random number generator seeds, from 1 to 31328 and from 1 to 30081
                      (default: 33,97).
                      These five options require --egsinp.
  --egspp FILE        also writes, after the phantom, the egs++ geometry FILE.geom (suffix
                      added if missing) and its ramp FILE.ramp: an EGS_XYZGeometry
                      &quot;fantome&quot; that reads the phantom, and the ramp (ct ramp) that gives
                      each voxel back the phantom&apos;s medium and density. Requires --pegs:
                      each medium&apos;s reference density is the PEGS4 file&apos;s.
                      Refused when two media have the same density: no ramp can tell
                      them apart (shift one of them by 0.001 g/cm3).
  --ct FOLDER         CT series (the folder&apos;s DICOM files) instead of the planes: each
                      voxel takes its medium and density from the ramp by its CT number
                      (HU). The phantom has the scanner&apos;s voxels, or those of --crop and
                      --size. No --xy, --yz, --xz, --counts, --origin, --table, --medium
                      or --background with --ct. The summary also gives the HU read.
  --series UID        the CT series with this UID (default: the one with the most
                      slices, then the lowest SeriesNumber). The folder is read with its
                      subfolders, at any depth.
  --list-series       with --ct alone: one line per CT series, tab-separated fields: UID,
                      number, description, slices, SX,SY (mm), minimum and maximum z
                      spacing (mm), tilt (degrees), file of the slice of lowest z.
  --ramp FILE         calibration ramp (UTF-8 text, &quot;#&quot; starts a comment): a line
                      &quot;min HU_MIN&quot;, then one line per medium, HU_MAX increasing:
                      NAME HU_MAX DENSITY_MIN DENSITY_MAX (g/cm3). A voxel of value h takes
                      the first medium whose HU_MAX &gt;= h (the last takes everything above);
                      its density goes from DENSITY_MIN to DENSITY_MAX between the previous
                      bound and HU_MAX. Default: AIR, LUNG, ICRUTISSUE, ICRPBONE, each the
                      first medium of the --pegs catalogue whose name starts so.
  --crop X0,X1,Y0,Y1,Z0,Z1
                      box kept (cm), widened to the boundaries of the scanner&apos;s voxels.
                      With --ct, --size SX,SY,SZ gives voxels larger than the scanner&apos;s:
                      each takes the mean of the HU it covers.
  --structures FILE
                      RT Structure Set (DICOM RTSTRUCT) of the --ct series, in its frame
                      (FrameOfReferenceUID): its regions give their medium to voxels.
                      Only CLOSED_PLANAR contours count. Refused on a series with a
                      tilted gantry.
  --structure &quot;NAME=MEDIUM[:DENSITY]&quot;
                      (repeatable) the voxels of region NAME take MEDIUM, a catalogue
                      name as for --medium; DENSITY is a number (g/cm3), or &quot;ct&quot; to keep
                      the ramp&apos;s density; without it, the catalogue&apos;s.
                      A voxel is in the region when the centre of its slice (x, y) is
                      inside its contours (even-odd rule: holes count) on the contour
                      plane nearest its z, that plane lying in the scanner slice that
                      holds this centre (either one, on the boundary of two).
                      Where regions overlap, the last option wins.
  --outside &quot;NAME=MEDIUM[:DENSITY]&quot;
                      the voxels outside region NAME (the body) take MEDIUM: the couch
                      and the blankets go away. Applied before the --structure options,
                      so that a region outside the body keeps its own. The regions&apos;
                      media follow the ramp&apos;s, in the order of the options; the summary
                      gives the voxels of each.
  --list-structures   with --structures alone: one line per region, tab-separated:
                      number, name, type (RTROIInterpretedType), number of CLOSED_PLANAR
                      contours.
  --ramp-template     with --pegs alone: writes the default ramp, to be edited.
  --info FILE         alone: reads a phantom (.egsphant or .egsphant.gz) and prints, for
                      each medium, a tab-separated line &quot;milieu, nom, voxels,
                      volume_cm3, masse_g&quot; (medium, name, voxels, volume, mass).
  --dose DOSE         with --info: reads a .3ddose dose (or .3ddose.gz) on the phantom&apos;s
                      grid and prints, after an empty line, per medium: &quot;milieu, nom,
                      voxels, volume_cm3, dose_moyenne, dose_max, D98, D50, D2,
                      incertitude&quot; (doses in the file&apos;s unit; uncertainty in %, over the
                      voxels of at least half the maximum; &quot;-&quot; when there are none).
  --dvh FILE.csv      with --dose: writes the cumulative dose-volume histogram of each
                      medium, 201 lines from 0 to the maximum dose (&quot;dose,NAME1,NAME2,…&quot;).
  -h, --help          prints this help.
  --version           prints the program&apos;s name and version.
A value is given after the option (--xy slice.bmp) or with &quot;=&quot; (--xy=slice.bmp).

Exit status: 0 phantom written (a summary line on standard output, and on standard
error a &quot;Warning:&quot; line for the levels left to the catalogue&apos;s first medium, for
media without voxels and for each reader limit exceeded);
1 choice refused, unreadable file or write impossible; 2 wrong command line
(unknown option or option given twice, missing value, no plane, --counts with several
planes, --volume with a plane or --counts). On failure, a message on standard error and
no file written; only the failure of a --egsinp or --egspp file, written after it,
leaves the phantom written (status 1). Each file written is announced by a line on
standard output.
On a terminal, the progress of the writing is shown on standard error.

Examples:
  quarvel-phantom --pegs 521icru.pegs4dat --xy slice.bmp --counts 64,64,30 \
      --medium 255=H2O521ICRU --medium 0=AIR521ICRU:0.0012 --size 0.5,0.5,0.2 -o head.egsphant
  quarvel-phantom --pegs 521icru.pegs4dat --xy xy.bmp --yz yz.bmp --xz xz.bmp \
      --medium 128=ICRPBONE521ICRU --origin 0,0,0
  quarvel-phantom --pegs 521icru.pegs4dat --xy slice.bmp --counts 64,64,30 -o head.egsphant \
      --egsinp head.egsinp --particle electron --energy 6 --egspp head.geom
  quarvel-phantom --pegs 521icru.pegs4dat --volume head.seg.nrrd --medium 0=AIR521ICRU \
      --medium 1=H2O521ICRU --medium 2=ICRPBONE521ICRU -o head.egsphant
  quarvel-phantom --pegs 521icru.pegs4dat --ct scanner/ --structures scanner/RS.dcm \
      --outside BODY=AIR521ICRU --structure &quot;HIP PROSTHESIS=TITANIUM:4.5&quot; -o pelvis.egsphant
</translation>
    </message>
    <message>
        <source>Écriture : %1 Mo</source>
        <translation>Writing: %1 MB</translation>
    </message>
    <message>
        <source>Écriture : %1 % (%2 Mo sur %3 Mo)</source>
        <translation>Writing: %1 % (%2 MB of %3 MB)</translation>
    </message>
    <message>
        <source>%1 attend %2, pas « %3 »</source>
        <translation>%1 expects %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 « %2 » : « %3 » n&apos;est pas un nombre</source>
        <translation>%1 &quot;%2&quot;: &quot;%3&quot; is not a number</translation>
    </message>
    <message>
        <source>six valeurs X0,X1,Y0,Y1,Z0,Z1 (cm)</source>
        <translation>six values X0,X1,Y0,Y1,Z0,Z1 (cm)</translation>
    </message>
    <message>
        <source>trois valeurs SX,SY,SZ (cm)</source>
        <translation>three values SX,SY,SZ (cm)</translation>
    </message>
    <message>
        <source>--info s&apos;emploie seul, ou avec --dose et --dvh : quarvel-phantom --info FICHIER [--dose DOSE.3ddose [--dvh HDV.csv]] (voir quarvel-phantom --help)
</source>
        <translation>--info is used alone, or with --dose and --dvh: quarvel-phantom --info FILE [--dose DOSE.3ddose [--dvh DVH.csv]] (see quarvel-phantom --help)
</translation>
    </message>
    <message>
        <source>Fichier « %1 » illisible : %2
</source>
        <translation>File &quot;%1&quot; unreadable: %2
</translation>
    </message>
    <message>
        <source>Dose « %1 » illisible : %2</source>
        <translation>Dose &quot;%1&quot; unreadable: %2</translation>
    </message>
    <message>
        <source>Dose « %1 » refusée : %2</source>
        <translation>Dose &quot;%1&quot; refused: %2</translation>
    </message>
    <message>
        <source>Histogramme « %1 » non écrit : %2</source>
        <translation>Histogram &quot;%1&quot; not written: %2</translation>
    </message>
    <message>
        <source> (voir quarvel-phantom --help)</source>
        <translation> (see quarvel-phantom --help)</translation>
    </message>
    <message>
        <source>Valeur manquante après « %1 »</source>
        <translation>Missing value after &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Option inconnue : « %1 »</source>
        <translation>Unknown option: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Argument inattendu : « %1 »</source>
        <translation>Unexpected argument: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Option « %1 » donnée deux fois</source>
        <translation>Option &quot;%1&quot; given twice</translation>
    </message>
    <message>
        <source>%1 attend trois valeurs séparées par des virgules, pas « %2 »</source>
        <translation>%1 expects three comma-separated values, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 « %2 » : « %3 » n&apos;est pas %4</source>
        <translation>%1 &quot;%2&quot;: &quot;%3&quot; is not %4</translation>
    </message>
    <message>
        <source>--medium attend NIVEAU=NOM[:DENSITE], pas « %1 »</source>
        <translation>--medium expects LEVEL=NAME[:DENSITY], not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--medium « %1 » : le niveau de gris doit être un entier de 0 à %2</source>
        <translation>--medium &quot;%1&quot;: the grey level must be an integer from 0 to %2</translation>
    </message>
    <message>
        <source>--medium « %1 » : nom de milieu vide</source>
        <translation>--medium &quot;%1&quot;: empty medium name</translation>
    </message>
    <message>
        <source>--medium « %1 » : %2</source>
        <translation>--medium &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>un nombre</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>un nombre entier</source>
        <translation>an integer</translation>
    </message>
    <message>
        <source>Le niveau de gris %1 reçoit deux milieux : « %2 » et « %3 »</source>
        <translation>Grey level %1 is given two media: &quot;%2&quot; and &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--medium « %1 » : aucun milieu « %2 » dans « %3 »</source>
        <translation>--medium &quot;%1&quot;: no medium &quot;%2&quot; in &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--medium « %1 » : sans densité, le milieu se cherche dans un catalogue : donner --pegs FICHIER ou NOM:DENSITE</source>
        <translation>--medium &quot;%1&quot;: without a density, the medium is looked up in a catalogue: give --pegs FILE or NAME:DENSITY</translation>
    </message>
    <message>
        <source>n&apos;apparaît dans aucune image</source>
        <translation>appears in no image</translation>
    </message>
    <message>
        <source>un des niveaux de gris des images</source>
        <translation>one of the images&apos; grey levels</translation>
    </message>
    <message>
        <source>n&apos;est pas une valeur du volume</source>
        <translation>is not a value of the volume</translation>
    </message>
    <message>
        <source>une des valeurs du volume</source>
        <translation>one of the volume&apos;s values</translation>
    </message>
    <message>
        <source>--medium « %1 » : le niveau de gris %2 %3</source>
        <translation>--medium &quot;%1&quot;: grey level %2 %3</translation>
    </message>
    <message>
        <source>Le niveau de gris %1 n&apos;a pas de milieu : donner --medium %1=NOM:DENSITE, ou --pegs FICHIER pour le premier milieu du catalogue</source>
        <translation>Grey level %1 has no medium: give --medium %1=NAME:DENSITY, or --pegs FILE for the catalogue&apos;s first medium</translation>
    </message>
    <message>
        <source>--background « %1 » : le fond doit être %2 (%3)</source>
        <translation>--background &quot;%1&quot;: the background must be %2 (%3)</translation>
    </message>
    <message>
        <source>Une seule image ne donne pas le nombre de voxels selon %1 : donner les trois comptes avec --counts NX,NY,NZ</source>
        <translation>A single image does not give the number of voxels along %1: give the three counts with --counts NX,NY,NZ</translation>
    </message>
    <message>
        <source>%1 ne s&apos;emploie qu&apos;avec --egsinp FICHIER</source>
        <translation>%1 is used only with --egsinp FILE</translation>
    </message>
    <message>
        <source>Entrée DOSXYZnrc : </source>
        <translation>DOSXYZnrc input: </translation>
    </message>
    <message>
        <source>--ct ne s&apos;emploie pas avec %1 : le scanner donne les voxels, leur géométrie et, par la rampe, leurs milieux</source>
        <translation>--ct is not used with %1: the scanner gives the voxels, their geometry and, through the ramp, their media</translation>
    </message>
    <message>
        <source>--structure et --outside nomment des régions d&apos;un RT Structure Set : donner --structures FICHIER</source>
        <translation>--structure and --outside name regions of an RT Structure Set: give --structures FILE</translation>
    </message>
    <message>
        <source>--ramp-template donne la rampe par défaut d&apos;un catalogue : donner --pegs FICHIER</source>
        <translation>--ramp-template gives a catalogue&apos;s default ramp: give --pegs FILE</translation>
    </message>
    <message>
        <source>--ramp-template ne s&apos;emploie qu&apos;avec --pegs FICHIER</source>
        <translation>--ramp-template is used only with --pegs FILE</translation>
    </message>
    <message>
        <source>--list-series ne s&apos;emploie qu&apos;avec --ct DOSSIER, seule</source>
        <translation>--list-series is used only with --ct FOLDER, alone</translation>
    </message>
    <message>
        <source>--list-structures donne les régions d&apos;un RT Structure Set : donner --structures FICHIER</source>
        <translation>--list-structures gives the regions of an RT Structure Set: give --structures FILE</translation>
    </message>
    <message>
        <source>--list-structures ne s&apos;emploie qu&apos;avec --structures FICHIER</source>
        <translation>--list-structures is used only with --structures FILE</translation>
    </message>
    <message>
        <source>--series, --ramp et --crop ne s&apos;emploient qu&apos;avec --ct DOSSIER</source>
        <translation>--series, --ramp and --crop are used only with --ct FOLDER</translation>
    </message>
    <message>
        <source>--structures, --structure et --outside ne s&apos;emploient qu&apos;avec --ct DOSSIER</source>
        <translation>--structures, --structure and --outside are used only with --ct FOLDER</translation>
    </message>
    <message>
        <source>--volume ne se combine ni avec --xy, --yz, --xz ni avec --counts : le volume donne les voxels et leurs comptes</source>
        <translation>--volume combines neither with --xy, --yz, --xz nor with --counts: the volume gives the voxels and their counts</translation>
    </message>
    <message>
        <source>Aucun plan : donner au moins une image avec --xy, --yz ou --xz, ou un volume avec --volume</source>
        <translation>No plane: give at least one image with --xy, --yz or --xz, or a volume with --volume</translation>
    </message>
    <message>
        <source>--counts ne s&apos;emploie qu&apos;avec un seul plan : avec plusieurs, les comptes viennent des images</source>
        <translation>--counts is used only with a single plane: with several, the counts come from the images</translation>
    </message>
    <message>
        <source>Avec plusieurs plans, l&apos;image du plan XY est nécessaire : donner --xy IMAGE</source>
        <translation>With several planes, the image of the XY plane is required: give --xy IMAGE</translation>
    </message>
    <message>
        <source>Mémoire insuffisante pour construire ce fantôme</source>
        <translation>Not enough memory to build this phantom</translation>
    </message>
</context>
<context>
    <name>companions</name>
    <message>
        <source>graines « %1 » : deux entiers séparés par une virgule sont attendus</source>
        <translation>seeds &quot;%1&quot;: two integers separated by a comma are expected</translation>
    </message>
    <message>
        <source>graine « %1 » : un entier de 1 à %2 est attendu</source>
        <translation>seed &quot;%1&quot;: an integer from 1 to %2 is expected</translation>
    </message>
    <message>
        <source>titre sur plusieurs lignes : DOSXYZnrc n&apos;en lit qu&apos;une</source>
        <translation>title on several lines: DOSXYZnrc reads only one</translation>
    </message>
    <message>
        <source>titre de %1 octets : DOSXYZnrc n&apos;en lit que %2</source>
        <translation>title of %1 bytes: DOSXYZnrc reads only %2</translation>
    </message>
    <message>
        <source>particule « %1 » : photon, electron ou positron est attendu</source>
        <translation>particle &quot;%1&quot;: photon, electron or positron is expected</translation>
    </message>
    <message>
        <source>énergie « %1 » : un nombre de MeV supérieur à 0 est attendu</source>
        <translation>energy &quot;%1&quot;: a number of MeV above 0 is expected</translation>
    </message>
    <message>
        <source>histoires « %1 » : un entier de 1 à %2 est attendu</source>
        <translation>histories &quot;%1&quot;: an integer from 1 to %2 is expected</translation>
    </message>
    <message>
        <source>le fantôme « %1 » est compressé : DOSXYZnrc ne lit que le texte non compressé (écrire le fantôme sans .gz, ou le décompresser avec gunzip)</source>
        <translation>the phantom &quot;%1&quot; is compressed: DOSXYZnrc reads only uncompressed text (write the phantom without .gz, or decompress it with gunzip)</translation>
    </message>
    <message>
        <source>ce fichier est le fantôme lui-même</source>
        <translation>this file is the phantom itself</translation>
    </message>
    <message>
        <source>le nom du fantôme tient sur plusieurs lignes : DOSXYZnrc le lit sur une seule</source>
        <translation>the phantom&apos;s name spans several lines: DOSXYZnrc reads it on a single one</translation>
    </message>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Entrée DOSXYZnrc « %1 » non écrite : %2</source>
        <translation>DOSXYZnrc input &quot;%1&quot; not written: %2</translation>
    </message>
    <message>
        <source>Entrée DOSXYZnrc écrite dans « %1 »</source>
        <translation>DOSXYZnrc input written to &quot;%1&quot;</translation>
    </message>
    <message>
        <source>le chemin « %1 » contient un saut de ligne ou un « # », qu&apos;egs++ ne lit pas dans un nom de fichier</source>
        <translation>the path &quot;%1&quot; contains a line break or a &quot;#&quot;, which egs++ does not read in a file name</translation>
    </message>
    <message>
        <source>Géométrie egs++ « %1 » non écrite : %2</source>
        <translation>egs++ geometry &quot;%1&quot; not written: %2</translation>
    </message>
    <message>
        <source>Géométrie egs++ écrite dans « %1 », sa rampe dans « %2 » (%3)</source>
        <translation>egs++ geometry written to &quot;%1&quot;, its ramp to &quot;%2&quot; (%3)</translation>
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
        <source>aucun fichier PEGS4 chargé : la rampe d&apos;egs++ prend la densité de chaque milieu dans ce fichier</source>
        <translation>no PEGS4 file loaded: the egs++ ramp takes each medium&apos;s density from that file</translation>
    </message>
    <message>
        <source>les milieux « %1 » et « %2 » ont la même densité %3 g/cm³ : egs++ donne un milieu par densité, aucune rampe ne les sépare (décaler l&apos;un d&apos;eux de 0.001 g/cm³)</source>
        <translation>the media &quot;%1&quot; and &quot;%2&quot; have the same density %3 g/cm³: egs++ gives one medium per density, no ramp can tell them apart (shift one of them by 0.001 g/cm³)</translation>
    </message>
    <message>
        <source>une densité dépasse ce qu&apos;egs++ lit (un nombre flottant de 32 bits)</source>
        <translation>a density exceeds what egs++ reads (a 32-bit floating-point number)</translation>
    </message>
    <message>
        <source>le milieu « %1 » contient un blanc : egs++ lit les noms de la rampe comme des mots</source>
        <translation>the medium &quot;%1&quot; contains a blank: egs++ reads the names of the ramp as words</translation>
    </message>
    <message>
        <source>le milieu « %1 » n&apos;est pas dans le fichier PEGS4 chargé : la rampe d&apos;egs++ demande sa densité PEGS4 (rho_default)</source>
        <translation>the medium &quot;%1&quot; is not in the loaded PEGS4 file: the egs++ ramp needs its PEGS4 density (rho_default)</translation>
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
        <source>%1 n&apos;est pas un nombre (%2 du voxel %3)</source>
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
        <source>%1 n&apos;est pas un nombre (%2)</source>
        <translation>%1 is not a number (%2)</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un nombre entier (%2)</source>
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
        <source>c&apos;est un dossier, pas un fichier</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>fichier absent</source>
        <translation>file missing</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (tube, périphérique ou prise)</source>
        <translation>not a regular file (pipe, device or socket)</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir le fichier (%1)</source>
        <translation>cannot open the file (%1)</translation>
    </message>
    <message>
        <source>lecture arrêtée</source>
        <translation>reading stopped</translation>
    </message>
    <message>
        <source>le fichier finit sur sa dernière densité, sans fin de ligne : s&apos;il a été coupé, cette densité est fausse</source>
        <translation>the file ends on its last density, with no line end: if it was cut short, that density is wrong</translation>
    </message>
</context>
<context>
    <name>images</name>
    <message>
        <source>Image refusée : &quot;%1&quot; n&apos;est pas un fichier ordinaire</source>
        <translation>Image refused: &quot;%1&quot; is not a regular file</translation>
    </message>
    <message>
        <source>Image trop grande : &quot;%1&quot; annonce %2 × %3 pixels</source>
        <translation>Image too large: &quot;%1&quot; announces %2 × %3 pixels</translation>
    </message>
    <message>
        <source>Image illisible (format inconnu ou fichier abîmé) : &quot;%1&quot;</source>
        <translation>Unreadable image (unknown format or damaged file): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Image introuvable : &quot;%1&quot;</source>
        <translation>Image not found: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Fichier &quot;%1&quot; : image incomplète ou corrompue</source>
        <translation>File &quot;%1&quot;: incomplete or corrupt image</translation>
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
        <source>aucune image cochée ne donne l&apos;axe %1</source>
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
        <source>le chemin n&apos;est pas un texte UTF-8 valide</source>
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
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>c&apos;est un périphérique</source>
        <translation>it is a device</translation>
    </message>
    <message>
        <source>c&apos;est un tube</source>
        <translation>it is a pipe</translation>
    </message>
    <message>
        <source>c&apos;est une socket</source>
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
        <source>erreur d&apos;écriture (disque plein ?)</source>
        <translation>write error (disk full?)</translation>
    </message>
    <message>
        <source>la cible a changé pendant l&apos;écriture</source>
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
        <source>texte qui n&apos;est pas de l&apos;UTF-8</source>
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
        <translation>Grey level %1: invalid density &quot;%2&quot;</translation>
    </message>
    <message>
        <source>nom « %1 » refusé : il contient un caractère de contrôle (U+%2)</source>
        <translation>name &quot;%1&quot; refused: it holds a control character (U+%2)</translation>
    </message>
    <message>
        <source>nom « %1 » refusé : le caractère « %2 » ne s&apos;écrit pas dans un fichier egsphant (Latin-1)</source>
        <translation>name &quot;%1&quot; refused: the character &quot;%2&quot; cannot be written in an egsphant file (Latin-1)</translation>
    </message>
    <message>
        <source>Le catalogue &quot;%1&quot; n&apos;est pas un fichier ordinaire</source>
        <translation>The catalogue &quot;%1&quot; is not a regular file</translation>
    </message>
    <message>
        <source>Le catalogue &quot;%1&quot; dépasse %2 Mo : ce n&apos;est pas un fichier PEGS4</source>
        <translation>The catalogue &quot;%1&quot; exceeds %2 MB: it is not a PEGS4 file</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier &quot;%1&quot;</source>
        <translation>Cannot open the file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier &quot;%1&quot;</source>
        <translation>Cannot read the file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Aucun milieu dans le fichier &quot;%1&quot;</source>
        <translation>No medium in the file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est ni un niveau de gris N ni une plage N-M (0 ≤ N ≤ M ≤ %2)</source>
        <translation>&quot;%1&quot; is neither a grey level N nor a range N-M (0 ≤ N ≤ M ≤ %2)</translation>
    </message>
    <message>
        <source>nom de milieu manquant après « %1 »</source>
        <translation>medium name missing after &quot;%1&quot;</translation>
    </message>
    <message>
        <source>trop de champs à partir de « %1 » ; une entrée s&apos;écrit NIVEAUX NOM [DENSITE]</source>
        <translation>too many fields from &quot;%1&quot; on; an entry reads LEVELS NAME [DENSITY]</translation>
    </message>
    <message>
        <source>densité « %1 » invalide : un nombre supérieur à 0, écrit avec un point, est attendu</source>
        <translation>invalid density &quot;%1&quot;: a number above 0, written with a point, is expected</translation>
    </message>
    <message>
        <source>aucun milieu « %1 » dans le catalogue : donner sa densité (NIVEAUX NOM DENSITE), ou le fichier PEGS4 qui le contient</source>
        <translation>no medium &quot;%1&quot; in the catalogue: give its density (LEVELS NAME DENSITY), or the PEGS4 file that holds it</translation>
    </message>
    <message>
        <source>« fond » attend un seul niveau de gris, de 0 à %1</source>
        <translation>&quot;fond&quot; takes a single grey level, from 0 to %1</translation>
    </message>
    <message>
        <source>lignes %1 et %2 : deux lignes « fond »</source>
        <translation>lines %1 and %2: two &quot;fond&quot; lines</translation>
    </message>
    <message>
        <source>lignes %1 et %2 : les niveaux se recouvrent (%3)</source>
        <translation>lines %1 and %2: the levels overlap (%3)</translation>
    </message>
    <message>
        <source>Table « %1 » : %2</source>
        <translation>Table &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Niveau de gris %1 : le nom « %2 » compte plusieurs mots ; une table n&apos;en garde qu&apos;un</source>
        <translation>Grey level %1: the name &quot;%2&quot; has several words; a table keeps only one</translation>
    </message>
    <message>
        <source>Niveau de gris %1 : le nom « %2 » contient « # », qui ouvre un commentaire dans une table</source>
        <translation>Grey level %1: the name &quot;%2&quot; holds &quot;#&quot;, which starts a comment in a table</translation>
    </message>
    <message>
        <source>Table « %1 » non écrite : %2</source>
        <translation>Table &quot;%1&quot; not written: %2</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>Note : </source>
        <translation>Note: </translation>
    </message>
</context>
<context>
    <name>phantom</name>
    <message>
        <source>Attention : le milieu « %1 » commence par un blanc ; egs++ et egs_brachy lisent les noms comme des mots et le perdent (ôter le blanc, ici et dans le fichier PEGS4)</source>
        <translation>Warning: medium &quot;%1&quot; starts with a blank; egs++ and egs_brachy read names as words and lose it (remove the blank, here and in the PEGS4 file)</translation>
    </message>
    <message>
        <source>Attention : le milieu « %1 » contient un blanc ; egs++ et egs_brachy lisent les noms comme des mots (renommer le milieu sans blanc, ici et dans le fichier PEGS4)</source>
        <translation>Warning: medium &quot;%1&quot; holds a blank; egs++ and egs_brachy read names as words (rename the medium without a blank, here and in the PEGS4 file)</translation>
    </message>
    <message>
        <source>Attention : le milieu « %1 » compte %2 caractères ; DOSXYZnrc n&apos;en lit que %3 (choisir un nom plus court, ici et dans le fichier PEGS4)</source>
        <translation>Warning: medium &quot;%1&quot; has %2 characters; DOSXYZnrc reads only %3 (choose a shorter name, here and in the PEGS4 file)</translation>
    </message>
    <message>
        <source>Fantôme écrit dans « %1 » : %2 %3, %4 × %5 × %6 voxels</source>
        <translation>Phantom written in &quot;%1&quot;: %2 %3, %4 × %5 × %6 voxels</translation>
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
        <source>Attention : fichier compressé ; DOSXYZnrc ne lit que les fichiers non compressés, et egs++ ne lit un .gz que s&apos;il a été compilé avec gzip, ce qu&apos;une installation standard n&apos;a pas (le décompresser avec gunzip)</source>
        <translation>Warning: compressed file; DOSXYZnrc reads only uncompressed files, and egs++ reads a .gz only when built with gzip, which a standard installation is not (decompress it with gunzip)</translation>
    </message>
    <message>
        <source>Attention : %1 milieux ; DOSXYZnrc n&apos;en accepte que %2 sans recompilation ($MXMED)</source>
        <translation>Warning: %1 media; DOSXYZnrc takes only %2 without recompiling ($MXMED)</translation>
    </message>
    <message>
        <source>Attention : %1 voxels en %2 ; DOSXYZnrc n&apos;en accepte que %3 sans recompilation (%4)</source>
        <translation>Warning: %1 voxels in %2; DOSXYZnrc takes only %3 without recompiling (%4)</translation>
    </message>
    <message>
        <source>Attention : lignes de %1 voxels en X ; les anciens lecteurs egs++ n&apos;en lisent que %2 par ligne (employer un EGSnrc récent, ou au plus %2 voxels en X)</source>
        <translation>Warning: lines of %1 voxels in X; older egs++ readers read only %2 per line (use a recent EGSnrc, or at most %2 voxels in X)</translation>
    </message>
    <message>
        <source>Attention : le milieu « %1 » n&apos;est pas dans le fichier PEGS4 chargé ; DOSXYZnrc s&apos;arrêtera sur ce nom sans calculer de dose (HATCH : NAMES WERE NOT RECOGNIZED) (choisir un milieu du fichier, ou l&apos;y ajouter)</source>
        <translation>Warning: medium &quot;%1&quot; is not in the PEGS4 file loaded; DOSXYZnrc will stop on this name without computing any dose (HATCH: NAMES WERE NOT RECOGNIZED) (choose a medium of the file, or add it there)</translation>
    </message>
    <message>
        <source>Attention : %1 niveaux de gris laissés sans choix au premier milieu du catalogue, %2 : %3</source>
        <translation>Warning: %1 grey levels left with no choice to the catalogue&apos;s first medium, %2: %3</translation>
    </message>
    <message>
        <source>Attention : le niveau de gris laissé sans choix au premier milieu du catalogue, %1 : %2</source>
        <translation>Warning: the grey level left with no choice to the catalogue&apos;s first medium, %1: %2</translation>
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
        <source>Taille %1 : %2, la taille d&apos;un voxel doit être un nombre fini supérieur à 0.</source>
        <translation>Size %1: %2, a voxel size must be a finite number above 0.</translation>
    </message>
    <message>
        <source>Selon %1 : la dernière limite des voxels, origine %2 + %3 × taille %4, n&apos;est pas un nombre fini.</source>
        <translation>Along %1: the last voxel boundary, origin %2 + %3 × size %4, is not a finite number.</translation>
    </message>
    <message>
        <source>Fichier &quot;%1&quot; non écrit : %2</source>
        <translation>File &quot;%1&quot; not written: %2</translation>
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
        <translation>Size along %1: %2 cm, smaller than the CT scan&apos;s voxels (%3 cm)</translation>
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
        <source>élément coupé à l&apos;octet %1</source>
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
        <source>marque de séquence %1 hors d&apos;une séquence</source>
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
        <source>%1 champs ; une ligne de milieu s&apos;écrit NOM HU_MAX DENSITE_MIN DENSITE_MAX</source>
        <translation>%1 fields; a medium line reads NOM HU_MAX DENSITE_MIN DENSITE_MAX</translation>
    </message>
    <message>
        <source>%1 « %2 » n&apos;est pas un nombre (écrit avec un point)</source>
        <translation>%1 &quot;%2&quot; is not a number (written with a point)</translation>
    </message>
    <message>
        <source>HU_MAX %1 ne dépasse pas la borne min %2</source>
        <translation>HU_MAX %1 does not exceed the min bound %2</translation>
    </message>
    <message>
        <source>HU_MAX %1 ne dépasse pas celui de la ligne précédente (%2) ; les HU_MAX doivent croître strictement</source>
        <translation>HU_MAX %1 does not exceed the previous line&apos;s (%2); the HU_MAX values must strictly increase</translation>
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
        <translation>lines %1 and %2: two &quot;min&quot; lines</translation>
    </message>
    <message>
        <source>la ligne « min HU_MIN » doit précéder les milieux</source>
        <translation>the &quot;min HU_MIN&quot; line must come before the media</translation>
    </message>
    <message>
        <source>« min » attend un seul nombre, écrit avec un point : min HU_MIN</source>
        <translation>&quot;min&quot; takes a single number, written with a point: min HU_MIN</translation>
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
        <translation>empty ramp: a &quot;min HU_MIN&quot; line then one line per medium are expected</translation>
    </message>
    <message>
        <source>Rampe, %1</source>
        <translation>Ramp, %1</translation>
    </message>
    <message>
        <source>borne min « %1 » : un nombre est attendu</source>
        <translation>min bound &quot;%1&quot;: a number is expected</translation>
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
        <translation>name &quot;%1&quot;: a single word, without &quot;#&quot;, is expected</translation>
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
        <translation>Ramp &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>La rampe par défaut nomme ses milieux d&apos;après un catalogue : donner le fichier PEGS4, ou une rampe</source>
        <translation>The default ramp names its media from a catalogue: give the PEGS4 file, or a ramp</translation>
    </message>
    <message>
        <source>Rampe par défaut : aucun milieu du catalogue ne commence par « %1 » ; donner une rampe</source>
        <translation>Default ramp: no medium of the catalogue starts with &quot;%1&quot;; give a ramp</translation>
    </message>
    <message>
        <source>Rampe « %1 » non écrite : %2</source>
        <translation>Ramp &quot;%1&quot; not written: %2</translation>
    </message>
    <message>
        <source>dossier introuvable</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>fichier DICOM abîmé « %1 » : %2</source>
        <translation>damaged DICOM file &quot;%1&quot;: %2</translation>
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
        <translation>%1 &quot;%2&quot; unreadable</translation>
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
        <translation>&quot;%1&quot;: %2 unreadable</translation>
    </message>
    <message>
        <source>« %1 » : %2 « %3 » : trois nombres finis attendus</source>
        <translation>&quot;%1&quot;: %2 &quot;%3&quot;: three finite numbers expected</translation>
    </message>
    <message>
        <source>coupes de tailles différentes : « %1 » a %2 pixels, « %3 » %4</source>
        <translation>slices of different sizes: &quot;%1&quot; has %2 pixels, &quot;%3&quot; %4</translation>
    </message>
    <message>
        <source>coupes d&apos;orientations différentes : « %1 » et « %2 »</source>
        <translation>slices of different orientations: &quot;%1&quot; and &quot;%2&quot;</translation>
    </message>
    <message>
        <source>coupes d&apos;espacements de pixels différents : « %1 » et « %2 »</source>
        <translation>slices of different pixel spacings: &quot;%1&quot; and &quot;%2&quot;</translation>
    </message>
    <message>
        <source>toutes les coupes sont à la même position (%1 coupes)</source>
        <translation>all the slices are at the same position (%1 slices)</translation>
    </message>
    <message>
        <source>coupes « %1 » et « %2 » à la même position</source>
        <translation>slices &quot;%1&quot; and &quot;%2&quot; at the same position</translation>
    </message>
    <message>
        <source>coupes décalées de biais (statif incliné) : rééchantillonner d&apos;abord la série en coupes droites</source>
        <translation>slices shifted obliquely (gantry tilt): resample the series into straight slices first</translation>
    </message>
    <message>
        <source>coupes inégalement espacées, pas de %1 à %2 mm : limites des voxels à mi-chemin entre les coupes</source>
        <translation>unevenly spaced slices, steps of %1 to %2 mm: voxel boundaries halfway between the slices</translation>
    </message>
    <message>
        <source>« %1 » : %2 « %3 » illisible</source>
        <translation>&quot;%1&quot;: %2 &quot;%3&quot; unreadable</translation>
    </message>
    <message>
        <source>coupes à %1 mm l&apos;une de l&apos;autre selon %2 : 0.001 mm au moins attendu</source>
        <translation>slices %1 mm apart along %2: at least 0.001 mm expected</translation>
    </message>
    <message>
        <source>orientation oblique : rééchantillonner d&apos;abord la série sur des axes x, y, z</source>
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
        <translation>Folder &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Série CT de « %1 » : %2</source>
        <translation>CT series of &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>aucune série CT d&apos;UID « %1 » (séries CT : %2)</source>
        <translation>no CT series with UID &quot;%1&quot; (CT series: %2)</translation>
    </message>
    <message>
        <source>mémoire insuffisante pour ses voxels</source>
        <translation>not enough memory for its voxels</translation>
    </message>
    <message>
        <source>un fichier, pas un dossier : donner le dossier de la série</source>
        <translation>a file, not a folder: give the series&apos; folder</translation>
    </message>
</context>
<context>
    <name>session</name>
    <message>
        <source>Structures « %1 » : série à statif incliné, rééchantillonnée hors des plans de ses contours</source>
        <translation>Structures &quot;%1&quot;: series with a tilted gantry, resampled off the planes of its contours</translation>
    </message>
    <message>
        <source>Fond : le niveau de gris %1 n&apos;est dans aucune image cochée ; marquer le fond sur une ligne des images cochées, ou cocher l&apos;image qui le contient</source>
        <translation>Background: grey level %1 is in no ticked picture; mark the background on a row of the ticked pictures, or tick the picture that holds it</translation>
    </message>
    <message>
        <source>Taille X</source>
        <translation>Size X</translation>
    </message>
    <message>
        <source>Taille Y</source>
        <translation>Size Y</translation>
    </message>
    <message>
        <source>Taille Z</source>
        <translation>Size Z</translation>
    </message>
    <message>
        <source>Origine X</source>
        <translation>Origin X</translation>
    </message>
    <message>
        <source>Origine Y</source>
        <translation>Origin Y</translation>
    </message>
    <message>
        <source>Origine Z</source>
        <translation>Origin Z</translation>
    </message>
    <message>
        <source>%1 : champ vide, un nombre est attendu.</source>
        <translation>%1: empty field, a number is expected.</translation>
    </message>
    <message>
        <source>%1 : « %2 » n&apos;est pas un nombre.</source>
        <translation>%1: &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>Nombre de voxels invalide : « %1 » en %2 (chaque compte doit être un entier positif, au plus %3).</source>
        <translation>Invalid number of voxels: &quot;%1&quot; along %2 (each count must be a positive integer, at most %3).</translation>
    </message>
    <message>
        <source>Compte de voxels trop grand : %1 (au plus %2 par axe)</source>
        <translation>Voxel count too large: %1 (at most %2 per axis)</translation>
    </message>
    <message>
        <source>HU lus de %1 à %2%3</source>
        <translation>HU read from %1 to %2%3</translation>
    </message>
    <message>
        <source>%1 ; le fantôme « %2 » reste écrit</source>
        <translation>%1; the phantom &quot;%2&quot; stays written</translation>
    </message>
    <message>
        <source>Géométrie egs++ : </source>
        <translation>egs++ geometry: </translation>
    </message>
    <message>
        <source>Jusqu&apos;à X</source>
        <translation>Up to X</translation>
    </message>
    <message>
        <source>Jusqu&apos;à Y</source>
        <translation>Up to Y</translation>
    </message>
    <message>
        <source>Jusqu&apos;à Z</source>
        <translation>Up to Z</translation>
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
        <source>deux régions s&apos;appellent « %1 » (ROINumber %2 et %3)</source>
        <translation>two regions of interest are named &quot;%1&quot; (ROINumber %2 and %3)</translation>
    </message>
    <message>
        <source>aucune région « %1 » (régions : %2)</source>
        <translation>no region of interest &quot;%1&quot; (regions: %2)</translation>
    </message>
    <message>
        <source>%1 attend NOM=MILIEU[:DENSITE], pas « %2 »</source>
        <translation>%1 takes NAME=MEDIUM[:DENSITY], not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>région « %1 » : %2</source>
        <translation>region &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>nom de milieu vide</source>
        <translation>empty medium name</translation>
    </message>
    <message>
        <source>densité « %1 » : un nombre au-dessus de 0 (g/cm³) ou « ct » est attendu</source>
        <translation>density &quot;%1&quot;: a number above 0 (g/cm³) or &quot;ct&quot; is expected</translation>
    </message>
    <message>
        <source>sans densité donnée, le milieu se cherche dans un catalogue : donner --pegs FICHIER ou NOM=MILIEU:DENSITE</source>
        <translation>with no density given, the medium is looked up in a catalogue: give --pegs FILE or NAME=MEDIUM:DENSITY</translation>
    </message>
    <message>
        <source>aucun milieu « %1 » dans le catalogue</source>
        <translation>no medium &quot;%1&quot; in the catalogue</translation>
    </message>
    <message>
        <source>Structures « %1 » : la série n&apos;a pas de (0020,0052) FrameOfReferenceUID où poser leurs contours</source>
        <translation>Structure set &quot;%1&quot;: the series has no (0020,0052) FrameOfReferenceUID to place their contours in</translation>
    </message>
    <message>
        <source>Structures « %1 » : (3006,0010) FrameOfReferenceUID « %2 », la série est dans « %3 »</source>
        <translation>Structure set &quot;%1&quot;: (3006,0010) FrameOfReferenceUID &quot;%2&quot;, the series is in &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Structures « %1 » : région « %2 » dans le repère « %3 » ((3006,0024)), la série dans « %4 »</source>
        <translation>Structure set &quot;%1&quot;: region &quot;%2&quot; in the frame of reference &quot;%3&quot; ((3006,0024)), the series in &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1« %2 » %3 : %4 voxels</source>
        <translation>%1&quot;%2&quot; %3: %4 voxels</translation>
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
        <source>fin d&apos;article inattendue à l&apos;octet %1</source>
        <translation>unexpected item end at byte %1</translation>
    </message>
    <message>
        <source>élément %1 de %2 octets : le fichier, ou la séquence qui le tient, s&apos;arrête avant</source>
        <translation>element %1 of %2 bytes: the file, or the sequence holding it, ends before</translation>
    </message>
    <message>
        <source>fichier coupé : il s&apos;arrête après %1 octets</source>
        <translation>file cut off: it ends after %1 bytes</translation>
    </message>
    <message>
        <source>article de séquence mal formé à l&apos;octet %1</source>
        <translation>malformed sequence item at byte %1</translation>
    </message>
    <message>
        <source>fin de séquence inattendue à l&apos;octet %1</source>
        <translation>unexpected sequence end at byte %1</translation>
    </message>
    <message>
        <source>article de séquence attendu à l&apos;octet %1</source>
        <translation>sequence item expected at byte %1</translation>
    </message>
    <message>
        <source>article de %1 octets au-delà de sa séquence</source>
        <translation>item of %1 bytes beyond its sequence</translation>
    </message>
    <message>
        <source>pas un fichier DICOM (pas de « DICM » après les 128 octets du préambule)</source>
        <translation>not a DICOM file (no &quot;DICM&quot; after the 128-byte preamble)</translation>
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
        <translation>(0002,0010) TransferSyntaxUID &quot;%1&quot; not supported (%2)</translation>
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
        <translation>region &quot;%1&quot;, contour %2: %3</translation>
    </message>
    <message>
        <source>son contour %1 n&apos;est pas sur un plan axial (z de %2 et de %3 mm)</source>
        <translation>its contour %1 is not on an axial plane (z of %2 and %3 mm)</translation>
    </message>
    <message>
        <source>(0008,0016) SOPClassUID « %1 » : pas un RT Structure Set (%2)</source>
        <translation>(0008,0016) SOPClassUID &quot;%1&quot;: not an RT Structure Set (%2)</translation>
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
        <translation>Structure set &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>une ligne s&apos;écrit interieur|exterieur MILIEU DENSITE NOM (DENSITE : un nombre, « ct » ou « - »)</source>
        <translation>a line reads interieur|exterieur MEDIUM DENSITY NAME (DENSITY: a number, &quot;ct&quot; or &quot;-&quot;)</translation>
    </message>
    <message>
        <source>densité « %1 » : un nombre avec un point, « ct » ou « - »</source>
        <translation>density &quot;%1&quot;: a number with a full stop, &quot;ct&quot; or &quot;-&quot;</translation>
    </message>
    <message>
        <source>aucune région « %1 »</source>
        <translation>no region &quot;%1&quot;</translation>
    </message>
    <message>
        <source>région « %1 » déjà nommée</source>
        <translation>region &quot;%1&quot; already named</translation>
    </message>
    <message>
        <source>un seul extérieur, déjà « %1 »</source>
        <translation>one outside only, already &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Extérieur</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>un choix de structures</source>
        <translation>a structure choices file</translation>
    </message>
    <message>
        <source>Choix des structures « %1 » : %2</source>
        <translation>Structure choices &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Choix des structures « %1 » non écrit : %2</source>
        <translation>Structure choices &quot;%1&quot; not written: %2</translation>
    </message>
</context>
<context>
    <name>volume</name>
    <message>
        <source>%1 voxels selon l&apos;axe %2 du fichier, au moins 1 attendu</source>
        <translation>%1 voxels along the file&apos;s axis %2, at least 1 expected</translation>
    </message>
    <message>
        <source>espacement</source>
        <translation>spacing</translation>
    </message>
    <message>
        <source>%1 %2 selon l&apos;axe %3 du fichier : un nombre de %4 à %5 mm est attendu</source>
        <translation>%1 %2 along the file&apos;s axis %3: a number from %4 to %5 mm is expected</translation>
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
        <translation>Folder &quot;%1&quot;: no image</translation>
    </message>
    <message>
        <source>Dossier « %1 » : mémoire insuffisante pour ses images</source>
        <translation>Folder &quot;%1&quot;: not enough memory for its images</translation>
    </message>
    <message>
        <source>Image « %1 » : %2 × %3 pixels, alors que « %4 » en a %5 × %6</source>
        <translation>Image &quot;%1&quot;: %2 × %3 pixels, whereas &quot;%4&quot; has %5 × %6</translation>
    </message>
    <message>
        <source>%1 : %2 voxels selon l&apos;axe %3, au moins 1 attendu</source>
        <translation>%1: %2 voxels along axis %3, at least 1 expected</translation>
    </message>
    <message>
        <source>%1 : plus de %2 voxels, au-delà de toute mémoire</source>
        <translation>%1: more than %2 voxels, beyond any memory</translation>
    </message>
    <message>
        <source>motif de fichiers « %1 » : nom%d, premier, dernier et pas attendus</source>
        <translation>file pattern &quot;%1&quot;: name%d, first, last and step expected</translation>
    </message>
    <message>
        <source>fichier tronqué : %1 annonce %2 octets de voxels, plus que les %3 octets compressés de « %4 » n&apos;en peuvent donner</source>
        <translation>truncated file: %1 announces %2 bytes of voxels, more than the %3 compressed bytes of &quot;%4&quot; can give</translation>
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
        <translation>%1: data file &quot;%2&quot; not found</translation>
    </message>
    <message>
        <source>%1 : « %2 » n&apos;est pas un fichier ordinaire</source>
        <translation>%1: &quot;%2&quot; is not a regular file</translation>
    </message>
    <message>
        <source>%1 : les données commencent après la fin de « %2 »</source>
        <translation>%1: the data start after the end of &quot;%2&quot;</translation>
    </message>
    <message>
        <source>CompressedDataSize = %1 : « %2 » n&apos;en a que %3 après l&apos;en-tête</source>
        <translation>CompressedDataSize = %1: &quot;%2&quot; has only %3 after the header</translation>
    </message>
    <message>
        <source>%1 : données compressées de « %2 » tronquées ou abîmées</source>
        <translation>%1: compressed data of &quot;%2&quot; truncated or damaged</translation>
    </message>
    <message>
        <source>fichier tronqué ou abîmé : %1 annonce %2 octets de voxels, « %3 » en donne %4</source>
        <translation>truncated or damaged file: %1 announces %2 bytes of voxels, &quot;%3&quot; gives %4</translation>
    </message>
    <message>
        <source>fichier tronqué : %1 annonce %2 octets de voxels, « %3 » n&apos;en a que %4</source>
        <translation>truncated file: %1 announces %2 bytes of voxels, &quot;%3&quot; has only %4</translation>
    </message>
    <message>
        <source>en-tête NRRD sans fin (ligne vide attendue avant les voxels)</source>
        <translation>NRRD header with no end (blank line expected before the voxels)</translation>
    </message>
    <message>
        <source>dimension « %1 » : un nombre entier attendu</source>
        <translation>dimension &quot;%1&quot;: an integer expected</translation>
    </message>
    <message>
        <source>sizes « %1 » : des nombres entiers attendus</source>
        <translation>sizes &quot;%1&quot;: integers expected</translation>
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
        <translation>NRRD header with neither voxels nor &quot;data file&quot;</translation>
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
        <source>HeaderSize = %1 : -1 ou un nombre entier d&apos;au moins 0 attendu</source>
        <translation>HeaderSize = %1: -1 or an integer of at least 0 expected</translation>
    </message>
    <message>
        <source>CompressedDataSize = %1 : un nombre entier d&apos;au moins 1 attendu</source>
        <translation>CompressedDataSize = %1: an integer of at least 1 expected</translation>
    </message>
    <message>
        <source>NDims absent</source>
        <translation>NDims missing</translation>
    </message>
    <message>
        <source>ElementDataFile absent : il termine l&apos;en-tête</source>
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
        <translation>value %1 at the file&apos;s voxel (%2, %3, %4): a label is an integer from 0 to 65535</translation>
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
        <source>direction oblique : rééchantillonner d&apos;abord le volume sur des axes x, y, z</source>
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
        <source>%1 voxels selon l&apos;axe %2 du fichier</source>
        <translation>%1 voxels along the file&apos;s axis %2</translation>
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
        <source>ElementDataFile : flux compressé tronqué ou abîmé, ou d&apos;une autre longueur que les %1 octets de voxels de DimSize</source>
        <translation>ElementDataFile: compressed stream truncated or damaged, or of another length than DimSize&apos;s %1 bytes of voxels</translation>
    </message>
    <message>
        <source>voxels illisibles (fichier tronqué ou abîmé)</source>
        <translation>unreadable voxels (truncated or damaged file)</translation>
    </message>
    <message>
        <source>Volume « %1 » : %2</source>
        <translation>Volume &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 au voxel %2 du fichier</source>
        <translation>%1 at the file&apos;s voxel %2</translation>
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
        <translation>%1 voxels of %2 byte%3: too much for this machine&apos;s memory together with the phantom&apos;s grid</translation>
    </message>
    <message>
        <source>Volume « %1 » introuvable</source>
        <translation>Volume &quot;%1&quot; not found</translation>
    </message>
    <message>
        <source>Volume « %1 » : ni un fichier ordinaire ni un dossier</source>
        <translation>Volume &quot;%1&quot;: neither a regular file nor a folder</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Écriture en cours</source>
        <translation>Writing in progress</translation>
    </message>
    <message>
        <source>Un fantôme est en cours d&apos;écriture. L&apos;arrêter et fermer la fenêtre ? Le fichier ne sera pas écrit ; un fichier du même nom déjà là restera tel quel.</source>
        <translation>A phantom is being written. Stop it and close the window? The file will not be written; a file of the same name already there will stay as it is.</translation>
    </message>
    <message numerus="yes">
        <source>%1 : %2, %3 × %4 × %5, %n valeurs</source>
        <translation>
            <numerusform>%1: %2, %3 × %4 × %5, %n value</numerusform>
            <numerusform>%1: %2, %3 × %4 × %5, %n values</numerusform>
        </translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Coupes</source>
        <translation>Slices</translation>
    </message>
    <message>
        <source> ; taille et origine : celles des champs</source>
        <translation>; size and origin: those of the fields</translation>
    </message>
</context>
</TS>
