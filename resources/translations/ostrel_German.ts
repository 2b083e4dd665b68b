<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BiaoDing</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>T-AD</source>
        <translation>T-AD</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
</context>
<context>
    <name>BrightDialog</name>
    <message>
        <source>Bright</source>
        <translation>Helligkeit</translation>
    </message>
</context>
<context>
    <name>CalibInterface</name>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>IR Core</source>
        <translation>IR Core</translation>
    </message>
    <message>
        <source>P/N</source>
        <translation>P/N</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mix</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Engine Set Dialog</source>
        <translation>Engine Set Dialog</translation>
    </message>
</context>
<context>
    <name>CalibPage</name>
    <message>
        <source>Start Calib</source>
        <translation>Start Calib</translation>
    </message>
    <message>
        <source>Manual Dead Point</source>
        <translation>Manual Dead Point</translation>
    </message>
</context>
<context>
    <name>CustomPaletteStore</name>
    <message>
        <source>Cannot save the palettes!</source>
        <translation>Paletten nicht gespeichert!</translation>
    </message>
</context>
<context>
    <name>DevChipPage</name>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>5 second</source>
        <translation>5 second</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Pw-Start</source>
        <translation>Pw-Start</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
</context>
<context>
    <name>DevVersionPage</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>EAlarmSetup</name>
    <message>
        <source>Alarm Setting</source>
        <translation>Alarmeinstellung</translation>
    </message>
    <message>
        <source>Spot 1</source>
        <translation>Punkt 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Punkt 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Punkt 3</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Unter</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Temp.:</translation>
    </message>
</context>
<context>
    <name>EAnalysisSetup</name>
    <message>
        <source>Measure Setting</source>
        <translation>Messeinstellung</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Objektiv:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>Env:</source>
        <translation>Umgeb.:</translation>
    </message>
    <message>
        <source>Humid:</source>
        <translation>Feuchte:</translation>
    </message>
    <message>
        <source>Ref:</source>
        <translation>Refl.:</translation>
    </message>
    <message>
        <source>Changing Temp Range!</source>
        <translation>Messbereich wechselt!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Fehler in Kalibrierdatei!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Fehler in Korrekturdatei!</translation>
    </message>
</context>
<context>
    <name>EAreaMode</name>
    <message>
        <source> Max</source>
        <translation> Max</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> Min</translation>
    </message>
    <message>
        <source> Averg</source>
        <translation> Mittel</translation>
    </message>
    <message>
        <source>Area %1 Mode</source>
        <translation>Modus Fläche %1</translation>
    </message>
</context>
<context>
    <name>EAreaSetup</name>
    <message>
        <source>Area 1 Setting</source>
        <translation>Fläche 1 Einst.</translation>
    </message>
    <message>
        <source>Area %1 Setting</source>
        <translation>Fläche %1 Einst.</translation>
    </message>
</context>
<context>
    <name>EAreaTab</name>
    <message>
        <source>Area 1</source>
        <translation>Fläche 1</translation>
    </message>
    <message>
        <source>Area 2</source>
        <translation>Fläche 2</translation>
    </message>
    <message>
        <source>Area 3</source>
        <translation>Fläche 3</translation>
    </message>
</context>
<context>
    <name>EAreaWidget</name>
    <message>
        <source>A%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>Ø:</translation>
    </message>
</context>
<context>
    <name>EBattery</name>
    <message>
        <source>No Lens!</source>
        <translation>Kein Objektiv!</translation>
    </message>
    <message>
        <source>Calibration file error!</source>
        <translation>Fehler in Kalibrierdatei!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Fehler in Korrekturdatei!</translation>
    </message>
</context>
<context>
    <name>ECloseScreenDialog</name>
    <message>
        <source>Screen Off</source>
        <translation>Bildschirm aus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 Minute</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 Minuten</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 Minuten</translation>
    </message>
</context>
<context>
    <name>EColorDialog</name>
    <message>
        <source>Current Color:</source>
        <translation>Aktuelle Farbe:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rot:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Grün:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blau:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Min. Value:</source>
        <translation>Min.-Wert:</translation>
    </message>
    <message>
        <source>Max. Value:</source>
        <translation>Max.-Wert:</translation>
    </message>
</context>
<context>
    <name>ECustomMenu</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
</context>
<context>
    <name>ECustomPalette</name>
    <message>
        <source>Custom Palette</source>
        <translation>Benutzerpalette</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>„%1“ entfernen?</translation>
    </message>
    <message>
        <source>The palette could not be set!</source>
        <translation>Palette nicht übernommen!</translation>
    </message>
</context>
<context>
    <name>EDialogTitle</name>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>EDiffSetup</name>
    <message>
        <source>Diff %1 Setting</source>
        <translation>Diff. %1 Einst.</translation>
    </message>
</context>
<context>
    <name>EDiffTab</name>
    <message>
        <source>Diff 1</source>
        <translation>Diff. 1</translation>
    </message>
    <message>
        <source>Diff 2</source>
        <translation>Diff. 2</translation>
    </message>
</context>
<context>
    <name>EGeneralPage</name>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Präzision</translation>
    </message>
    <message>
        <source>Temp Unit</source>
        <translation>Temp.-Einheit</translation>
    </message>
    <message>
        <source>Len Unit</source>
        <translation>Längeneinheit</translation>
    </message>
    <message>
        <source>1 decimal</source>
        <translation>0,1</translation>
    </message>
    <message>
        <source>2 decimals</source>
        <translation>0,01</translation>
    </message>
</context>
<context>
    <name>EGraphicsView</name>
    <message>
        <source>Calibration file error!</source>
        <translation>Fehler in Kalibrierdatei!</translation>
    </message>
    <message>
        <source>Modify file error!</source>
        <translation>Fehler in Korrekturdatei!</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source> M </source>
        <translation> M </translation>
    </message>
    <message>
        <source> HG </source>
        <translation> HG </translation>
    </message>
    <message>
        <source>Calibrating...</source>
        <translation>Kalibrierung...</translation>
    </message>
    <message>
        <source>Lack of space</source>
        <translation>Zu wenig Speicherplatz</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Automatic Camera</source>
        <translation>Automatische Aufnahme</translation>
    </message>
</context>
<context>
    <name>EGraphicsViewPrivate</name>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
</context>
<context>
    <name>EISOSetup</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Trans</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Unter</translation>
    </message>
    <message>
        <source>Inter</source>
        <translation>Zwischen</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>ISO Setting</source>
        <translation>Isotherme Einst.</translation>
    </message>
    <message>
        <source>IsoMax:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>IsoMin:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
</context>
<context>
    <name>EImageMode</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Anpassen</translation>
    </message>
</context>
<context>
    <name>EImagePalette</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdef.</translation>
    </message>
    <message>
        <source>Standard *</source>
        <translation>Standard *</translation>
    </message>
    <message>
        <source>Custom *</source>
        <translation>Benutzerdef. *</translation>
    </message>
</context>
<context>
    <name>EImagePip</name>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>IR_PIPE_VIS</source>
        <translation>VIS in IR</translation>
    </message>
    <message>
        <source>VIS_PIPE_IR</source>
        <translation>IR in VIS</translation>
    </message>
    <message>
        <source>IR_MIX_VIS</source>
        <translation>IR über VIS</translation>
    </message>
    <message>
        <source>VIS_MIX_IR</source>
        <translation>VIS über IR</translation>
    </message>
    <message>
        <source>Position: TL</source>
        <translation>Pos.: o.l.</translation>
    </message>
    <message>
        <source>Position: BL</source>
        <translation>Pos.: u.l.</translation>
    </message>
    <message>
        <source>Position: BR</source>
        <translation>Pos.: u.r.</translation>
    </message>
    <message>
        <source>Position: TR</source>
        <translation>Pos.: o.r.</translation>
    </message>
    <message>
        <source>Size: Half</source>
        <translation>Größe: Halb</translation>
    </message>
    <message>
        <source>Size: Full</source>
        <translation>Größe: Voll</translation>
    </message>
    <message>
        <source>Pos:TopLeft</source>
        <translation>Pos.: o.l.</translation>
    </message>
    <message>
        <source>Per: </source>
        <translation>Anteil: </translation>
    </message>
</context>
<context>
    <name>EImageSettingTab</name>
    <message>
        <source>ISO</source>
        <translation>Isotherme</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Einblendungen aus</translation>
    </message>
</context>
<context>
    <name>EInfoPage</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>SDCard</source>
        <translation>SD-Karte</translation>
    </message>
</context>
<context>
    <name>ELanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>ELineMode</name>
    <message>
        <source>Row:</source>
        <translation>Zeile:</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Spalte:</translation>
    </message>
    <message>
        <source>Hor Line</source>
        <translation>H-Linie</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>V-Linie</translation>
    </message>
</context>
<context>
    <name>ELineSetup</name>
    <message>
        <source>Line Setting</source>
        <translation>Linieneinstellung</translation>
    </message>
    <message>
        <source>Hor Line Setting</source>
        <translation>H-Linie Einst.</translation>
    </message>
    <message>
        <source>Ver Line Setting</source>
        <translation>V-Linie Einst.</translation>
    </message>
</context>
<context>
    <name>ELineTab</name>
    <message>
        <source>Hor Line</source>
        <translation>H-Linie</translation>
    </message>
    <message>
        <source>Ver Line</source>
        <translation>V-Linie</translation>
    </message>
</context>
<context>
    <name>ELineWidget</name>
    <message>
        <source>L%1:%2</source>
        <translation>L%1:%2</translation>
    </message>
</context>
<context>
    <name>EListItems</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Datum &amp; Zeit</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>EMainInterface</name>
    <message>
        <source>Measure</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiederg.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einst.</translation>
    </message>
</context>
<context>
    <name>EMiscPage</name>
    <message>
        <source>Misc</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Screen Off</source>
        <translation>Bildschirm aus</translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation>Auto-Verschl.</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Autom. Aus</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 min</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 min</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 min</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 min</translation>
    </message>
</context>
<context>
    <name>EObjectSetup</name>
    <message>
        <source>use global para</source>
        <translation>Globale Parameter nutzen</translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emiss.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
</context>
<context>
    <name>EParaSetup</name>
    <message>
        <source>Global Para</source>
        <translation>Globale Parameter</translation>
    </message>
    <message>
        <source>Reset Para </source>
        <translation>Zurücksetzen </translation>
    </message>
    <message>
        <source>Emiss:</source>
        <translation>Emiss.:</translation>
    </message>
    <message>
        <source>Distan:</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>Reset all measure para to 
 factory para?</source>
        <translation>Alle Messparameter auf 
 Werkseinstellung zurücksetzen?</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Speichern fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>EPhotosPage</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Intervall</translation>
    </message>
</context>
<context>
    <name>ESettingTab</name>
    <message>
        <source>Global Para</source>
        <translation>Globale Parameter</translation>
    </message>
    <message>
        <source>Measure Setting</source>
        <translation>Messeinstellung</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
</context>
<context>
    <name>EShowModifyDialog</name>
    <message>
        <source>Prev</source>
        <translation>Prev</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>EShutdownDialog</name>
    <message>
        <source>Power Off</source>
        <translation>Autom. Aus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source> 5 minutes</source>
        <translation> 5 Minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
</context>
<context>
    <name>EShutterDialog</name>
    <message>
        <source>Auto Shutter</source>
        <translation>Auto-Verschluss</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 Sekunden</translation>
    </message>
    <message>
        <source> 1 minutes</source>
        <translation> 1 Minute</translation>
    </message>
    <message>
        <source> 2 minutes</source>
        <translation> 2 Minuten</translation>
    </message>
</context>
<context>
    <name>ESpotMode</name>
    <message>
        <source> Manual</source>
        <translation> Manuell</translation>
    </message>
    <message>
        <source> Max</source>
        <translation> Max</translation>
    </message>
    <message>
        <source> Min</source>
        <translation> Min</translation>
    </message>
    <message>
        <source>Spot %1 Mode</source>
        <translation>Modus Punkt %1</translation>
    </message>
</context>
<context>
    <name>ESpotSetup</name>
    <message>
        <source>Spot Setting</source>
        <translation>Punkteinstellung</translation>
    </message>
    <message>
        <source>Spot %1 Setting</source>
        <translation>Punkt %1 Einst.</translation>
    </message>
</context>
<context>
    <name>ESpotTab</name>
    <message>
        <source>Spot 1</source>
        <translation>Punkt 1</translation>
    </message>
    <message>
        <source>Spot 2</source>
        <translation>Punkt 2</translation>
    </message>
    <message>
        <source>Spot 3</source>
        <translation>Punkt 3</translation>
    </message>
</context>
<context>
    <name>ESpotWidget</name>
    <message>
        <source>P%1:%2</source>
        <translation>P%1:%2</translation>
    </message>
</context>
<context>
    <name>EStandardPalette</name>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>GreyInverted</source>
        <translation>Grau invers</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Blue_Red</source>
        <translation>Blau-Rot</translation>
    </message>
    <message>
        <source>Hot_Cold</source>
        <translation>Heiß-Kalt</translation>
    </message>
    <message>
        <source>Feather</source>
        <translation>Feder</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medizin</translation>
    </message>
    <message>
        <source>Standard Palette</source>
        <translation>Standardpalette</translation>
    </message>
</context>
<context>
    <name>EmifTestPage</name>
    <message>
        <source>EMIF Test</source>
        <translation>EMIF Test</translation>
    </message>
</context>
<context>
    <name>EmissTable</name>
    <message>
        <source>Select Material</source>
        <translation>Material wählen</translation>
    </message>
</context>
<context>
    <name>IRCoreListItem</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Two Calib</source>
        <translation>Two Calib</translation>
    </message>
    <message>
        <source>Para Setting</source>
        <translation>Para Setting</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
</context>
<context>
    <name>MainBiaoDing</name>
    <message>
        <source>CalibInfo </source>
        <translation>CalibInfo </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>SetBg</source>
        <translation>SetBg</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not below %3 at %4. The table is unchanged.</source>
        <translation>Abgelehnt: AD %1 bei %2 liegt nicht unter %3 bei %4. Die Tabelle bleibt unverändert.</translation>
    </message>
    <message>
        <source>Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.</source>
        <translation>Abgelehnt: AD %1 bei %2 liegt nicht über %3 bei %4. Die Tabelle bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>ParaBackupPage</name>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
</context>
<context>
    <name>PhotoMessageBox</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete image?</source>
        <translation>Bild löschen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
</context>
<context>
    <name>PhotoTimeDialog</name>
    <message>
        <source>Photo Time</source>
        <translation>Fotointervall</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
</context>
<context>
    <name>PhotosView</name>
    <message>
        <source>The voice note is too long to be played.</source>
        <translation>Die Sprachnotiz ist zu lang zum Abspielen.</translation>
    </message>
</context>
<context>
    <name>ProductInfoWidget</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>ScreenDirectory</name>
    <message>
        <source>No sd card</source>
        <translation>Keine SD-Karte</translation>
    </message>
    <message>
        <source>This directory is empty</source>
        <translation>Ordner ist leer</translation>
    </message>
</context>
<context>
    <name>SetListItem</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Calib</source>
        <translation>Calib</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Bak</source>
        <translation>Bak</translation>
    </message>
</context>
<context>
    <name>SettingsSync</name>
    <message>
        <source>Settings not stored!</source>
        <translation>Einstellungen nicht gespeichert!</translation>
    </message>
</context>
<context>
    <name>ThumbStatus</name>
    <message>
        <source>This directory is empty</source>
        <translation>Ordner ist leer</translation>
    </message>
    <message>
        <source>No sd card</source>
        <translation>Keine SD-Karte</translation>
    </message>
</context>
<context>
    <name>ThumbToolWidget</name>
    <message>
        <source>exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle wählen</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>Keine wählen</translation>
    </message>
</context>
<context>
    <name>UseKeyBoardDialog</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
</context>
<context>
    <name>VideoView</name>
    <message>
        <source>This video cannot be played</source>
        <translation>Dieses Video kann nicht abgespielt werden</translation>
    </message>
</context>
<context>
    <name>ZDateFormat</name>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
</context>
<context>
    <name>ZDateTimePage</name>
    <message>
        <source>set DateTime</source>
        <translation>Datum/Zeit</translation>
    </message>
    <message>
        <source>Set Date</source>
        <translation>Datum einstellen</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Zeit einstellen</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24-h-Format</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12-h-Format</translation>
    </message>
</context>
<context>
    <name>ZMultifunctional</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>ZPshutdown</name>
    <message>
        <source>Slide to power off</source>
        <translation>Zum Ausschalten schieben</translation>
    </message>
    <message>
        <source>Shutdown .....</source>
        <translation>Ausschalten .....</translation>
    </message>
</context>
<context>
    <name>ZSetTime</name>
    <message>
        <source>12-Hour</source>
        <translation>12-h-Format</translation>
    </message>
    <message>
        <source>24-Hour</source>
        <translation>24-h-Format</translation>
    </message>
</context>
<context>
    <name>setData</name>
    <message>
        <source>Set Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>JJJJ/MM/TT</translation>
    </message>
</context>
</TS>
