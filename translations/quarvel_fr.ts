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
    <name>PanneauStructures</name>
    <message numerus="yes">
        <source>Structures « %1 » : %n régions</source>
        <translation>
            <numerusform>Structures « %1 » : %n région</numerusform>
            <numerusform>Structures « %1 » : %n régions</numerusform>
        </translation>
    </message>
</context>
</TS>
