<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>ConversionEnCours</name>
    <message>
        <location filename="../src/platform/ConversionEnCours.cpp" line="+13"/>
        <source>La conversion s&apos;est interrompue.</source>
        <translation>The conversion broke off.</translation>
    </message>
</context>
<context>
    <name>ConversionSon</name>
    <message>
        <location filename="../src/platform/ConversionSon.cpp" line="+10"/>
        <source>La conversion a été annulée.</source>
        <translation>The conversion was cancelled.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Le fichier ne contient aucun son.</source>
        <translation>The file contains no sound.</translation>
    </message>
</context>
<context>
    <name>DecodeurMp3</name>
    <message>
        <location filename="../src/platform/DecodeurMp3.cpp" line="+13"/>
        <source>Ce n&apos;est pas un fichier son MP3.</source>
        <translation>This is not an MP3 sound file.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 Hz mono</source>
        <translation>%1 Hz mono</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Hz stéréo</source>
        <translation>%1 Hz stereo</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Le décodeur MP3 ne démarre pas : %1</source>
        <translation>The MP3 decoder does not start: %1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Le format du son change en cours de fichier (%1, puis %2) : un seul son est converti, d&apos;un bout à l&apos;autre du même format.</source>
        <translation>The sound&apos;s format changes within the file (%1, then %2): only one sound is converted, in the same format from end to end.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ce n&apos;est pas un son MPEG Layer III.</source>
        <translation>This is not an MPEG Layer III sound.</translation>
    </message>
</context>
<context>
    <name>DecodeurSndfile</name>
    <message>
        <location filename="../src/platform/DecodeurSndfile.cpp" line="+42"/>
        <source>Ce n&apos;est pas un fichier son que Sampix sait lire (WAV, MP3, FLAC, Ogg Vorbis, Opus, AIFF).</source>
        <translation>This is not a sound file that Sampix can read (WAV, MP3, FLAC, Ogg Vorbis, Opus, AIFF).</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Ce fichier contient un son MPEG : donnez-lui l&apos;extension .mp3 pour le convertir.</source>
        <translation>This file holds an MPEG sound: give it the .mp3 extension to convert it.</translation>
    </message>
</context>
<context>
    <name>DecodeurSon</name>
    <message>
        <location filename="../src/platform/DecodeurSon.cpp" line="+13"/>
        <source>Impossible d&apos;ouvrir le fichier : %1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Impossible de lire le fichier : %1</source>
        <translation>Cannot read the file: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Le fichier est endommagé : erreur de décodage à %1 %.</source>
        <translation>The file is damaged: decoding error at %1%.</translation>
    </message>
</context>
<context>
    <name>DessinSpectre</name>
    <message>
        <location filename="../src/graph/DessinSpectre.cpp" line="+101"/>
        <source>Analogique</source>
        <translation>Analogue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Numérique</source>
        <translation>Digital</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Nyquist : %1 Hz</source>
        <translation>Nyquist: %1 Hz</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>,</source>
        <comment>decimal separator</comment>
        <translation>.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Fréquence (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Niveau (dB)</source>
        <translation>Level (dB)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Aucun son</source>
        <translation>No sound</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sélection trop courte pour un spectre</source>
        <translation>Selection too short for a spectrum</translation>
    </message>
</context>
<context>
    <name>EcrivainWav</name>
    <message>
        <location filename="../src/sound/EcrivainWav.cpp" line="+80"/>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Impossible de créer le fichier %1 : %2</source>
        <translation>Cannot create the file %1: %2</translation>
    </message>
</context>
<context>
    <name>ExportImage</name>
    <message>
        <location filename="../src/graph/ExportImage.cpp" line="+28"/>
        <source>format d&apos;image inconnu (le nom doit finir par .png ou .svg) : %1</source>
        <translation>unknown image format (the name must end in .png or .svg): %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+12"/>
        <location line="+14"/>
        <source>impossible d&apos;écrire %1 (%2)</source>
        <translation>cannot write %1 (%2)</translation>
    </message>
</context>
<context>
    <name>FichierConversion</name>
    <message>
        <location filename="../src/sound/FichierConversion.cpp" line="+17"/>
        <source>Impossible de créer le fichier &quot;%1&quot;. %2</source>
        <translation>Cannot create the file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Impossible d&apos;écrire le fichier &quot;%1&quot;. %2</source>
        <translation>Cannot write the file &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>Fichiers</name>
    <message>
        <location filename="../src/sound/Fichiers.cpp" line="+38"/>
        <source>Problème d&apos;ouverture : %1</source>
        <translation>Cannot open: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ce n&apos;est pas un fichier : un dossier, un tube ou un périphérique ne s&apos;ouvre pas</source>
        <translation>This is not a file: a folder, a pipe or a device cannot be opened</translation>
    </message>
</context>
<context>
    <name>FluxAudio</name>
    <message>
        <location filename="../src/platform/FluxAudio.cpp" line="+16"/>
        <source>système audio indisponible</source>
        <translation>sound system unavailable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aucune entrée son</source>
        <translation>no sound input</translation>
    </message>
    <message>
        <location line="+238"/>
        <source>aucune sortie son</source>
        <translation>no sound output</translation>
    </message>
</context>
<context>
    <name>InterfaceVelta</name>
    <message>
        <location filename="../src/acquisition/InterfaceVelta.cpp" line="+70"/>
        <source>la VQ2 par son pilote</source>
        <translation>the VQ2 through its driver</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>port %1 (%2)</source>
        <translation>port %1 (%2)</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>liaison avec la VQ2 perdue</source>
        <translation>link with the VQ2 lost</translation>
    </message>
</context>
<context>
    <name>LecteurAudio</name>
    <message>
        <location filename="../src/platform/LecteurAudio.cpp" line="+23"/>
        <source>Impossible de lire le fichier son (%1)</source>
        <translation>Cannot read the sound file (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Aucun périphérique MCI ouvert</source>
        <translation>No MCI device open</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Aucun fichier son à ouvrir</source>
        <translation>No sound file to open</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Le périphérique son refuse la lecture (%1)</source>
        <translation>The sound device refuses to play (%1)</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>La sortie son ne répond plus : la lecture s&apos;arrête.</source>
        <translation>The sound output no longer answers: playing stops.</translation>
    </message>
</context>
<context>
    <name>LecteurWav</name>
    <message>
        <location filename="../src/sound/EnveloppeWav.cpp" line="+51"/>
        <location filename="../src/sound/LecteurWav.cpp" line="+19"/>
        <source>Erreur de lecture : %1</source>
        <translation>Read error: %1</translation>
    </message>
    <message>
        <location filename="../src/sound/LecteurWav.cpp" line="+11"/>
        <source>Format incorrect : pas de bloc de données</source>
        <translation>Bad format: no data chunk</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Format incorrect : en-tête incomplet</source>
        <translation>Bad format: incomplete header</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Format non géré : %1 bits par échantillon</source>
        <translation>Unsupported format: %1 bits per sample</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+32"/>
        <source>Format incorrect : bloc de données vide</source>
        <translation>Bad format: empty data chunk</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Le début de l&apos;extrait est après la fin du son</source>
        <translation>The excerpt starts after the end of the sound</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <location filename="../src/app/LigneCommande.cpp" line="+52"/>
        <source>sampix : %1</source>
        <translation>sampix: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>décodeur MP3 non trouvé (libmpg123)</source>
        <translation>MP3 decoder not found (libmpg123)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>pas de dossier temporaire où décoder le son (%1)</source>
        <translation>no temporary folder to decode the sound in (%1)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>--debut %1 s est après la fin du son (%2 s)</source>
        <translation>--debut %1 s is after the end of the sound (%2 s)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>sampix : attention, %1 dépasse la capacité : seules %2 trames à partir de la trame %3 sont prises</source>
        <translation>sampix: warning, %1 exceeds the capacity: only %2 frames from frame %3 are taken</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>impossible d&apos;écrire %1 : %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>impossible d&apos;ouvrir %1 : %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
</context>
<context>
    <name>Melangeur</name>
    <message>
        <location filename="../src/platform/Melangeur.cpp" line="+15"/>
        <source>Aucun de ces mélangeurs de volume ne s&apos;est lancé : %1.
Installez-en un, pavucontrol par exemple.</source>
        <translation>None of these volume mixers started: %1.
Install one, pavucontrol for instance.</translation>
    </message>
</context>
<context>
    <name>OptionsLigneCommande</name>
    <message>
        <location filename="../src/app/OptionsLigneCommande.cpp" line="+47"/>
        <source>Utilisation :</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options :</source>
        <translation>Options:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Arguments :</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Sampix sans fenêtre : numérise un son sur B bits avec un pas d&apos;échantillonnage S,
écrit le son numérisé et, si on les demande, le son reconstruit et les images des vues et du
spectre (PNG ou SVG), puis affiche deux lignes :
  le RSB mesuré et le RSB théorique (suivis du RSB de la reconstruction quand on la demande),
  le débit et la taille du son numérisé.
Un son qui n&apos;est pas un WAV que Sampix lit tel quel (MP3, FLAC, Ogg, Opus, AIFF, WAV 24 bits...)
est décodé dans un dossier temporaire, effacé ensuite : rien n&apos;est écrit à côté du son.</source>
        <translation>Sampix without a window: digitises a sound with B bits and a sampling step S,
writes the digitised sound and, when asked, the reconstructed sound and the pictures of the
views and of the spectrum (PNG or SVG), then prints two lines:
  the measured SNR and the theoretical SNR (followed by the reconstruction&apos;s SNR when asked),
  the bit rate and the size of the digitised sound.
A sound that is not a WAV file Sampix reads as it is (MP3, FLAC, Ogg, Opus, AIFF, 24-bit WAV...)
is decoded into a temporary folder, removed afterwards: nothing is written beside the sound.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Affiche cette aide.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bits gardés, de 1 à 8 (8 par défaut).</source>
        <translation>Bits kept, from 1 to 8 (8 by default).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pas d&apos;échantillonnage : une valeur sur S, de 1 à 8 (1 par défaut).</source>
        <translation>Sampling step: one value in S, from 1 to 8 (1 by default).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loi de quantification : uniforme (par défaut), mu (loi µ) ou a (loi A) ; à 8 bits, les lois µ et A sont celles du téléphone (G.711).</source>
        <translation>Quantisation law: uniforme (uniform, the default), mu (µ-law) or a (A-law); at 8 bits, the µ-law and A-law are the telephone&apos;s (G.711).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ajoute avant la quantification un bruit triangulaire de ±1 pas de quantification (dither), le même à chaque fois.</source>
        <translation>Adds before quantisation a triangular noise of ±1 quantisation step (dither), the same every time.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pour un son plus long que ce que Sampix garde : début de l&apos;extrait, en secondes (0 par défaut).</source>
        <translation>For a sound longer than what Sampix keeps: start of the excerpt, in seconds (0 by default).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Le son numérisé, fichier WAV à écrire (obligatoire).</source>
        <translation>The digitised sound, WAV file to write (required).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Le son reconstruit (le son numérisé lissé par le filtre de reconstruction), fichier WAV à écrire.</source>
        <translation>The reconstructed sound (the digitised sound smoothed by the reconstruction filter), WAV file to write.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Image des deux vues à l&apos;ouverture du son (.png ou .svg).</source>
        <translation>Picture of the two views when the sound opens (.png or .svg).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image du spectre de tout le son et du son numérisé (.png ou .svg).</source>
        <translation>Picture of the spectrum of the whole sound and of the digitised sound (.png or .svg).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Le son à numériser : WAV, MP3, FLAC, Ogg Vorbis, Opus ou AIFF.</source>
        <translation>The sound to digitise: WAV, MP3, FLAC, Ogg Vorbis, Opus or AIFF.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>option inconnue : %1 (voir sampix --help)</source>
        <translation>unknown option: %1 (see sampix --help)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ligne de commande incorrecte (%1)</source>
        <translation>incorrect command line (%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--bits attend un nombre de 1 à 8, pas « %1 »</source>
        <translation>--bits expects a number from 1 to 8, not “%1”</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--pas attend un nombre de 1 à 8, pas « %1 »</source>
        <translation>--pas expects a number from 1 to 8, not “%1”</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--quantification attend uniforme, mu ou a, pas « %1 »</source>
        <translation>--quantification expects uniforme, mu or a, not “%1”</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--debut attend un nombre de secondes positif, pas « %1 »</source>
        <translation>--debut expects a positive number of seconds, not “%1”</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--sortie manque : le fichier WAV à écrire</source>
        <translation>--sortie is missing: the WAV file to write</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--reconstruction attend le nom du fichier WAV à écrire</source>
        <translation>--reconstruction expects the name of the WAV file to write</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>il faut un et un seul son à numériser (voir sampix --help)</source>
        <translation>one and only one sound to digitise is needed (see sampix --help)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--%1 : le nom doit finir par .png ou .svg (%2)</source>
        <translation>--%1: the name must end in .png or .svg (%2)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 servirait deux fois : le son et les fichiers écrits doivent être distincts</source>
        <translation>%1 would be used twice: the sound and the files written must be distinct</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <location filename="../web/noyau/TextesPage.cpp" line="+4"/>
        <source>Sampix montre, sur un vrai son, ce que font l&apos;échantillonnage et la quantification.</source>
        <translation>Sampix shows, on a real sound, what sampling and quantisation do.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commandes</source>
        <translation>Commands</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ouvrir un son : WAV, MP3, FLAC, Ogg ou Opus (Ctrl+O), ou déposez-le sur la page</source>
        <translation>Open a sound: WAV, MP3, FLAC, Ogg or Opus (Ctrl+O), or drop it on the page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enregistrer un son au microphone (Ctrl+R)</source>
        <translation>Record a sound from the microphone (Ctrl+R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enregistrer un son</source>
        <translation>Record a sound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arrêter l&apos;écoute, l&apos;enregistrement ou l&apos;animation (Échap)</source>
        <translation>Stop playing, recording or the animation (Esc)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Écouter le signal « analogique » (F5)</source>
        <translation>Listen to the “analogue” signal (F5)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jouer le son</source>
        <translation>Play the sound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Écouter le signal « échantillonné » (F6)</source>
        <translation>Listen to the “sampled” signal (F6)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jouer le son numérisé</source>
        <translation>Play the digitised sound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Écouter l&apos;erreur de quantification : son numérisé moins son (F9)</source>
        <translation>Listen to the quantisation error: digitised sound minus sound (F9)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jouer l&apos;erreur</source>
        <translation>Play the error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>en boucle</source>
        <translation>loop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enregistrer le son numérisé dans un fichier WAV (Ctrl+S)</source>
        <translation>Save the digitised sound to a WAV file (Ctrl+S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enregistrer le son numérisé</source>
        <translation>Save the digitised sound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animation de l&apos;échantillonnage (F7)</source>
        <translation>Animation of sampling (F7)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aide (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Binaire</source>
        <translation>Binary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nombre de bits</source>
        <translation>Number of bits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pas d&apos;échantillonnage</source>
        <translation>Sampling step</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vue d&apos;ensemble du son et sélection à écouter</source>
        <translation>Overview of the sound and selection to play</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vue détaillée</source>
        <translation>Detail view</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Défilement</source>
        <translation>Scrolling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clic sur le graphe pour positionner un curseur</source>
        <translation>Click on the graph to place a cursor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maj. clic pour lire une durée à partir du curseur précédent</source>
        <translation>Shift+click to read a duration from the previous cursor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Courbe d&apos;erreur sur la vue détaillée</source>
        <translation>Error curve on the detail view</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Décodage du son...</source>
        <translation>Decoding the sound...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enregistrement en cours... (Stop ou Échap pour finir)</source>
        <translation>Recording... (Stop or Esc to finish)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impossible d&apos;ouvrir le fichier
%1

%2</source>
        <translation>Cannot open the file
%1

%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le navigateur ne sait pas décoder ce son (%1).</source>
        <translation>The browser cannot decode this sound (%1).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impossible de sauver le fichier simulé
(%1)</source>
        <translation>Cannot save the simulated file
(%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pas d&apos;entrée son
(%1)</source>
        <translation>No sound input
(%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1-numerise.wav</source>
        <translation>%1-digitised.wav</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>son</source>
        <translation>sound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enregistrement.wav</source>
        <translation>Recording.wav</translation>
    </message>
</context>
<context>
    <name>PortSerie</name>
    <message>
        <location filename="../src/platform/PortSerie.cpp" line="+65"/>
        <source>Le port série %1 n&apos;existe pas.</source>
        <translation>Serial port %1 does not exist.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Le port série %1 (%2) existe, mais ce compte n&apos;a pas le droit de l&apos;ouvrir.
Ajoutez votre compte au groupe dialout (sudo adduser $USER dialout), puis fermez la session et ouvrez-la à nouveau.</source>
        <translation>Serial port %1 (%2) exists, but this account may not open it.
Add your account to the dialout group (sudo adduser $USER dialout), then log out and log in again.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Le port série %1 (%2) est occupé par un autre programme.
Fermez ce programme, puis recommencez.</source>
        <translation>Serial port %1 (%2) is in use by another program.
Close that program, then try again.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Impossible d&apos;ouvrir Le port série %1 (%2) : %3</source>
        <translation>Cannot open serial port %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>ProtocoleSerie</name>
    <message>
        <location filename="../src/acquisition/ProtocoleSerie.cpp" line="+34"/>
        <source>Velta %1 sur le port %2 (%3)</source>
        <translation>Velta %1 on port %2 (%3)</translation>
    </message>
</context>
<context>
    <name>ProtocoleVQ2</name>
    <message>
        <location filename="../src/acquisition/ProtocoleVQ2.cpp" line="+46"/>
        <source>Velta VQ2 par son pilote (%1)</source>
        <translation>Velta VQ2 through its driver (%1)</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../src/app/AboutBox.cpp" line="+22"/>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sampix : effet de l&apos;échantillonnage et de la numérisation sur un son</source>
        <translation>Sampix: what sampling and quantisation do to a sound</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Version %1 du %2</source>
        <translation>Version %1 of %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Utilise &lt;a href=&quot;https://www.qt.io&quot;&gt;Qt&lt;/a&gt;, &lt;a href=&quot;https://www.portaudio.com&quot;&gt;PortAudio&lt;/a&gt;, &lt;a href=&quot;https://libsndfile.github.io/libsndfile/&quot;&gt;libsndfile&lt;/a&gt;,&lt;br&gt;&lt;a href=&quot;https://www.mpg123.de&quot;&gt;libmpg123&lt;/a&gt; et &lt;a href=&quot;https://www.fftw.org&quot;&gt;FFTW&lt;/a&gt;&lt;br&gt;Logiciel libre : &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;licence GNU GPL 3 ou ultérieure&lt;/a&gt;</source>
        <translation>Uses &lt;a href=&quot;https://www.qt.io&quot;&gt;Qt&lt;/a&gt;, &lt;a href=&quot;https://www.portaudio.com&quot;&gt;PortAudio&lt;/a&gt;, &lt;a href=&quot;https://libsndfile.github.io/libsndfile/&quot;&gt;libsndfile&lt;/a&gt;,&lt;br&gt;&lt;a href=&quot;https://www.mpg123.de&quot;&gt;libmpg123&lt;/a&gt; and &lt;a href=&quot;https://www.fftw.org&quot;&gt;FFTW&lt;/a&gt;&lt;br&gt;Free software: &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU GPL 3 licence or later&lt;/a&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Version à jour</source>
        <translation>Latest version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Impossible d&apos;accéder à %1</source>
        <translation>Cannot reach %1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <location filename="../src/app/Application.cpp" line="+29"/>
        <source>fr</source>
        <comment>code of the interface&apos;s language</comment>
        <translation>en</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Erreur inattendue</source>
        <translation>Unexpected error</translation>
    </message>
</context>
<context>
    <name>TDialogueExtrait</name>
    <message>
        <location filename="../src/app/DialogueExtrait.cpp" line="+163"/>
        <source>Choisir l&apos;extrait</source>
        <translation>Choose the excerpt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>« %1 » dure %2 : seul un extrait de %3 peut être chargé. Faites glisser la bande ou tapez le début de l&apos;extrait.</source>
        <translation>“%1” lasts %2: only an excerpt of %3 can be loaded. Drag the band or type the start of the excerpt.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Minutes, secondes et dixièmes : mm:ss,d</source>
        <translation>Minutes, seconds and tenths: mm:ss.d</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Début :</source>
        <translation>&amp;Start:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Durée totale : %1</source>
        <translation>Total duration: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Fin : %1</source>
        <translation>End: %1</translation>
    </message>
</context>
<context>
    <name>TFenetreAide</name>
    <message>
        <location filename="../src/app/FenetreAide.cpp" line="+29"/>
        <source>Aide de Sampix</source>
        <translation>Sampix Help</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suivant</source>
        <translation>Forward</translation>
    </message>
</context>
<context>
    <name>TFenetreSpectre</name>
    <message>
        <location filename="../src/app/FenetreSpectre.cpp" line="+30"/>
        <source>Spectre</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Échelle des fréquences logarithmique</source>
        <translation>Logarithmic frequency scale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exporter l&apos;image…</source>
        <translation>Export the image…</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Images PNG (*.png);;Images SVG (*.svg)</source>
        <translation>PNG images (*.png);;SVG images (*.svg)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sampix : spectre</source>
        <translation>Sampix: spectrum</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Impossible d&apos;exporter l&apos;image
%1</source>
        <translation>Cannot export the image
%1</translation>
    </message>
</context>
<context>
    <name>TOptionsDlg</name>
    <message>
        <location filename="../src/app/OptionsDlg.cpp" line="+21"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Analogique</source>
        <translation>Analogue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Numérique</source>
        <translation>Digital</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Niveau</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reconstruction</source>
        <translation>Reconstruction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Courbe d&apos;erreur sur la vue détaillée</source>
        <translation>Error curve on the detail view</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Langue :</source>
        <translation>Language:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Selon le système</source>
        <translation>System&apos;s language</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La langue change au prochain démarrage.</source>
        <translation>The language changes at the next start.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
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
        <location filename="../src/app/WaveFormConvertisseur.cpp" line="+25"/>
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
        <location line="+56"/>
        <source>Impossible d&apos;écrire le son reconstruit</source>
        <translation>Cannot write the reconstructed sound</translation>
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
        <location line="+41"/>
        <source>Mode direct impossible : Pas d&apos;entrée son utilisable</source>
        <translation>Live mode impossible: no usable sound input</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Mode direct impossible : %1</source>
        <translation>Live mode impossible: %1</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>L&apos;entrée son ne répond plus : le mode direct s&apos;arrête.</source>
        <translation>The sound input no longer answers: the live mode stops.</translation>
    </message>
    <message>
        <location filename="../src/app/WaveFormLecon.cpp" line="+31"/>
        <source>Images PNG (*.png);;Images SVG (*.svg)</source>
        <translation>PNG images (*.png);;SVG images (*.svg)</translation>
    </message>
    <message>
        <location line="+9"/>
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
    <message>
        <location line="+36"/>
        <source>Impossible d&apos;écrire le signal d&apos;erreur</source>
        <translation>Cannot write the error signal</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Sampix : vues</source>
        <translation>Sampix: views</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Impossible d&apos;exporter l&apos;image
%1</source>
        <translation>Cannot export the image
%1</translation>
    </message>
    <message>
        <location filename="../src/app/WaveForm.h" line="+54"/>
        <source>Tracson janvier 2014 version Dedariv et carte son</source>
        <translation>Tracson January 2014, Dedariv version, with sound card</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tracson pour VX2 VQ</source>
        <translation>Tracson for VX2 VQ</translation>
    </message>
    <message>
        <location filename="../src/app/WaveFormEnregistrement.cpp" line="+38"/>
        <location filename="../src/app/WaveFormEntrees.cpp" line="+38"/>
        <location line="+13"/>
        <source>Pas d&apos;entrée son utilisable</source>
        <translation>No usable sound input</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enregistrement impossible : %1</source>
        <translation>Recording impossible: %1</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Impossible d&apos;enregistrer dans %1
(%2)</source>
        <translation>Cannot record into %1
(%2)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Durée maximale atteinte : l&apos;enregistrement s&apos;arrête là. Cliquez sur Stop pour le garder.</source>
        <translation>Maximum duration reached: the recording stops here. Click Stop to keep it.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>L&apos;entrée son ne répond plus : l&apos;enregistrement s&apos;arrête là. Cliquez sur Stop pour le garder.</source>
        <translation>The sound input no longer answers: the recording stops here. Click Stop to keep it.</translation>
    </message>
    <message>
        <location filename="../src/app/WaveFormEntrees.cpp" line="-20"/>
        <source>Pas d&apos;entrée son</source>
        <translation>No sound input</translation>
    </message>
    <message>
        <location filename="../src/app/WaveFormFichiers.cpp" line="+50"/>
        <source>Fichiers sons (%1);;Fichiers WAV (%2);;Fichiers MP3 (%3);;FLAC, Ogg, Opus, AIFF (%4);;Tous les fichiers (*)</source>
        <translation>Sound files (%1);;WAV files (%2);;MP3 files (%3);;FLAC, Ogg, Opus, AIFF (%4);;All files (*)</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Décodeur MP3 non trouvé (libmpg123)</source>
        <translation>MP3 decoder not found (libmpg123)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Fichier introuvable :
%1</source>
        <translation>File not found:
%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+39"/>
        <source>Impossible d&apos;ouvrir le fichier
%1

%2</source>
        <translation>Cannot open the file
%1

%2</translation>
    </message>
    <message>
        <location line="-17"/>
        <source> (extrait à partir de </source>
        <translation> (excerpt from </translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Son numérisé WAV (*.wav *.WAV)</source>
        <translation>Digitised WAV sound (*.wav *.WAV)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Impossible de sauver le fichier simulé
%1
(%2)</source>
        <translation>Cannot save the simulated file
%1
(%2)</translation>
    </message>
    <message>
        <location filename="../src/app/WaveFormImport.cpp" line="+22"/>
        <source>Ouverture du fichier ...</source>
        <translation>Opening the file ...</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+42"/>
        <source>Conversion : %1%</source>
        <translation>Conversion: %1%</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Impossible de convertir le fichier
%1

%2</source>
        <translation>Cannot convert the file
%1

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Conversion terminée</source>
        <translation>Conversion finished</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>La fin du fichier
%1
est endommagée (le fichier a été coupé) : le son converti s&apos;arrête à %2 s.</source>
        <translation>The end of the file
%1
is damaged (the file was cut): the converted sound stops at %2 s.</translation>
    </message>
    <message>
        <location filename="../src/app/WaveFormInterfaces.cpp" line="+34"/>
        <source>Aucune interface VELTA trouvée
%1</source>
        <translation>No VELTA interface found
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aucun port série sur cet ordinateur.</source>
        <translation>No serial port on this computer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Essayé : %1.</source>
        <translation>Tried: %1.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>La liaison avec l&apos;interface s&apos;est interrompue (%1).
%2</source>
        <translation>The link with the interface broke off (%1).
%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Les %1 échantillons reçus sont gardés.</source>
        <translation>The %1 samples received are kept.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 échantillons reçus : trop peu pour être gardés.</source>
        <translation>%1 samples received: too few to be kept.</translation>
    </message>
    <message>
        <location filename="../src/app/WaveFormOptions.cpp" line="+81"/>
        <source>Impossible

%1</source>
        <translation>Impossible

%1</translation>
    </message>
</context>
<context>
    <name>TboiteCouleur</name>
    <message>
        <location filename="../src/app/BoiteCouleur.cpp" line="+19"/>
        <source>Noir</source>
        <translation>Black</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bordeaux</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vert</source>
        <translation>Green</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bleu marine</source>
        <translation>Navy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Violet</source>
        <translation>Purple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sarcelle</source>
        <translation>Teal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gris</source>
        <translation>Grey</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Argent</source>
        <translation>Silver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rouge</source>
        <translation>Red</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Citron vert</source>
        <translation>Lime</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jaune</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bleu</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyan</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blanc</source>
        <translation>White</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vert monnaie</source>
        <translation>Money green</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bleu ciel</source>
        <translation>Sky blue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crème</source>
        <translation>Cream</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gris moyen</source>
        <translation>Medium grey</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Personnaliser...</source>
        <translation>Custom...</translation>
    </message>
</context>
</TS>
