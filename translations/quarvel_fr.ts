<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="fr">
<context>
    <name>FenetreVue</name>
    <message numerus="yes">
        <source>« %1 » : %2 × %3 × %4 voxels, %n milieux</source>
        <translation>
            <numerusform>« %1 » : %2 × %3 × %4 voxels, %n milieu</numerusform>
            <numerusform>« %1 » : %2 × %3 × %4 voxels, %n milieux</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Interface</name>
    <message numerus="yes">
        <source>%1 : %2, %3 × %4, %n niveaux</source>
        <translation>
            <numerusform>%1 : %2, %3 × %4, %n niveau</numerusform>
            <numerusform>%1 : %2, %3 × %4, %n niveaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> ; %n niveaux de l&apos;image remplacée retirés du tableau (leurs choix reviendront avec eux)</source>
        <translation>
            <numerusform> ; %n niveau de l&apos;image remplacée retiré du tableau (leurs choix reviendront avec eux)</numerusform>
            <numerusform> ; %n niveaux de l&apos;image remplacée retirés du tableau (leurs choix reviendront avec eux)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (n° %2) : %n coupes, pixels de %3 × %4 mm, pas selon z de %5 à %6 mm, inclinaison %7°, « %8 » (%9)</source>
        <translation>
            <numerusform>%1 (n° %2) : %n coupe, pixels de %3 × %4 mm, pas selon z de %5 à %6 mm, inclinaison %7°, « %8 » (%9)</numerusform>
            <numerusform>%1 (n° %2) : %n coupes, pixels de %3 × %4 mm, pas selon z de %5 à %6 mm, inclinaison %7°, « %8 » (%9)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Série CT « %1 » : %n coupes, %2 × %3 × %4 voxels, HU de %5 à %6%7</source>
        <translation>
            <numerusform>Série CT « %1 » : %n coupe, %2 × %3 × %4 voxels, HU de %5 à %6%7</numerusform>
            <numerusform>Série CT « %1 » : %n coupes, %2 × %3 × %4 voxels, HU de %5 à %6%7</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Plans : retour aux images, %n niveaux au tableau</source>
        <translation>
            <numerusform>Plans : retour aux images, %n niveau au tableau</numerusform>
            <numerusform>Plans : retour aux images, %n niveaux au tableau</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanneauRampe</name>
    <message numerus="yes">
        <source>Rampe « %1 » : %n lignes</source>
        <translation>
            <numerusform>Rampe « %1 » : %n ligne</numerusform>
            <numerusform>Rampe « %1 » : %n lignes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanneauStructures</name>
    <message numerus="yes">
        <source>Structures « %1 » : %n régions</source>
        <translation>
            <numerusform>Structures « %1 » : %n région</numerusform>
            <numerusform>Structures « %1 » : %n régions</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableMateriaux</name>
    <message numerus="yes">
        <source>Compléter : %n niveaux réglés sur le niveau choisi le plus proche</source>
        <translation>
            <numerusform>Compléter : %n niveau réglé sur le niveau choisi le plus proche</numerusform>
            <numerusform>Compléter : %n niveaux réglés sur le niveau choisi le plus proche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> : %n niveaux réglés</source>
        <translation>
            <numerusform> : %n niveau réglé</numerusform>
            <numerusform> : %n niveaux réglés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Table enregistrée dans « %1 » : %n niveaux</source>
        <translation>
            <numerusform>Table enregistrée dans « %1 » : %n niveau</numerusform>
            <numerusform>Table enregistrée dans « %1 » : %n niveaux</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>window</name>
    <message numerus="yes">
        <source>%1 : %2, %3 × %4 × %5, %n valeurs</source>
        <translation>
            <numerusform>%1 : %2, %3 × %4 × %5, %n valeur</numerusform>
            <numerusform>%1 : %2, %3 × %4 × %5, %n valeurs</numerusform>
        </translation>
    </message>
</context>
</TS>
