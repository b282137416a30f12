<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Vantorel</name>
    <message>
        <source> Additional Options </source>
        <translation> Options supplémentaires </translation>
    </message>
    <message>
        <source> Audio Settings </source>
        <translation> Réglages audio </translation>
    </message>
    <message>
        <source> General Settings </source>
        <translation> Réglages généraux </translation>
    </message>
    <message>
        <source> Video Settings </source>
        <translation> Réglages vidéo </translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>&amp;Convert Now !</source>
        <translation>&amp;Convertir !</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Set Additional Options</source>
        <translation>&amp;Définir les options supplémentaires</translation>
    </message>
    <message>
        <source>&amp;Stop Convert</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Visit Kelvry Website</source>
        <translation>&amp;Visiter le site de Kelvry</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>100% is the original video volume</source>
        <translation>100 % est le volume d’origine de la vidéo</translation>
    </message>
    <message>
        <source>A required file is missing!
Please re-install this software</source>
        <translation>Un fichier nécessaire est manquant !
Veuillez réinstaller ce logiciel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Add a letterbox to keep video aspect ratio</source>
        <translation>Ajouter des bandes pour garder les proportions de l’image</translation>
    </message>
    <message>
        <source>Additional Options</source>
        <translation>Options supplémentaires</translation>
    </message>
    <message>
        <source>All Conversion Jobs Done!</source>
        <translation>Toutes les conversions sont terminées !</translation>
    </message>
    <message>
        <source>Analyzing Video File.......Please Wait.</source>
        <translation>Analyse du fichier vidéo… Veuillez patienter.</translation>
    </message>
    <message>
        <source>Analyzing Video Files</source>
        <translation>Analyse des fichiers vidéo</translation>
    </message>
    <message>
        <source>Audio Bitrate :</source>
        <translation>Débit audio :</translation>
    </message>
    <message>
        <source>Audio Channels :</source>
        <translation>Canaux audio :</translation>
    </message>
    <message>
        <source>Audio Codec : </source>
        <translation>Codec audio : </translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto cuts off the black bars a film carries in its frame</source>
        <translation>Auto retire les bandes noires qu’un film porte dans son image</translation>
    </message>
    <message>
        <source>C&amp;lear All </source>
        <translation>&amp;Tout effacer </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Check All Items</source>
        <translation>&amp;Cocher tous les éléments</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Choose the required output directory below :</source>
        <translation>Choisissez ci-dessous le dossier de sortie :</translation>
    </message>
    <message>
        <source>C&amp;lear All Items</source>
        <translation>&amp;Effacer tous les éléments</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Contact Support Department</source>
        <translation>Contacter le support</translation>
    </message>
    <message>
        <source>Conversion Log</source>
        <translation>Journal de conversion</translation>
    </message>
    <message>
        <source>Convert up to</source>
        <translation>Convertir jusqu’à</translation>
    </message>
    <message>
        <source>Crop : </source>
        <translation>Recadrage : </translation>
    </message>
    <message>
        <source>Do Not Turn Off</source>
        <translation>Ne pas éteindre</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Fail to create directory. Please choose a different directory 
&#xd;and give the directory a new name</source>
        <translation>Impossible de créer le dossier. Veuillez choisir un autre dossier 
&#xd;et lui donner un nouveau nom</translation>
    </message>
    <message>
        <source>H.265, AV1 and VP9 keep an HDR source as HDR, or tone-map it to SDR</source>
        <translation>H.265, AV1 et VP9 gardent une source HDR en HDR, ou la convertissent en SDR</translation>
    </message>
    <message>
        <source>HDR Video : </source>
        <translation>Vidéo HDR : </translation>
    </message>
    <message>
        <source>files at the same time</source>
        <translation>fichiers à la fois</translation>
    </message>
    <message>
        <source>FrameRate</source>
        <translation>Images/s</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Mute Audio :</source>
        <translation>Couper le son :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open &amp;Help File</source>
        <translation>Ouvrir l’&amp;aide</translation>
    </message>
    <message>
        <source>Open &amp;Output Folder</source>
        <translation>Ouvrir le &amp;dossier de sortie</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Output Directory : </source>
        <translation>Dossier de sortie : </translation>
    </message>
    <message>
        <source>Output Format : </source>
        <translation>Format de sortie : </translation>
    </message>
    <message>
        <source>Overwrite Existing File With The Same Name</source>
        <translation>Écraser le fichier existant du même nom</translation>
    </message>
    <message>
        <source>Please check the checkbox of the file you want to convert!</source>
        <translation>Veuillez cocher les fichiers à convertir !</translation>
    </message>
    <message>
        <source>Power off after the batch</source>
        <translation>Éteindre après le lot</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Item</source>
        <translation>&amp;Retirer l’élément sélectionné</translation>
    </message>
    <message>
        <source>Loudness : </source>
        <translation>Sonie : </translation>
    </message>
    <message>
        <source>Brings every output to one loudness (EBU R128) with one gain, keeping the dynamics; Off: the Volume slider applies</source>
        <translation>Amène chaque sortie à une même sonie (EBU R128) par un seul gain, dynamique conservée ; Off : le curseur Volume s’applique</translation>
    </message>
    <message>
        <source>Sampling Rate : </source>
        <translation>Fréquence : </translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Shut Down Computer After All Conversion Jobs Are Done </source>
        <translation>Éteindre l’ordinateur une fois toutes les conversions terminées </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Stop all the file conversions?</source>
        <translation>Arrêter toutes les conversions ?</translation>
    </message>
    <message>
        <source>There is no file to convert!</source>
        <translation>Il n’y a aucun fichier à convertir !</translation>
    </message>
    <message>
        <source>&amp;Uncheck All Items</source>
        <translation>&amp;Décocher tous les éléments</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Video Bitrate : </source>
        <translation>Débit vidéo : </translation>
    </message>
    <message>
        <source>Video Codec : </source>
        <translation>Codec vidéo : </translation>
    </message>
    <message>
        <source>Video File Name</source>
        <translation>Fichier vidéo</translation>
    </message>
    <message>
        <source>Video Framerate : </source>
        <translation>Images/s : </translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille vidéo</translation>
    </message>
    <message>
        <source>Video Size : </source>
        <translation>Taille vidéo : </translation>
    </message>
    <message>
        <source>Video Zoom : </source>
        <translation>Zoom vidéo : </translation>
    </message>
    <message>
        <source>Visit Kelvry Website  for More Softwares </source>
        <translation>Visitez le site de Kelvry pour d’autres logiciels </translation>
    </message>
    <message>
        <source>Volume : </source>
        <translation>Volume : </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Your computer will automatically shutdown without warning
after all conversion jobs are completed. Do you want to continue?</source>
        <translation>Votre ordinateur s’éteindra automatiquement sans avertissement
une fois toutes les conversions terminées. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Your PC will be turned off in 30 seconds</source>
        <translation>Votre PC sera éteint dans 30 secondes</translation>
    </message>
</context>
</TS>
