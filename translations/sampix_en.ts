<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>TWaveForm</name>
    <message>
        <location filename="../src/app/WaveFormControles.cpp" line="+100"/>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annuler la conversion (Échap)</source>
        <translation>Cancel the conversion (Esc)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Velta</source>
        <translation>Velta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>test de la présence d&apos;Velta VX2 ou VXQ</source>
        <translation>looks for a Velta VX2 or VXQ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enregistrer</source>
        <comment>record a sound</comment>
        <translation>Record</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+8"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>arrêt de l&apos;enregistrement</source>
        <translation>stops the recording</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Ecouter</source>
        <translation>Listen</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>signal &quot;analogique&quot;</source>
        <translation>&quot;analogue&quot; signal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>signal &quot;échantillonné&quot;</source>
        <translation>&quot;sampled&quot; signal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enregistrer</source>
        <comment>save to a file</comment>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enregistrer le fichier son courant</source>
        <translation>Save the current sound file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>arrêt de l&apos;écoute</source>
        <translation>stops playing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>en boucle</source>
        <translation>loop</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Binaire</source>
        <translation>Binary</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Fréquence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Clic sur le graphe pour positionner un curseur</source>
        <translation>Click on the graph to place a cursor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maj. clic pour lire une durée à partir du curseur précédent</source>
        <translation>Shift+click to read a duration from the previous cursor</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enregistrement en cours, patientez ...</source>
        <translation>Recording, please wait ...</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Écouter le son</source>
        <translation>Listen to the sound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Écouter le son numérisé</source>
        <translation>Listen to the digitised sound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enregistrer un son</source>
        <translation>Record a sound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enregistrer le son numérisé dans un fichier</source>
        <translation>Save the digitised sound to a file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arrêter l&apos;enregistrement</source>
        <translation>Stop the recording</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arrêter l&apos;écoute</source>
        <translation>Stop playing</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Échap</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>F8 : chercher de nouveau</source>
        <translation>F8: search again</translation>
    </message>
    <message>
        <location filename="../src/app/WaveFormConvertisseur.cpp" line="+24"/>
        <source>Dither</source>
        <translation>Dither</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ajoute un bruit triangulaire de ± 1 pas de quantification avant la quantification : l&apos;erreur devient un souffle régulier</source>
        <translation>Adds a triangular noise of ± 1 quantisation step before quantising: the error becomes a steady hiss</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Reconstruction</source>
        <translation>Reconstruction</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Le son rendu par le filtre de lissage du convertisseur, passe-bas à la nouvelle fréquence de Nyquist, tracé sur la vue détaillée</source>
        <translation>The sound given back by the converter&apos;s smoothing filter, a low-pass at the new Nyquist frequency, drawn on the detail view</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ecouter le son reconstruit</source>
        <translation>Listen to the reconstructed sound</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Écouter le son reconstruit</source>
        <translation>Listen to the reconstructed sound</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Quantification :</source>
        <translation>Quantisation:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>uniforme</source>
        <translation>uniform</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>loi µ</source>
        <translation>µ-law</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>loi A</source>
        <translation>A-law</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Loi µ et loi A : la quantification du téléphone, des niveaux serrés près de zéro et espacés vers les forts niveaux</source>
        <translation>µ-law and A-law: the telephone&apos;s quantisation, levels close together near zero and wider apart towards loud levels</translation>
    </message>
    <message>
        <location filename="../src/app/WaveFormDirect.cpp" line="+44"/>
        <source>Direct</source>
        <translation>Live</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Entendre et voir l&apos;entrée son numérisée en direct (au casque)</source>
        <translation>Hear and see the sound input digitised live (with headphones)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Entendre l&apos;original</source>
        <translation>Hear the original</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ecouter le son du micro tel quel, pour comparer avec le son numérisé</source>
        <translation>Listen to the microphone&apos;s sound as it is, to compare it with the digitised sound</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Volume du mode direct</source>
        <translation>Volume of the live mode</translation>
    </message>
    <message>
        <location filename="../src/app/WaveFormLecon.cpp" line="+39"/>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ecouter l&apos;erreur de quantification : numérique moins analogique</source>
        <translation>Listen to the quantisation error: digital minus analogue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spectre</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spectre du son et du son numérisé sur la sélection</source>
        <translation>Spectrum of the sound and of the digitised sound over the selection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exporter l&apos;image…</source>
        <translation>Export image…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enregistrer les deux vues en image PNG ou SVG</source>
        <translation>Save both views as a PNG or SVG image</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Filtre anti-repliement</source>
        <translation>Anti-aliasing filter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Coupe les fréquences au-dessus de la nouvelle fréquence de Nyquist avant l&apos;échantillonnage</source>
        <translation>Cuts the frequencies above the new Nyquist frequency before sampling</translation>
    </message>
</context>
</TS>
