<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Vantorel</name>
    <message>
        <source> Additional Options </source>
        <translation> Weitere Optionen </translation>
    </message>
    <message>
        <source> Audio Settings </source>
        <translation> Audio-Einstellungen </translation>
    </message>
    <message>
        <source> General Settings </source>
        <translation> Allgemeine Einstellungen </translation>
    </message>
    <message>
        <source> Video Settings </source>
        <translation> Video-Einstellungen </translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Umwandeln</translation>
    </message>
    <message>
        <source>&amp;Convert Now !</source>
        <translation>&amp;Umwandeln!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Set Additional Options</source>
        <translation>&amp;Weitere Optionen festlegen</translation>
    </message>
    <message>
        <source>&amp;Stop Convert</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>&amp;Visit Kelvry Website</source>
        <translation>Kelvry-&amp;Website besuchen</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>100% is the original video volume</source>
        <translation>100 % ist die ursprüngliche Lautstärke des Videos</translation>
    </message>
    <message>
        <source>A required file is missing!
Please re-install this software</source>
        <translation>Eine benötigte Datei fehlt!
Bitte installieren Sie dieses Programm neu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Add a letterbox to keep video aspect ratio</source>
        <translation>Balken hinzufügen, um das Seitenverhältnis zu erhalten</translation>
    </message>
    <message>
        <source>Additional Options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>All Conversion Jobs Done!</source>
        <translation>Alle Umwandlungen abgeschlossen!</translation>
    </message>
    <message>
        <source>Analyzing Video File.......Please Wait.</source>
        <translation>Videodatei wird analysiert … Bitte warten.</translation>
    </message>
    <message>
        <source>Analyzing Video Files</source>
        <translation>Videodateien werden analysiert</translation>
    </message>
    <message>
        <source>Audio Bitrate :</source>
        <translation>Audio-Bitrate:</translation>
    </message>
    <message>
        <source>Audio Channels :</source>
        <translation>Audiokanäle:</translation>
    </message>
    <message>
        <source>Audio Codec : </source>
        <translation>Audio-Codec: </translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Auto cuts off the black bars a film carries in its frame</source>
        <translation>Auto schneidet die schwarzen Balken ab, die ein Film in seinem Bild trägt</translation>
    </message>
    <message>
        <source>C&amp;lear All </source>
        <translation>&amp;Alle entfernen </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Check All Items</source>
        <translation>Alle Einträge &amp;ankreuzen</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Choose the required output directory below :</source>
        <translation>Wählen Sie unten den gewünschten Ausgabeordner:</translation>
    </message>
    <message>
        <source>C&amp;lear All Items</source>
        <translation>A&amp;lle Einträge entfernen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Contact Support Department</source>
        <translation>Kundendienst kontaktieren</translation>
    </message>
    <message>
        <source>Conversion Log</source>
        <translation>Umwandlungsprotokoll</translation>
    </message>
    <message>
        <source>Convert up to</source>
        <translation>Bis zu</translation>
    </message>
    <message>
        <source>Crop : </source>
        <translation>Zuschnitt: </translation>
    </message>
    <message>
        <source>Do Not Turn Off</source>
        <translation>Nicht ausschalten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Fail to create directory. Please choose a different directory 
&#xd;and give the directory a new name</source>
        <translation>Der Ordner kann nicht angelegt werden. Bitte wählen Sie einen anderen Ordner 
&#xd;und geben Sie ihm einen neuen Namen</translation>
    </message>
    <message>
        <source>H.265, AV1 and VP9 keep an HDR source as HDR, or tone-map it to SDR</source>
        <translation>H.265, AV1 und VP9 behalten eine HDR-Quelle als HDR oder wandeln sie in SDR um</translation>
    </message>
    <message>
        <source>HDR Video : </source>
        <translation>HDR-Video: </translation>
    </message>
    <message>
        <source>files at the same time</source>
        <translation>Dateien gleichzeitig umwandeln</translation>
    </message>
    <message>
        <source>FrameRate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Mute Audio :</source>
        <translation>Ton aus:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open &amp;Help File</source>
        <translation>&amp;Hilfedatei öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Output Folder</source>
        <translation>&amp;Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Output Directory : </source>
        <translation>Ausgabeordner: </translation>
    </message>
    <message>
        <source>Output Format : </source>
        <translation>Ausgabeformat: </translation>
    </message>
    <message>
        <source>Overwrite Existing File With The Same Name</source>
        <translation>Vorhandene Datei gleichen Namens überschreiben</translation>
    </message>
    <message>
        <source>Please check the checkbox of the file you want to convert!</source>
        <translation>Bitte kreuzen Sie die Dateien an, die umgewandelt werden sollen!</translation>
    </message>
    <message>
        <source>Power off after the batch</source>
        <translation>Nach dem Stapel ausschalten</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Item</source>
        <translation>Ausgewählten Eintrag &amp;entfernen</translation>
    </message>
    <message>
        <source>Loudness : </source>
        <translation>Lautheit: </translation>
    </message>
    <message>
        <source>Brings every output to one loudness (EBU R128) with one gain, keeping the dynamics; Off: the Volume slider applies</source>
        <translation>Bringt jede Ausgabe mit einer Verstärkung auf eine Lautheit (EBU R128), die Dynamik bleibt; Aus: der Lautstärkeregler gilt</translation>
    </message>
    <message>
        <source>Sampling Rate : </source>
        <translation>Abtastrate: </translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Shut Down Computer After All Conversion Jobs Are Done </source>
        <translation>Computer nach allen Umwandlungen herunterfahren </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop all the file conversions?</source>
        <translation>Alle Umwandlungen stoppen?</translation>
    </message>
    <message>
        <source>There is no file to convert!</source>
        <translation>Es gibt keine Datei zum Umwandeln!</translation>
    </message>
    <message>
        <source>&amp;Uncheck All Items</source>
        <translation>Alle &amp;Häkchen entfernen</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Video Bitrate : </source>
        <translation>Video-Bitrate: </translation>
    </message>
    <message>
        <source>Video Codec : </source>
        <translation>Video-Codec: </translation>
    </message>
    <message>
        <source>Video File Name</source>
        <translation>Videodatei</translation>
    </message>
    <message>
        <source>Video Framerate : </source>
        <translation>Bildrate: </translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>Video Size : </source>
        <translation>Videogröße: </translation>
    </message>
    <message>
        <source>Video Zoom : </source>
        <translation>Video-Zoom: </translation>
    </message>
    <message>
        <source>Visit Kelvry Website  for More Softwares </source>
        <translation>Besuchen Sie die Kelvry-Website für weitere Programme </translation>
    </message>
    <message>
        <source>Volume : </source>
        <translation>Lautstärke: </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Your computer will automatically shutdown without warning
after all conversion jobs are completed. Do you want to continue?</source>
        <translation>Ihr Computer wird nach Abschluss aller Umwandlungen ohne Warnung
automatisch heruntergefahren. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Your PC will be turned off in 30 seconds</source>
        <translation>Ihr PC wird in 30 Sekunden ausgeschaltet</translation>
    </message>
</context>
</TS>
